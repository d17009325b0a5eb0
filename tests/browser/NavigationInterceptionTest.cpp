#include "browser/NavigationInterception.h"

#include "core/ExtraHeaders.h"
#include "core/Xid.h"
#include "support/Doubles.h"
#include "support/FakeWebBrowser.h"

#include <gtest/gtest.h>

namespace quorlane {
namespace {

using test::FakeNavigationHost;
using test::FakeWebBrowser;
using Strings = std::vector<std::string>;

const WideString kBlock = u"X-XID: 0123456789AB\r\nAccept-Language: en-us\r\n";

class NavigationTest : public ::testing::Test {
protected:
    NavigationTest()
    {
        browser.onBeforeNavigate = [this](IDispatch *pDisp, Variant &URL, Variant &Flags, Variant &TargetFrameName,
                                          Variant &PostData, Variant &Headers, VARIANT_BOOL &Cancel) {
            InterceptBeforeNavigate(host, browser, pDisp, URL, Flags, TargetFrameName, PostData, Headers, Cancel);
        };
    }

    FakeWebBrowser::EventArgs LinkEvent(Variant headers = {})
    {
        FakeWebBrowser::EventArgs args;
        args.URL = u"http://example.test/next";
        args.Flags = std::int32_t{64};
        args.TargetFrameName = u"_self";
        args.PostData = ByteArray{'a', '=', '1'};
        args.Headers = std::move(headers);
        return args;
    }

