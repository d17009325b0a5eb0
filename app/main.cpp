#include "Startup.h"

#include "platform/Clock.h"
#include "platform/Com.h"
#include "platform/ErrorDisplay.h"
#include "platform/LibraryLoader.h"
#include "ui/UnitMain.h"
#include "ui/UrlAutoComplete.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

namespace {

// Conditions under which the engine or Qt would fail with a cryptic message
// or none: say plainly what is wrong instead.
bool CanStart()
{
#if defined(Q_OS_LINUX)
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    if (!platformChosen && qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "Quorlane Simulator needs a display: no X11 or Wayland display is set (DISPLAY).\n"
                             "Start it from a desktop session, or under a virtual one: xvfb-run -a quorlane-simulator\n");
        return false;
    }
    if (geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX")) {
        std::fprintf(stderr, "Quorlane Simulator is running as root, where the browser engine's sandbox cannot run.\n"
                             "Run it as a normal user, or set QTWEBENGINE_DISABLE_SANDBOX=1 to run without the sandbox.\n");
        return false;
    }
#endif
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!CanStart())
        return 1;

    // Layout and font sizes are in device pixels: a 240-pixel pane is 240 screen pixels.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache); // nothing of ours under HOME
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quorlane-simulator"));

    quorlane::ComApartment com;
    quorlane::BuiltinLibraryLoader loader;
    quorlane::UrlAutoComplete autoComplete(loader, com);
    quorlane::MessageBoxErrorDisplay errors;
    quorlane::SystemClock clock;

    return quorlane::RunApplication(
        com, autoComplete,
        [&] { return std::make_unique<quorlane::TFormMain>(errors, clock, autoComplete); },
        quorlane::ShowStartupFailure);
}
