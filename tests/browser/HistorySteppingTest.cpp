#include "browser/HistoryStepping.h"

#include "support/FakeWebBrowser.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace quorlane {
namespace {

struct Button : EnableSwitch {
    void SetEnabled(bool value) override { enabled = value; }
    bool enabled = true;
};

struct Buttons {
    bool back;
    bool forward;
    bool operator==(const Buttons &) const = default;
};

enum class Event { BackOk, BackFail, ForwardOk, ForwardFail };

// Clicks the button the event names, as the window does: a disabled button
// cannot be clicked.
Buttons Apply(Buttons state, Event event)
{
    test::FakeWebBrowser browser;
    Button back, forward;
    back.enabled = state.back;
    forward.enabled = state.forward;
    const bool isBack = event == Event::BackOk || event == Event::BackFail;
    const bool fails = event == Event::BackFail || event == Event::ForwardFail;
    if (fails)
        browser.failures[isBack ? "GoBack" : "GoForward"] = kE_FAIL;
    if (isBack && back.enabled)
        StepHistory(browser, HistoryDirection::Back, back, forward);
    if (!isBack && forward.enabled)
        StepHistory(browser, HistoryDirection::Forward, forward, back);
    return {back.enabled, forward.enabled};
}

TEST(HistorySteppingTest, EnableRulesFollowTheStateTable)
{
    const Buttons S1{true, true}, S2{false, true}, S3{true, false}, S4{false, false};
    struct Row {
        Buttons from;
        Event event;
        Buttons to;
    };
    const Row table[] = {
        {S1, Event::BackOk, S1},      {S1, Event::BackFail, S2},    {S1, Event::ForwardOk, S1},
        {S1, Event::ForwardFail, S3}, {S2, Event::ForwardOk, S1},   {S2, Event::ForwardFail, S4},
        {S3, Event::BackOk, S1},      {S3, Event::BackFail, S4},
        // A disabled button cannot be clicked: nothing changes.
        {S2, Event::BackOk, S2},      {S3, Event::ForwardFail, S3}, {S4, Event::BackOk, S4},
        {S4, Event::ForwardOk, S4},
    };
    for (const auto &row : table) {
        const Buttons to = Apply(row.from, row.event);
        EXPECT_EQ(to, row.to) << "from (" << row.from.back << "," << row.from.forward << ") event "
                              << static_cast<int>(row.event);
    }
}

TEST(HistorySteppingTest, EveryKindOfFailureIsSwallowedAndDisablesTheClickedButton)
{
    class ThrowingBrowser : public test::FakeWebBrowser {
    public:
        HRESULT GoBack() override { throw std::runtime_error("control gone"); }
        HRESULT GoForward() override { throw 42; }
    } browser;
    Button back, forward;
    EXPECT_NO_THROW(StepHistory(browser, HistoryDirection::Back, back, forward));
    EXPECT_FALSE(back.enabled);
    EXPECT_TRUE(forward.enabled);
    EXPECT_NO_THROW(StepHistory(browser, HistoryDirection::Forward, forward, back));
    EXPECT_FALSE(forward.enabled);
}

TEST(HistorySteppingTest, StepCallsOnlyTheOperationOfItsDirection)
{
    test::FakeWebBrowser browser;
    Button back, forward;
    StepHistory(browser, HistoryDirection::Back, back, forward);
    StepHistory(browser, HistoryDirection::Forward, forward, back);
    EXPECT_EQ(browser.CallNames(), (std::vector<std::string>{"GoBack", "GoForward"}));
}

} // namespace
} // namespace quorlane
