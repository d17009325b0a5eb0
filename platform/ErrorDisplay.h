#pragma once

#include <exception>
#include <string>
#include <utility>

namespace quorlane {

// Where exceptions that leave event handlers are shown to the user.
class ErrorDisplay {
public:
    virtual ~ErrorDisplay() = default;
    // Shows the text at once, in a modal box.
    virtual void Show(const std::string &text) = 0;
    // Shows the text once control is back in the event loop: used from inside
    // the browser engine's callbacks, where no nested event loop may run.
    virtual void ShowLater(const std::string &text) = 0;
};

// The box the user sees: application-modal, critical icon, titled with the
// application's display name, OK only.
class MessageBoxErrorDisplay : public ErrorDisplay {
public:
    void Show(const std::string &text) override;
    void ShowLater(const std::string &text) override;
};

enum class ReportTiming { Now, Later };

// Reports an exception message the way the error box shows it.
void ReportException(ErrorDisplay &display, const std::string &message, ReportTiming timing);

// Runs a handler; whatever leaves it is shown and the rest of the handler is
// skipped. Nothing escapes into the event loop.
template <typename Handler>
void RunGuarded(ErrorDisplay &display, ReportTiming timing, Handler &&handler) noexcept
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception &e) {
        ReportException(display, e.what(), timing);
    } catch (...) {
        ReportException(display, "Unknown exception", timing);
    }
}

} // namespace quorlane
