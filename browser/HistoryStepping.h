#pragma once

#include "WebBrowserInterface.h"

namespace quorlane {

enum class HistoryDirection { Back, Forward };

// The enabled flag of a Back or Forward button.
class EnableSwitch {
public:
    virtual ~EnableSwitch() = default;
    virtual void SetEnabled(bool enabled) = 0;
};

// Steps the history one page. A step that the control accepts enables the
// opposite button; any failure is dropped without a word and disables the
// button that was clicked.
void StepHistory(IWebBrowser2 &browser, HistoryDirection direction, EnableSwitch &clicked, EnableSwitch &opposite);

} // namespace quorlane
