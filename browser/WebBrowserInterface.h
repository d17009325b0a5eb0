#pragma once

#include "OleTypes.h"

#include <functional>

class QObject;

namespace quorlane {

// Identity of a browser object in events: compared by pointer, nothing else.
class IDispatch {
public:
    virtual ~IDispatch() = default;
};

// The operations a host drives the browser control with.
class IWebBrowser2 : public IDispatch {
public:
    virtual HRESULT Navigate(const WideString &URL, Variant &Flags, Variant &TargetFrameName, Variant &PostData,
                             Variant &Headers) = 0;
    virtual HRESULT GoBack() = 0;
    virtual HRESULT GoForward() = 0;
    virtual HRESULT Stop() = 0;

    // The control's description of the failure behind its last failed call, if it gave one.
    virtual WideString ErrorDescription() const = 0;
};

// Throws EOleException for a failed result, with the control's description.
void OleCheck(HRESULT result, const IWebBrowser2 &control);

// The control's events. The variant arguments alias the control's own storage:
// what a handler writes there is what the control goes on with.
using TBeforeNavigate2Event = std::function<void(QObject *Sender, IDispatch *pDisp, Variant &URL, Variant &Flags,
                                                 Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                                                 VARIANT_BOOL &Cancel)>;
using TNavigateComplete2Event = std::function<void(QObject *Sender, IDispatch *pDisp, Variant &URL)>;

} // namespace quorlane
