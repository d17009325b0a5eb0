#include "WebBrowserInterface.h"

namespace quorlane {

void OleCheck(HRESULT result, const IWebBrowser2 &control)
{
    if (Failed(result))
        throw EOleException(OleErrorMessage(result, control.ErrorDescription()), result);
}

} // namespace quorlane
