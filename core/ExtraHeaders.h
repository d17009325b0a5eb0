#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorlane {

// The language tags offered by the language list, in display order.
inline constexpr std::array<std::string_view, 6> kLanguageTags = {"en-us", "fr-be", "fr", "nl", "nl-be", "zu"};

// "X-XID: <xid>\r\nAccept-Language: <tag>\r\n", both arguments taken as they are.
std::string BuildExtraHeaders(std::string_view xid, std::string_view languageTag);

} // namespace quorlane
