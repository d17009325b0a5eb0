#include "FakeWebBrowser.h"

namespace quorlane::test {

HRESULT FakeWebBrowser::Record(const std::string &name)
{
    calls.push_back({name, {}, {}, {}, {}, {}});
    const auto failure = failures.find(name);
    return failure == failures.end() ? kS_OK : failure->second;
}

HRESULT FakeWebBrowser::Navigate(const WideString &URL, Variant &Flags, Variant &TargetFrameName, Variant &PostData,
                                 Variant &Headers)
{
    calls.push_back({"Navigate", URL, Flags, TargetFrameName, PostData, Headers, &Flags, &Headers});
    const auto failure = failures.find("Navigate");
    if (failure != failures.end())
        return failure->second;
    if (raiseEventInsideNavigate) {
        EventArgs args{Variant(URL), Flags, TargetFrameName, PostData, Headers};
        RaiseBeforeNavigate(TopLevel(), args);
        eventsRaisedInsideNavigate.push_back(args);
    }
    return kS_OK;
}

void FakeWebBrowser::RaiseBeforeNavigate(IDispatch *pDisp, EventArgs &args)
{
    if (onBeforeNavigate)
        onBeforeNavigate(pDisp, args.URL, args.Flags, args.TargetFrameName, args.PostData, args.Headers, args.Cancel);
}

std::vector<std::string> FakeWebBrowser::CallNames() const
{
    std::vector<std::string> names;
    for (const auto &call : calls)
        names.push_back(call.name);
    return names;
}

} // namespace quorlane::test
