#include "ui/LayoutFit.h"

#include <gtest/gtest.h>

namespace quorlane {

void PrintTo(const Rect &r, std::ostream *os) { *os << r.left << "," << r.top << " " << r.width << "x" << r.height; }

namespace {

constexpr int kBar = 17;

TEST(LayoutFitTest, DesignSizeGivesTheDesignedPlaces)
{
    const FittedLayout layout = FitLayout(192, 372, kBar);
    EXPECT_EQ(layout.PanelBottom, (Rect{0, 176, 192, 196}));
    EXPECT_EQ(layout.WebBrowser, (Rect{0, 0, 192, 176}));
    EXPECT_EQ(layout.EditURL, (Rect{26, 40, 165, 21}));
    EXPECT_EQ(layout.ButtonGO, (Rect{0, 114, 191, 25}));
    EXPECT_EQ(layout.ButtonForward, (Rect{136, 8, 56, 25}));
    EXPECT_EQ(layout.GroupBox1, (Rect{0, 142, 192, 54}));
    EXPECT_FALSE(layout.verticalScrollBar);
    EXPECT_EQ(layout.contentWidth, 192);
    EXPECT_EQ(layout.contentHeight, 372);
}

TEST(LayoutFitTest, WideningStretchesAndMovesOnlyTheAnchoredControls)
{
    const FittedLayout base = FitLayout(192, 372, kBar);
    for (const int n : {1, 48, 500}) {
        const FittedLayout wider = FitLayout(192 + n, 372, kBar);
        EXPECT_EQ(wider.WebBrowser.width, base.WebBrowser.width + n);
        EXPECT_EQ(wider.WebBrowser.height, base.WebBrowser.height);
        EXPECT_EQ(wider.EditURL.width, base.EditURL.width + n);
        EXPECT_EQ(wider.ButtonGO.width, base.ButtonGO.width + n);
        EXPECT_EQ(wider.GroupBox1.width, base.GroupBox1.width + n);
        EXPECT_EQ(wider.ButtonForward.left, base.ButtonForward.left + n);
        EXPECT_EQ(wider.ButtonForward.width, base.ButtonForward.width);
        EXPECT_EQ(wider.PanelBottom.top, base.PanelBottom.top);
    }
}

TEST(LayoutFitTest, HeighteningGrowsOnlyThePane)
{
    const FittedLayout base = FitLayout(192, 372, kBar);
    for (const int n : {1, 100, 600}) {
        const FittedLayout taller = FitLayout(192, 372 + n, kBar);
        EXPECT_EQ(taller.WebBrowser.height, base.WebBrowser.height + n);
        EXPECT_EQ(taller.PanelBottom, (Rect{0, 176 + n, 192, 196}));
        EXPECT_EQ(taller.EditURL, base.EditURL);
        EXPECT_EQ(taller.ButtonGO, base.ButtonGO);
        EXPECT_EQ(taller.GroupBox1, base.GroupBox1);
    }
}

TEST(LayoutFitTest, UnderThePanelHeightThePaneVanishesAndAVerticalBarAppears)
{
    struct Case {
        int height;
        bool bar;
        int paneHeight;
    };
    const Case cases[] = {{196, false, 0}, {195, true, 0}, {100, true, 0}, {0, true, 0}, {197, false, 1}};
    for (const auto &c : cases) {
        const FittedLayout layout = FitLayout(240, c.height, kBar);
        EXPECT_EQ(layout.verticalScrollBar, c.bar) << c.height;
        EXPECT_EQ(layout.WebBrowser.height, c.paneHeight) << c.height;
        EXPECT_EQ(layout.PanelBottom.top, c.paneHeight) << c.height;
        EXPECT_EQ(layout.contentHeight, std::max(c.height, 196)) << c.height;
        // The width beside the bar is what the controls get: never a horizontal bar.
        EXPECT_EQ(layout.contentWidth, c.bar ? 240 - kBar : 240) << c.height;
        EXPECT_EQ(layout.WebBrowser.width, layout.contentWidth) << c.height;
        EXPECT_EQ(layout.GroupBox1.width, layout.contentWidth) << c.height;
    }
}

} // namespace
} // namespace quorlane
