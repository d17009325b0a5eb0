#include "NavigationInterception.h"

#include "core/ExtraHeaders.h"
#include "core/TextConversion.h"
#include "core/Xid.h"

namespace quorlane {
namespace {

bool IsTopLevel(IWebBrowser2 &browser, IDispatch *pDisp)
{
    return pDisp == static_cast<IDispatch *>(&browser);
}

// The block for the values the window shows now: the tag first, then the XID field again.
WideString CurrentHeaderBlock(const NavigationHost &host)
{
    const std::string tag = host.LanguageTag();
    return WideFromNarrow(BuildExtraHeaders(host.XidFieldText(), tag));
}

class DefaultCursorOnExit {
public:
    explicit DefaultCursorOnExit(NavigationHost &host) : host_(host) {}
    ~DefaultCursorOnExit() { host_.SetDefaultCursor(); }
    DefaultCursorOnExit(const DefaultCursorOnExit &) = delete;
    DefaultCursorOnExit &operator=(const DefaultCursorOnExit &) = delete;

private:
    NavigationHost &host_;
};

} // namespace

void RunGoCommand(NavigationHost &host, IWebBrowser2 &browser)
{
    host.SetHourglassCursor();
    const DefaultCursorOnExit restoreCursor(host);

    ValidateXID(host.XidFieldText());
    Variant Flags, TargetFrameName, PostData;
    Variant Headers = CurrentHeaderBlock(host);
    const WideString address = WideFromNarrow(host.AddressText());
    OleCheck(browser.Navigate(address, Flags, TargetFrameName, PostData, Headers), browser);
}

void InterceptBeforeNavigate(NavigationHost &host, IWebBrowser2 &browser, IDispatch *pDisp, Variant &URL,
                             Variant &Flags, Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                             VARIANT_BOOL &Cancel)
{
    ValidateXID(host.XidFieldText());
    if (!IsTopLevel(browser, pDisp))
        return;
    if (!VariantToText(Headers).empty())
        return;

    OleCheck(browser.Stop(), browser);
    Headers = CurrentHeaderBlock(host);
    OleCheck(browser.Navigate(VariantToWideText(URL), Flags, TargetFrameName, PostData, Headers), browser);
    Cancel = kVariantTrue;
}

void ShowCompletedAddress(NavigationHost &host, IWebBrowser2 &browser, IDispatch *pDisp, const Variant &URL)
{
    if (!IsTopLevel(browser, pDisp))
        return;
    host.SetAddressText(VariantToText(URL));
}

} // namespace quorlane
