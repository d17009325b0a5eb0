#pragma once

#include <exception>
#include <string>

namespace quorlane {

// Every failure in the program is an exception carrying a message text for the
// user; nothing returns error codes. ClassName() names the kind of failure for
// the start-up error box.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}

    const char *what() const noexcept override { return message_.c_str(); }
    const std::string &Message() const noexcept { return message_; }
    virtual const char *ClassName() const noexcept { return "Exception"; }

private:
    std::string message_;
};

} // namespace quorlane
