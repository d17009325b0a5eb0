#include "app/Startup.h"

#include "core/Exception.h"
#include "platform/Com.h"
#include "platform/LibraryLoader.h"
#include "support/Doubles.h"
#include "ui/UnitMain.h"
#include "ui/UrlAutoComplete.h"

#include <QApplication>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace quorlane {
namespace {

class StartupTest : public ::testing::Test {
protected:
    int Run(const MainWindowFactory &factory)
    {
        return RunApplication(com, autoComplete, factory, [this](const std::string &kind, const std::string &message) {
            failures.push_back(kind + ": " + message);
        });
    }

    test::RecordingErrorDisplay errors;
    test::FixedClock clock;
    ComApartment com;
    BuiltinLibraryLoader loader;
    UrlAutoComplete autoComplete{loader, com};
    std::vector<std::string> failures;
};

TEST_F(StartupTest, ClosingTheWindowEndsWithExitCodeZeroAndReleasesEverything)
{
    int referencesWhileRunning = 0;
    bool shownWithCaption = false;
    QTimer::singleShot(0, [&] {
        ASSERT_NE(FormMain, nullptr);
        referencesWhileRunning = com.References();
        shownWithCaption = FormMain->isVisible() && FormMain->windowTitle() == "Quorlane Simulator";
        FormMain->close();
    });
    const int exitCode = Run([&] { return std::make_unique<TFormMain>(errors, clock, autoComplete); });
    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(shownWithCaption);
    EXPECT_EQ(referencesWhileRunning, 2); // the application's and the completion module's
    EXPECT_EQ(com.References(), 0);
    EXPECT_EQ(loader.LoadCount(), 0);
    EXPECT_EQ(FormMain, nullptr);
    EXPECT_TRUE(failures.empty());
    EXPECT_TRUE(errors.All().empty());
}

TEST_F(StartupTest, AWindowThatCannotBeCreatedEndsWithExitCodeOneAndNamesTheFailure)
{
    EXPECT_EQ(Run([]() -> std::unique_ptr<TFormMain> { throw Exception("Class not registered"); }), 1);
    EXPECT_EQ(Run([]() -> std::unique_ptr<TFormMain> { throw std::runtime_error("no engine"); }), 1);
    EXPECT_EQ(failures, (std::vector<std::string>{"Exception: Class not registered", "std::runtime_error: no engine"}));
    EXPECT_EQ(com.References(), 0);
}

} // namespace
} // namespace quorlane
