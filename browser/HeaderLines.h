#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorlane {

struct HeaderField {
    std::string name;
    std::string value;
    bool operator==(const HeaderField &) const = default;
};

// Splits header text into fields, one per CR LF ended line. A line that is no
// well-formed "Name: value" (a name of token characters, a value without
// control characters other than tab) is dropped whole, so a stray CR or LF
// inside a value can never start a header of its own.
std::vector<HeaderField> ParseHeaderLines(std::string_view text);

} // namespace quorlane
