#pragma once

#include <functional>
#include <memory>
#include <string>

namespace quorlane {

class ComApi;
class TFormMain;
class UrlAutoComplete;

inline constexpr char kApplicationTitle[] = "Quorlane Simulator";

using MainWindowFactory = std::function<std::unique_ptr<TFormMain>()>;
// Reports a failed start-up: the exception's kind and its message.
using StartupFailureReport = std::function<void(const std::string &className, const std::string &message)>;

// The life of the program once the application object exists: COM, the
// title, the main window, the event loop, then shut-down in reverse order.
// Returns the exit code: 0 after the window is closed, 1 when the window
// could not be created.
int RunApplication(ComApi &com, UrlAutoComplete &autoComplete, const MainWindowFactory &createMainWindow,
                   const StartupFailureReport &reportFailure);

// The "Application Error" box for a failed start-up.
void ShowStartupFailure(const std::string &className, const std::string &message);

} // namespace quorlane
