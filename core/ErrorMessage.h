#pragma once

#include <string>
#include <string_view>

namespace quorlane {

// The text the error box shows for an exception message: a full stop is added
// unless the message is empty or already ends in a character coded at or
// below '.', such as "!", ")" or ".".
std::string ErrorBoxText(std::string_view message);

} // namespace quorlane
