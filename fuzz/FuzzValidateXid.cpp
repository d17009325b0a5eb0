// ValidateXID accepts exactly the 12-character texts of 0-9 and A-F, and
// refuses everything else with its one message.
#include "core/Xid.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    bool expected = size == 12;
    for (const char c : text)
        expected = expected && ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'));
    bool accepted = true;
    try {
        quorlane::ValidateXID(text);
    } catch (const quorlane::EXidError &e) {
        accepted = false;
        if (std::strcmp(e.what(), "XID must be a 12 hexadecimal character string!") != 0)
            std::abort();
    }
    if (accepted != expected)
        std::abort();
    return 0;
}
