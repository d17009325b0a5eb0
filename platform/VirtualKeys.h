#pragma once

#include <cstdint>

class QKeyEvent;

namespace quorlane {

using Word = std::uint16_t;

inline constexpr Word kVK_RETURN = 13;

// The virtual-key code of a key press: 13 for both Enter keys, the upper-case
// character code for letters and digits, 0 for keys the program has no name for.
Word VirtualKeyCode(const QKeyEvent &event);

} // namespace quorlane
