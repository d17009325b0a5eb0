#pragma once

namespace quorlane {

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect &) const = default;
};

// The bottom panel's fixed height: below it the window scrolls.
inline constexpr int kPanelHeight = 196;
inline constexpr int kDesignClientWidth = 192;
inline constexpr int kDesignClientHeight = 372;

// Controls whose place never changes, relative to their parent, as designed.
namespace design {
inline constexpr Rect Label1{0, 44, 25, 13};
inline constexpr Rect Label4{0, 64, 21, 13};
inline constexpr Rect Label5{144, 62, 41, 35};
inline constexpr Rect Label6{0, 88, 27, 13};
inline constexpr Rect SpeedButtonXID{112, 64, 23, 22};
inline constexpr Rect ButtonBack{0, 8, 57, 25};
inline constexpr Rect MaskEditXID{26, 64, 87, 21};
inline constexpr Rect ComboBoxLang{26, 88, 87, 21};
inline constexpr Rect LabelHeight{48, 16, 6, 13}; // in GroupBox1
inline constexpr Rect Label3{8, 32, 31, 13};
inline constexpr Rect Label2{8, 16, 34, 13};
inline constexpr Rect LabelWidth{48, 32, 6, 13};
} // namespace design

// Where the controls that follow the window's size go.
struct FittedLayout {
    Rect PanelBottom;   // in the client area
    Rect WebBrowser;    // in the client area
    Rect EditURL;       // in the panel
    Rect ButtonGO;      // in the panel
    Rect ButtonForward; // in the panel
    Rect GroupBox1;     // in the panel
    bool verticalScrollBar = false;
    int contentWidth = 0;  // the scrolled area's size
    int contentHeight = 0;
    bool operator==(const FittedLayout &) const = default;
};

// Fits the layout to a client area of W x H. Under the panel's height the
// layout keeps that height, the pane shrinks to nothing and a vertical scroll
// bar, scrollBarWidth wide, takes its place at the right.
FittedLayout FitLayout(int clientWidth, int clientHeight, int scrollBarWidth);

} // namespace quorlane
