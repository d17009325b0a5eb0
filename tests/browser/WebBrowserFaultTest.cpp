// Faults of the network and the engine: each ends in the engine's own error
// page or a clear error, never a crash, a hang or a request without the block.
#include "EngineFixture.h"

#include <QWebEnginePage>

#include <atomic>
#include <chrono>
#include <csignal>
#include <thread>

namespace quorlane {
namespace {

using test::kXid;
using test::PageWithLink;
using test::WaitUntil;

class WebBrowserFaultTest : public test::EngineFixture {
protected:
    // Lets handlers that hold a request open return when the test ends.
    void TearDown() override { released = true; }

    void HoldOpen(const std::string &path)
    {
        server.Handle(path, [this](const httplib::Request &, httplib::Response &response) {
            for (int i = 0; i < 600 && !released; ++i)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            response.set_content("<html>late</html>", "text/html");
        });
    }

    std::atomic<bool> released{false};
};

TEST_F(WebBrowserFaultTest, AServerThatNeverAnswersLeavesTheControlFreeForTheNextGo)
{
    HoldOpen("/silent");
    server.Page("/other", "<html><body>other</body></html>");
    Go("/silent");
    ASSERT_TRUE(WaitUntil([&] { return !server.RequestsTo("/silent").empty(); }));
    Go("/other");
    ASSERT_TRUE(Loaded("/other"));
    ExpectOneRequestWithBlock("/other");
    EXPECT_TRUE(errors.All().empty());
}

TEST_F(WebBrowserFaultTest, AConnectionResetInTheBodyEndsInAnErrorPageNotACrash)
{
    server.Handle("/cut", [](const httplib::Request &, httplib::Response &response) {
        // Promise more than is sent; the server then drops the connection.
        response.set_content_provider(
            1000000, "text/html",
            [](size_t offset, size_t, httplib::DataSink &sink) {
                if (offset > 0)
                    return false; // abort: the connection is closed mid-body
                const std::string head = "<html><body>" + std::string(4000, 'x');
                sink.write(head.data(), head.size());
                return true;
            });
    });
    server.Page("/after", "<html><body>after</body></html>");
    Go("/cut");
    ASSERT_TRUE(WaitUntil([&] { return !completed.empty(); }));
    Go("/after");
    ASSERT_TRUE(Loaded("/after"));
    ExpectOneRequestWithBlock("/cut");
    ExpectOneRequestWithBlock("/after");
}

TEST_F(WebBrowserFaultTest, ATenMegabytePageLoads)
{
    std::string big = "<html><body>";
    while (big.size() < 10 * 1024 * 1024)
        big += "<p>0123456789 abcdefghijklmnopqrstuvwxyz ABCDEFGHIJKLMNOPQRSTUVWXYZ</p>\n";
    big += "<p id='end'>end</p></body></html>";
    server.Page("/big", big);
    Go("/big");
    ASSERT_TRUE(Loaded("/big"));
    ExpectOneRequestWithBlock("/big");
    EXPECT_TRUE(test::RunScript(*browser, "document.getElementById('end') !== null").toBool());
}

TEST_F(WebBrowserFaultTest, ARedirectLoopEndsInTheEnginesErrorWithEveryHopCarryingTheBlock)
{
    server.Redirect("/loop-a", "/loop-b");
    server.Redirect("/loop-b", "/loop-a");
    server.Page("/after", "<html><body>after</body></html>");
    Go("/loop-a");
    ASSERT_TRUE(WaitUntil([&] { return !completed.empty(); }));
    const auto hops = server.Requests();
    ASSERT_GE(hops.size(), 2u);
    for (const auto &hop : hops)
        EXPECT_EQ(hop.Header("X-XID"), kXid) << hop.path;
    Go("/after");
    ASSERT_TRUE(Loaded("/after"));
}

TEST_F(WebBrowserFaultTest, AfterTheRendererIsKilledTheNextGoLoadsWithTheBlock)
{
    server.Page("/first", "<html><body>first</body></html>");
    server.Page("/second", "<html><body>second</body></html>");
    Go("/first");
    ASSERT_TRUE(Loaded("/first"));

    bool terminated = false;
    QObject::connect(browser->Page(), &QWebEnginePage::renderProcessTerminated, [&] { terminated = true; });
    const qint64 pid = browser->Page()->renderProcessPid();
    ASSERT_GT(pid, 0);
    ::kill(static_cast<pid_t>(pid), SIGKILL);
    ASSERT_TRUE(WaitUntil([&] { return terminated; }));

    Go("/second");
    ASSERT_TRUE(Loaded("/second"));
    ExpectOneRequestWithBlock("/second");
    EXPECT_NE(browser->Page()->renderProcessPid(), pid);
}

TEST_F(WebBrowserFaultTest, DestroyingTheControlDuringEachFaultReturns)
{
    HoldOpen("/silent");
    server.Redirect("/loop-a", "/loop-b");
    server.Redirect("/loop-b", "/loop-a");
    for (const std::string path : {"/silent", "/loop-a"}) {
        SetUp();
        Go(path);
        ASSERT_TRUE(WaitUntil([&] { return !server.RequestsTo(path).empty(); })) << path;
        browser.reset(); // what closing the window does to the pane
    }
    SUCCEED();
}

TEST_F(WebBrowserFaultTest, OddAddressesGiveTheEnginesOwnHandlingAndNeverARequestWithoutTheBlock)
{
    server.Page("/caf\xC3\xA9/\xE6\x97\xA5", "<html><body>unicode path</body></html>");
    struct Case {
        std::string address;
        bool navigates;
    };
    const Case cases[] = {
        {"data:text/html,<p>inline</p>", true},
        {"javascript:void(0)", false},
        {"   " + server.Url("/caf\xC3\xA9/\xE6\x97\xA5") + "   ", true},
        {"http://xn--nxasmq6b.invalid/", true}, // a host that does not resolve: error page
        {"http://b\xC3\xBC" "cher.invalid/", true},
        {server.Url("/long?") + std::string(100 * 1024, 'a'), true}, // the server refuses so long a target
    };
    for (const auto &c : cases) {
        completed.clear();
        host.address = c.address;
        EXPECT_NO_THROW(RunGoCommand(host, *browser)) << c.address.substr(0, 60);
        if (c.navigates) {
            EXPECT_TRUE(WaitUntil([&] { return !completed.empty(); })) << c.address.substr(0, 60);
        }
    }
    for (const auto &request : server.Requests()) {
        if (request.path.rfind("/favicon", 0) != 0) {
            EXPECT_EQ(request.Header("X-XID"), kXid) << request.path.substr(0, 60);
        }
    }
    EXPECT_EQ(server.RequestsTo("/caf\xC3\xA9/\xE6\x97\xA5").size(), 1u); // the server decodes the path
    EXPECT_TRUE(errors.All().empty());
}

TEST_F(WebBrowserFaultTest, ASecondOriginNeverSeesTheXid)
{
    test::TestHttpServer other;
    other.Page("/frame", "<html><body><img src='/frame-image.png'><script src='/frame-script.js'></script>"
                         "</body></html>");
    other.Resource("/image.png", "x", "image/png");
    other.Resource("/frame-image.png", "x", "image/png");
    other.Resource("/script.js", "var a = 1;", "application/javascript");
    other.Resource("/frame-script.js", "var b = 1;", "application/javascript");
    other.Resource("/api", "{}", "application/json");
    server.Resource("/own.js", "var c = 1;", "application/javascript");
    server.Resource("/own.png", "x", "image/png");
    server.Page("/mixed", "<html><body><iframe src='" + other.Url("/frame") + "'></iframe><img src='"
                              + other.Url("/image.png") + "'><script src='" + other.Url("/script.js")
                              + "'></script><script src='/own.js'></script><img src='/own.png'>"
                              + "<script>fetch('" + other.Url("/api") + "', {mode: 'no-cors'});</script>"
                              + "</body></html>");
    Go("/mixed");
    ASSERT_TRUE(Loaded("/mixed"));
    ASSERT_TRUE(WaitUntil([&] { return other.Requests().size() >= 6 && server.Requests().size() >= 3; }));
    ExpectOneRequestWithBlock("/mixed");
    for (const auto &request : other.Requests())
        EXPECT_FALSE(request.Has("X-XID")) << "second origin: " << request.path;
    for (const std::string path : {"/own.js", "/own.png"})
        EXPECT_EQ(test::CountWithHeader(server.RequestsTo(path), "X-XID"), 0u) << path;
}

} // namespace
} // namespace quorlane
