#include "LayoutFit.h"

#include <algorithm>

namespace quorlane {

FittedLayout FitLayout(int clientWidth, int clientHeight, int scrollBarWidth)
{
    FittedLayout layout;
    layout.verticalScrollBar = clientHeight < kPanelHeight;
    const int W = std::max(0, layout.verticalScrollBar ? clientWidth - scrollBarWidth : clientWidth);
    const int H = std::max(clientHeight, kPanelHeight);
    layout.contentWidth = W;
    layout.contentHeight = H;

    layout.PanelBottom = {0, H - kPanelHeight, W, kPanelHeight};
    layout.WebBrowser = {0, 0, W, H - kPanelHeight};
    layout.EditURL = {26, 40, W - 27, 21};
    layout.ButtonGO = {0, 114, W - 1, 25};
    layout.ButtonForward = {W - 56, 8, 56, 25};
    layout.GroupBox1 = {0, kPanelHeight - 54, W, 54};
    return layout;
}

} // namespace quorlane
