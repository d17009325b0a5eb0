#pragma once

// A browser control on the real engine, wired to the navigation logic as the
// window wires it, against a loopback server that records every request.
#include "browser/NavigationInterception.h"
#include "browser/TWebBrowser.h"

#include "core/TextConversion.h"
#include "core/Xid.h"
#include "support/Doubles.h"
#include "support/EngineHarness.h"
#include "support/TestHttpServer.h"

#include <QTest>
#include <QWebEngineHistory>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <algorithm>

namespace quorlane::test {

inline constexpr char kXid[] = "0123456789AB";

inline std::string PageWithLink(const std::string &target, const std::string &extra = "")
{
    return "<html><body style='margin:0'><a id='link' href='" + target
        + "' style='display:block;width:150px;height:60px'>next</a>" + extra + "</body></html>";
}

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.xid = kXid;
        browser = std::make_unique<TWebBrowser>();
        browser->resize(320, 240);
        browser->show();
        browser->OnBeforeNavigate2 = [this](QObject *, IDispatch *pDisp, Variant &URL, Variant &Flags,
                                            Variant &TargetFrameName, Variant &PostData, Variant &Headers,
                                            VARIANT_BOOL &Cancel) {
            announced.push_back({VariantToText(URL), pDisp == browser->DefaultInterface(), TextOf(Headers)});
            if (beforeNavigate) {
                beforeNavigate(pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);
                return;
            }
            RunGuarded(errors, ReportTiming::Later, [&] {
                InterceptBeforeNavigate(host, *browser, pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);
            });
        };
        browser->OnNavigateComplete2 = [this](QObject *, IDispatch *pDisp, Variant &URL) {
            completed.push_back(VariantToText(URL));
            RunGuarded(errors, ReportTiming::Later, [&] { ShowCompletedAddress(host, *browser, pDisp, URL); });
        };
    }

    static std::string TextOf(const Variant &v) { return v.IsNull() ? "<null>" : VariantToText(v); }

    void Go(const std::string &path)
    {
        host.address = server.Url(path);
        RunGoCommand(host, *browser);
    }

    // Waits for the top-level navigation to this path to complete.
    bool Loaded(const std::string &path)
    {
        const std::string url = server.Url(path);
        return WaitUntil([&] { return std::find(completed.begin(), completed.end(), url) != completed.end(); });
    }

    // GO to /start, a page whose link leads to target, and wait for it.
    bool OpenPageLinkingTo(const std::string &target)
    {
        server.Page("/start", PageWithLink(target));
        Go("/start");
        return Loaded("/start");
    }

    void ExpectOneRequestWithBlock(const std::string &path, const std::string &tag = "en-us",
                                   const std::string &method = "GET")
    {
        const auto requests = server.RequestsTo(path);
        ASSERT_EQ(requests.size(), 1u) << path;
        EXPECT_EQ(requests[0].method, method) << path;
        EXPECT_EQ(requests[0].Count("X-XID"), 1u) << path;
        EXPECT_EQ(requests[0].Header("X-XID"), kXid) << path;
        EXPECT_EQ(requests[0].Count("Accept-Language"), 1u) << path;
        EXPECT_EQ(requests[0].Header("Accept-Language"), tag) << path;
    }

    struct Announced {
        std::string url;
        bool topLevel;
        std::string headers;
    };

    test::TestHttpServer server;
    test::FakeNavigationHost host;
    test::RecordingErrorDisplay errors;
    std::unique_ptr<TWebBrowser> browser;
    std::vector<Announced> announced;
    std::vector<std::string> completed;
    std::function<void(IDispatch *, Variant &, Variant &, Variant &, Variant &, Variant &, VARIANT_BOOL &)>
        beforeNavigate;
};

} // namespace quorlane::test