    FakeNavigationHost host;
    FakeWebBrowser browser;
};

// --- GO ---------------------------------------------------------------------

TEST_F(NavigationTest, GoNavigatesOnceWithTheBlockAndEmptyVariants)
{
    host.address = "http://example.test/start";
    RunGoCommand(host, browser);

    ASSERT_EQ(browser.CallNames(), Strings{"Navigate"});
    const auto &call = browser.calls[0];
    EXPECT_EQ(call.url, u"http://example.test/start");
    EXPECT_TRUE(call.flags.IsEmpty());
    EXPECT_TRUE(call.targetFrameName.IsEmpty());
    EXPECT_TRUE(call.postData.IsEmpty());
    EXPECT_EQ(call.headers, Variant(kBlock));
    EXPECT_EQ(host.log, (Strings{"hourglass", "read xid", "read tag", "read xid", "read address", "default cursor"}));
}

TEST_F(NavigationTest, GoBuildsTheBlockFromTheSecondReadingAndTheChosenTag)
{
    host.tag = "nl-be";
    RunGoCommand(host, browser);
    ASSERT_EQ(browser.calls.size(), 1u);
    EXPECT_EQ(browser.calls[0].headers, Variant(u"X-XID: 0123456789AB\r\nAccept-Language: nl-be\r\n"));
}

TEST_F(NavigationTest, GoWithInvalidXidRaisesBeforeAnyNavigationAndRestoresTheCursor)
{
    for (const char *xid : {"ABC         ", "0123456789AG", "0123456789ab", ""}) {
        host.xid = xid;
        host.log.clear();
        EXPECT_THROW(RunGoCommand(host, browser), EXidError) << xid;
        EXPECT_TRUE(browser.calls.empty()) << xid;
        EXPECT_EQ(host.log, (Strings{"hourglass", "read xid", "default cursor"})) << xid;
        EXPECT_FALSE(host.hourglass);
    }
}

TEST_F(NavigationTest, GoWithFailingNavigateRaisesTheControlsDescriptionAndRestoresTheCursor)
{
    browser.failures["Navigate"] = kE_FAIL;
    browser.description = u"The address could not be reached. \r\n";
    try {
        RunGoCommand(host, browser);
        FAIL() << "no error";
    } catch (const EOleException &e) {
        EXPECT_STREQ(e.what(), "The address could not be reached");
        EXPECT_EQ(e.ErrorCode(), kE_FAIL);
    }
    EXPECT_FALSE(host.hourglass);
    EXPECT_EQ(host.log.back(), "default cursor");
}

TEST_F(NavigationTest, GoYieldsOneEventThatCarriesTheBlockAndGoesAhead)
{
    browser.raiseEventInsideNavigate = true;
    RunGoCommand(host, browser);
    EXPECT_EQ(browser.CallNames(), Strings{"Navigate"});
    ASSERT_EQ(browser.eventsRaisedInsideNavigate.size(), 1u);
    EXPECT_EQ(browser.eventsRaisedInsideNavigate[0].Headers, Variant(kBlock));
    EXPECT_EQ(browser.eventsRaisedInsideNavigate[0].Cancel, kVariantFalse);
}

// --- Before navigation ------------------------------------------------------

TEST_F(NavigationTest, TopLevelEventWithoutHeadersIsStoppedReissuedWithTheBlockAndCancelled)
{
    auto args = LinkEvent();
    browser.RaiseBeforeNavigate(browser.TopLevel(), args);

    ASSERT_EQ(browser.CallNames(), (Strings{"Stop", "Navigate"}));
    const auto &navigate = browser.calls[1];
    EXPECT_EQ(navigate.url, u"http://example.test/next");
    EXPECT_EQ(navigate.flags, Variant(std::int32_t{64}));
    EXPECT_EQ(navigate.targetFrameName, Variant(u"_self"));
    EXPECT_EQ(navigate.postData, Variant(ByteArray{'a', '=', '1'}));
    EXPECT_EQ(navigate.headers, Variant(kBlock));
    // The event's own arguments are passed on, not copies.
    EXPECT_EQ(navigate.flagsAddress, &args.Flags);
    EXPECT_EQ(navigate.headersAddress, &args.Headers);
    EXPECT_EQ(args.Headers, Variant(kBlock));
    EXPECT_EQ(args.Cancel, kVariantTrue);
    EXPECT_EQ(host.log, (Strings{"read xid", "read tag", "read xid"}));
}

TEST_F(NavigationTest, ReissuedNavigationComesBackWithTheBlockAndGoesAhead)
{
    browser.raiseEventInsideNavigate = true;
    auto args = LinkEvent();
    browser.RaiseBeforeNavigate(browser.TopLevel(), args);

    EXPECT_EQ(browser.CallNames(), (Strings{"Stop", "Navigate"}));
    ASSERT_EQ(browser.eventsRaisedInsideNavigate.size(), 1u);
    EXPECT_EQ(browser.eventsRaisedInsideNavigate[0].Headers, Variant(kBlock));
    EXPECT_EQ(browser.eventsRaisedInsideNavigate[0].Cancel, kVariantFalse);
    EXPECT_EQ(args.Cancel, kVariantTrue);
}

TEST_F(NavigationTest, EventsThatGoAheadUntouched)
{
    struct Case {
        const char *name;
        bool topLevel;
        Variant headers;
    };
    const Case cases[] = {
        {"top level with other header text", true, Variant(u"X-Other: 1\r\n")},
        {"top level with the block", true, Variant(kBlock)},
        {"top level with a single blank", true, Variant(u" ")},
        {"top level with a number", true, Variant(std::int32_t{0})},
        {"frame without headers", false, Variant()},
        {"frame with a null", false, Variant::Null()},
    };
    for (const auto &c : cases) {
        browser.calls.clear();
        auto args = LinkEvent(c.headers);
        browser.RaiseBeforeNavigate(c.topLevel ? browser.TopLevel() : browser.Frame(), args);
        EXPECT_TRUE(browser.calls.empty()) << c.name;
        EXPECT_EQ(args.Cancel, kVariantFalse) << c.name;
        EXPECT_EQ(args.Headers, c.headers) << c.name;
    }
}

TEST_F(NavigationTest, InvalidXidRaisesOnEveryEventAndLeavesCancelUntouched)
{
    host.xid = "ABC         ";
    for (IDispatch *pDisp : {browser.TopLevel(), browser.Frame()}) {
        auto args = LinkEvent();
        EXPECT_THROW(browser.RaiseBeforeNavigate(pDisp, args), EXidError);
        EXPECT_EQ(args.Cancel, kVariantFalse);
        EXPECT_TRUE(args.Headers.IsEmpty());
    }
    EXPECT_TRUE(browser.calls.empty());
}

TEST_F(NavigationTest, NullHeadersOnTopLevelRaiseAndTheNavigationGoesAhead)
{
    auto args = LinkEvent(Variant::Null());
    EXPECT_THROW(browser.RaiseBeforeNavigate(browser.TopLevel(), args), EVariantTypeCastError);
    EXPECT_TRUE(browser.calls.empty());
    EXPECT_EQ(args.Cancel, kVariantFalse);
}

TEST_F(NavigationTest, FailingStopRaisesAndLeavesHeadersAndCancel)
{
    browser.failures["Stop"] = kE_UNEXPECTED;
    auto args = LinkEvent();
    try {
        browser.RaiseBeforeNavigate(browser.TopLevel(), args);
        FAIL() << "no error";
    } catch (const EOleException &e) {
        EXPECT_STREQ(e.what(), "Catastrophic failure");
    }
    EXPECT_EQ(browser.CallNames(), Strings{"Stop"});
    EXPECT_TRUE(args.Headers.IsEmpty());
    EXPECT_EQ(args.Cancel, kVariantFalse);
}

TEST_F(NavigationTest, FailingNavigateRaisesAfterStopWithTheBlockInHeadersAndNoCancel)
{
    browser.failures["Navigate"] = static_cast<HRESULT>(0x800C000Eu);
    auto args = LinkEvent();
    try {
        browser.RaiseBeforeNavigate(browser.TopLevel(), args);
        FAIL() << "no error";
    } catch (const EOleException &e) {
        EXPECT_STREQ(e.what(), "OLE error 800C000E");
    }
    EXPECT_EQ(browser.CallNames(), (Strings{"Stop", "Navigate"}));
    EXPECT_EQ(args.Headers, Variant(kBlock));
    EXPECT_EQ(args.Cancel, kVariantFalse);
}

// --- Navigation complete ----------------------------------------------------

TEST_F(NavigationTest, CompletionShowsTopLevelAddressesOnlyAndNeedsNoValidXid)
{
    host.xid = "not an xid";
    host.address = "typed";
    ShowCompletedAddress(host, browser, browser.Frame(), Variant(u"http://example.test/frame"));
    EXPECT_EQ(host.address, "typed");

    ShowCompletedAddress(host, browser, browser.TopLevel(), Variant(u"http://example.test/caf\u00e9"));
    EXPECT_EQ(host.address, "http://example.test/caf\xC3\xA9");
    EXPECT_EQ(host.log, Strings{"set address"});
}

} // namespace
} // namespace quorlane
