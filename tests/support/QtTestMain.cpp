// Test entry for suites that need a QApplication: runs it on the offscreen
// platform unless a display is chosen, with the engine's sandbox off (tests
// run as root in CI) and no shader cache written under HOME.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (!qEnvironmentVariableIsSet("QT_LOGGING_RULES"))
        qputenv("QT_LOGGING_RULES", "qt.webenginecontext.info=false");
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setAttribute(Qt::AA_DisableShaderDiskCache);
    QApplication application(argc, argv);
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Quorlane Simulator"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
