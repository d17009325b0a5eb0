#pragma once

#include <QIcon>
#include <QPixmap>

namespace quorlane {

// The lightning bolt of the XID button, 15 x 14, white shown as transparent.
QPixmap XidButtonGlyph();

// The program's handset icon, 32 x 32 in 16 colours.
QIcon HandsetIcon();

} // namespace quorlane
