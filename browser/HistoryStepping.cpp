#include "HistoryStepping.h"

namespace quorlane {

void StepHistory(IWebBrowser2 &browser, HistoryDirection direction, EnableSwitch &clicked, EnableSwitch &opposite)
{
    try {
        const HRESULT result = direction == HistoryDirection::Back ? browser.GoBack() : browser.GoForward();
        OleCheck(result, browser);
        opposite.SetEnabled(true);
    } catch (...) {
        clicked.SetEnabled(false);
    }
}

} // namespace quorlane
