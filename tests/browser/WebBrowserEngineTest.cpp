// The browser control on the real engine against a loopback server: what
// reaches the wire for each kind of navigation.
#include "EngineFixture.h"

namespace quorlane {
namespace {

using test::CountWithHeader;
using test::kXid;
using test::PageWithLink;
using test::WaitUntil;

class WebBrowserEngineTest : public test::EngineFixture {};

TEST_F(WebBrowserEngineTest, GoSendsOneRequestWithTheBlockAndReportsCompletion)
{
    ASSERT_TRUE(OpenPageLinkingTo("/next"));
    ExpectOneRequestWithBlock("/start");
    EXPECT_EQ(host.address, server.Url("/start"));
    // GO's navigation is announced once, already carrying the block.
    ASSERT_EQ(announced.size(), 1u);
    EXPECT_TRUE(announced[0].topLevel);
    EXPECT_EQ(announced[0].headers, "X-XID: 0123456789AB\r\nAccept-Language: en-us\r\n");
    EXPECT_TRUE(errors.All().empty());
}

TEST_F(WebBrowserEngineTest, GoToABareHostAddressIsAnnouncedWithTheBlock)
{
    server.Page("/", "<html><body>root</body></html>");
    host.address = server.Origin(); // no trailing slash
    RunGoCommand(host, *browser);
    ASSERT_TRUE(Loaded("/"));
    ExpectOneRequestWithBlock("/");
    EXPECT_EQ(announced.size(), 1u);
}

TEST_F(WebBrowserEngineTest, LinkClickIsReissuedAsOneRequestWithBlockAndReferrer)
{
    server.Page("/next", "<html><body>next</body></html>");
    ASSERT_TRUE(OpenPageLinkingTo("/next"));

    test::ClickElement(*browser, "link");
    ASSERT_TRUE(Loaded("/next"));
    ExpectOneRequestWithBlock("/next");
    EXPECT_EQ(server.RequestsTo("/next")[0].Header("Referer"), server.Url("/start"));
    // The link's announcement came without headers, the re-issue with the block.
    ASSERT_EQ(announced.size(), 3u);
    EXPECT_EQ(announced[1].headers, "");
    EXPECT_EQ(announced[2].headers, "X-XID: 0123456789AB\r\nAccept-Language: en-us\r\n");
    EXPECT_EQ(host.address, server.Url("/next"));
}

TEST_F(WebBrowserEngineTest, ScriptNavigationCarriesTheBlock)
{
    server.Page("/start", "<html><body>start</body></html>");
    server.Page("/scripted", "<html><body>scripted</body></html>");
    Go("/start");
    ASSERT_TRUE(Loaded("/start"));
    test::RunScript(*browser, "location.href = '/scripted'");
    ASSERT_TRUE(Loaded("/scripted"));
    ExpectOneRequestWithBlock("/scripted");
}

TEST_F(WebBrowserEngineTest, PageThatNavigatesByItselfCarriesTheBlock)
{
    server.Page("/self", "<html><body><script>setTimeout(function(){location.replace('/landed')}, 10)</script>"
                         "</body></html>");
    server.Page("/landed", "<html><body>landed</body></html>");
    Go("/self");
    ASSERT_TRUE(Loaded("/landed"));
    ExpectOneRequestWithBlock("/self");
    ExpectOneRequestWithBlock("/landed");
}

TEST_F(WebBrowserEngineTest, BothHopsOfARedirectCarryTheBlock)
{
    server.Redirect("/moved", "/target");
    server.Page("/target", "<html><body>target</body></html>");
    ASSERT_TRUE(OpenPageLinkingTo("/moved"));
    test::ClickElement(*browser, "link");
    ASSERT_TRUE(Loaded("/target"));
    ExpectOneRequestWithBlock("/moved");
    ExpectOneRequestWithBlock("/target");
    EXPECT_EQ(host.address, server.Url("/target"));
    // The hop is part of the link's navigation, not one of its own.
    EXPECT_EQ(announced.size(), 3u);
}

TEST_F(WebBrowserEngineTest, FormPostStaysOnePostWithItsBody)
{
    server.Page("/form", "<html><body><form id='f' method='post' action='/submit'>"
                         "<input name='q' value='hello world'><input name='n' value='2'></form></body></html>");
    server.Page("/submit", "<html><body>thanks</body></html>");
    Go("/form");
    ASSERT_TRUE(Loaded("/form"));
    test::RunScript(*browser, "document.getElementById('f').submit()");
    ASSERT_TRUE(Loaded("/submit"));
    ExpectOneRequestWithBlock("/submit", "en-us", "POST");
    const auto post = server.RequestsTo("/submit")[0];
    EXPECT_EQ(post.body, "q=hello+world&n=2");
    EXPECT_EQ(post.Header("Origin"), server.Origin());
}

TEST_F(WebBrowserEngineTest, NavigateWithPostDataSendsItsBytesUnchanged)
{
    server.Page("/posted", "<html><body>posted</body></html>");
    const ByteArray body = {'a', '=', 0xFF, 0x00, 0xC3, '&', 'b'};
    Variant flags, target, post(body), headers(u"X-XID: 0123456789AB\r\nAccept-Language: en-us\r\n");
    ASSERT_EQ(browser->Navigate(WideFromNarrow(server.Url("/posted")), flags, target, post, headers), kS_OK);
    ASSERT_TRUE(Loaded("/posted"));
    ExpectOneRequestWithBlock("/posted", "en-us", "POST");
    EXPECT_EQ(server.RequestsTo("/posted")[0].body, std::string(body.begin(), body.end()));
}

TEST_F(WebBrowserEngineTest, BackAndForwardKeepTheHistoryAndCarryTheBlock)
{
    for (const std::string path : {"/one", "/two"}) {
        server.Handle(path, [path](const httplib::Request &, httplib::Response &response) {
            response.set_header("Cache-Control", "no-store");
            response.set_content(PageWithLink("/two", path), "text/html");
        });
    }
    Go("/one");
    ASSERT_TRUE(Loaded("/one"));
    test::ClickElement(*browser, "link");
    ASSERT_TRUE(Loaded("/two"));
    server.ClearRequests();
    completed.clear();

    ASSERT_EQ(browser->GoBack(), kS_OK);
    ASSERT_TRUE(Loaded("/one"));
    EXPECT_TRUE(browser->Page()->history()->canGoForward()); // the forward list survived
    ASSERT_EQ(browser->GoForward(), kS_OK);
    ASSERT_TRUE(Loaded("/two"));
    EXPECT_EQ(browser->Page()->history()->count(), 2);

    for (const auto &request : server.Requests()) {
        EXPECT_EQ(request.Header("X-XID"), kXid) << request.path;
        EXPECT_EQ(request.Count("Accept-Language"), 1u) << request.path;
    }
    EXPECT_LE(server.RequestsTo("/one").size(), 1u);
    EXPECT_LE(server.RequestsTo("/two").size(), 1u);
}

TEST_F(WebBrowserEngineTest, HistoryStepWithoutAnEntryFails)
{
    EXPECT_LT(browser->GoBack(), 0);
    EXPECT_FALSE(browser->ErrorDescription().empty());
    EXPECT_LT(browser->GoForward(), 0);
}

TEST_F(WebBrowserEngineTest, FramesImagesScriptsAndXhrNeverCarryTheXid)
{
    server.Page("/embedding",
                "<html><body><iframe src='/frame'></iframe><img src='/image.png'>"
                "<script src='/script.js'></script>"
                "<script>var x = new XMLHttpRequest(); x.open('GET', '/xhr'); x.send();"
                "fetch('/fetched');</script></body></html>");
    server.Page("/frame", "<html><body>frame<img src='/frame-image.png'></body></html>");
    server.Resource("/image.png", "not really a png", "image/png");
    server.Resource("/frame-image.png", "not really a png", "image/png");
    server.Resource("/script.js", "var loaded = 1;", "application/javascript");
    server.Resource("/xhr", "{}", "application/json");
    server.Resource("/fetched", "{}", "application/json");
    Go("/embedding");
    ASSERT_TRUE(Loaded("/embedding"));
    const std::vector<std::string> subresources = {"/frame", "/image.png", "/frame-image.png", "/script.js", "/xhr",
                                                   "/fetched"};
    ASSERT_TRUE(WaitUntil([&] {
        return std::all_of(subresources.begin(), subresources.end(),
                           [&](const std::string &path) { return !server.RequestsTo(path).empty(); });
    }));
    ExpectOneRequestWithBlock("/embedding");
    for (const auto &path : subresources)
        EXPECT_EQ(CountWithHeader(server.RequestsTo(path), "X-XID"), 0u) << path;
    // The frame was announced as a frame, and went ahead untouched.
    EXPECT_TRUE(std::any_of(announced.begin(), announced.end(),
                            [&](const Announced &a) { return !a.topLevel && a.url == server.Url("/frame"); }));
}

TEST_F(WebBrowserEngineTest, LanguageChangeAppliesFromTheNextNavigation)
{
    server.Page("/next", "<html><body>next</body></html>");
    ASSERT_TRUE(OpenPageLinkingTo("/next"));
    host.tag = "fr";
    test::ClickElement(*browser, "link");
    ASSERT_TRUE(Loaded("/next"));
    ExpectOneRequestWithBlock("/start", "en-us");
    ExpectOneRequestWithBlock("/next", "fr");
}

TEST_F(WebBrowserEngineTest, InvalidXidOnGoSendsNothing)
{
    server.Page("/start", "<html></html>");
    host.xid = "0123456789AG";
    EXPECT_THROW(Go("/start"), EXidError);
    // Anything sent would have been announced first.
    QTest::qWait(0);
    EXPECT_TRUE(announced.empty());
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WebBrowserEngineTest, InvalidXidOnALinkShowsTheMessageAndTheNavigationGoesAheadWithoutTheBlock)
{
    server.Page("/next", "<html><body>next</body></html>");
    ASSERT_TRUE(OpenPageLinkingTo("/next"));
    host.xid = "ABC         ";
    test::ClickElement(*browser, "link");
    ASSERT_TRUE(Loaded("/next"));
    const auto requests = server.RequestsTo("/next");
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_FALSE(requests[0].Has("X-XID"));
    EXPECT_EQ(errors.shownLater, std::vector<std::string>{"XID must be a 12 hexadecimal character string!"});
    EXPECT_TRUE(errors.shown.empty()); // never a box inside the engine's callback
}

TEST_F(WebBrowserEngineTest, ACancelOnTheAnnouncementOrOnTheReissueKeepsTheNavigationOffTheWire)
{
    using Handler = decltype(beforeNavigate);
    const Handler cancelTheLink = [&](IDispatch *, Variant &URL, Variant &, Variant &, Variant &, Variant &,
                                      VARIANT_BOOL &Cancel) {
        if (VariantToText(URL).find("/blocked") != std::string::npos)
            Cancel = kVariantTrue;
    };
    const Handler cancelTheReissue = [&](IDispatch *pDisp, Variant &URL, Variant &Flags, Variant &TargetFrameName,
                                         Variant &PostData, Variant &Headers, VARIANT_BOOL &Cancel) {
        if (!VariantToText(Headers).empty()) {
            Cancel = kVariantTrue; // the re-issued navigation is refused
            return;
        }
        InterceptBeforeNavigate(host, *browser, pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);
    };
    struct Case {
        const char *name;
        Handler handler;
        std::size_t announcements; // GO to the start page, then the link's
    };
    const Case cases[] = {{"cancel on the link", cancelTheLink, 2}, {"cancel on the re-issue", cancelTheReissue, 3}};
    server.Page("/blocked", "<html></html>");
    server.Page("/after", "<html></html>");
    for (const auto &c : cases) {
        announced.clear();
        completed.clear();
        ASSERT_TRUE(OpenPageLinkingTo("/blocked")) << c.name;
        beforeNavigate = c.handler;
        test::ClickElement(*browser, "link");
        ASSERT_TRUE(WaitUntil([&] { return announced.size() == c.announcements; })) << c.name;
        beforeNavigate = nullptr;
        Go("/after");
        ASSERT_TRUE(Loaded("/after")) << c.name;
        EXPECT_TRUE(server.RequestsTo("/blocked").empty()) << c.name;
    }
}

TEST_F(WebBrowserEngineTest, NavigateRefusesAnEmptyAddressWithADescription)
{
    Variant flags, target, post, headers;
    for (const WideString &address : {WideString(u""), WideString(u"   ")}) {
        EXPECT_EQ(browser->Navigate(address, flags, target, post, headers), kE_INVALIDARG);
        EXPECT_FALSE(browser->ErrorDescription().empty());
    }
    host.address = "";
    try {
        RunGoCommand(host, *browser);
        FAIL() << "GO with an empty address gave no error";
    } catch (const EOleException &e) {
        EXPECT_STREQ(e.what(), "No address was given");
    }
}

TEST_F(WebBrowserEngineTest, UnreachableServerShowsTheEnginesErrorPageAndReportsTheAddress)
{
    // A port nothing listens on: bind one, then let it go.
    std::string deadUrl;
    {
        test::TestHttpServer gone;
        deadUrl = gone.Url("/nothing");
    }
    host.address = deadUrl;
    RunGoCommand(host, *browser);
    ASSERT_TRUE(WaitUntil([&] { return std::find(completed.begin(), completed.end(), deadUrl) != completed.end(); }));
    EXPECT_EQ(host.address, deadUrl);
    EXPECT_TRUE(errors.All().empty());
}

} // namespace
} // namespace quorlane
