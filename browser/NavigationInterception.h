#pragma once

#include "NavigationHost.h"
#include "WebBrowserInterface.h"

namespace quorlane {

// GO: validate the XID, then navigate to the address with the extra header block.
void RunGoCommand(NavigationHost &host, IWebBrowser2 &browser);

// A top-level navigation announced without header text is stopped, issued
// again with the extra header block and cancelled; everything else goes ahead.
void InterceptBeforeNavigate(NavigationHost &host, IWebBrowser2 &browser, IDispatch *pDisp, Variant &URL,
                             Variant &Flags, Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                             VARIANT_BOOL &Cancel);

// Shows the address of a completed top-level navigation in the address box.
void ShowCompletedAddress(NavigationHost &host, IWebBrowser2 &browser, IDispatch *pDisp, const Variant &URL);

} // namespace quorlane
