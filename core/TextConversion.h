#pragma once

#include <string>
#include <string_view>

namespace quorlane {

// The window's controls hold 8-bit text (UTF-8); the browser control takes and
// reports wide text (UTF-16). Both directions are lossless for any UTF-16
// text: an unpaired surrogate travels as its 3-byte form and comes back
// unchanged. Bytes that are no UTF-8 at all become U+FFFD.
std::u16string WideFromNarrow(std::string_view text);
std::string NarrowFromWide(std::u16string_view text);

} // namespace quorlane
