#pragma once

#include "browser/WebBrowserInterface.h"

#include <map>
#include <string>
#include <vector>

namespace quorlane::test {

// A scripted browser control: records every call with its arguments, fails a
// call with a given result when told to, and raises events on demand.
class FakeWebBrowser : public IWebBrowser2 {
public:
    struct Call {
        std::string name;
        WideString url;
        Variant flags, targetFrameName, postData, headers;
        // The addresses of Navigate's by-reference arguments, to check they were passed on, not copied.
        const Variant *flagsAddress = nullptr;
        const Variant *headersAddress = nullptr;
    };

    struct EventArgs {
        Variant URL, Flags, TargetFrameName, PostData, Headers;
        VARIANT_BOOL Cancel = kVariantFalse;
    };

    using BeforeNavigateHandler = std::function<void(IDispatch *pDisp, Variant &URL, Variant &Flags,
                                                     Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                                                     VARIANT_BOOL &Cancel)>;

    HRESULT Navigate(const WideString &URL, Variant &Flags, Variant &TargetFrameName, Variant &PostData,
                     Variant &Headers) override;
    HRESULT GoBack() override { return Record("GoBack"); }
    HRESULT GoForward() override { return Record("GoForward"); }
    HRESULT Stop() override { return Record("Stop"); }
    WideString ErrorDescription() const override { return description; }

    // Raises OnBeforeNavigate2 to the handler, as the control would.
    void RaiseBeforeNavigate(IDispatch *pDisp, EventArgs &args);
    IDispatch *TopLevel() { return this; }
    IDispatch *Frame() { return &frame_; }
    std::vector<std::string> CallNames() const;

    std::vector<Call> calls;
    std::map<std::string, HRESULT> failures; // call name -> result to return
    WideString description;                  // the description given with a failure
    BeforeNavigateHandler onBeforeNavigate;
    // Raise the new navigation's event from inside Navigate, as the control may.
    bool raiseEventInsideNavigate = false;
    std::vector<EventArgs> eventsRaisedInsideNavigate;

private:
    HRESULT Record(const std::string &name);
    IDispatch frame_;
};

} // namespace quorlane::test
