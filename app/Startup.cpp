#include "Startup.h"

#include "core/Exception.h"
#include "platform/Com.h"
#include "ui/UnitMain.h"
#include "ui/UrlAutoComplete.h"

#include <QApplication>
#include <QMessageBox>

#include <typeinfo>

#if defined(__GNUG__)
#include <cxxabi.h>
#include <cstdlib>
#endif

namespace quorlane {
namespace {

std::string TypeName(const std::exception &e)
{
    if (const auto *own = dynamic_cast<const Exception *>(&e))
        return own->ClassName();
    std::string name = typeid(e).name();
#if defined(__GNUG__)
    int status = 0;
    if (char *demangled = abi::__cxa_demangle(name.c_str(), nullptr, nullptr, &status)) {
        name = demangled;
        std::free(demangled);
    }
#endif
    return name;
}

class ComReference {
public:
    explicit ComReference(ComApi &com) : com_(com) { com_.CoInitialize(nullptr); }
    ~ComReference() { com_.CoUninitialize(); }
    ComReference(const ComReference &) = delete;
    ComReference &operator=(const ComReference &) = delete;

private:
    ComApi &com_;
};

} // namespace

int RunApplication(ComApi &com, UrlAutoComplete &autoComplete, const MainWindowFactory &createMainWindow,
                   const StartupFailureReport &reportFailure)
{
    const ComReference apartment(com);
    QGuiApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));

    std::unique_ptr<TFormMain> window;
    try {
        window = createMainWindow();
    } catch (const std::exception &e) {
        reportFailure(TypeName(e), e.what());
        autoComplete.ExitCleanup();
        return 1;
    }
    FormMain = window.get();
    window->show();
    QApplication::exec();

    window.reset();
    autoComplete.ExitCleanup();
    return 0;
}

void ShowStartupFailure(const std::string &className, const std::string &message)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Application Error"),
                    QString::fromStdString(className + ": " + message), QMessageBox::Ok);
    box.exec();
}

} // namespace quorlane
