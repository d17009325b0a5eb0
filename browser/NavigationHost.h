#pragma once

#include <string>

namespace quorlane {

// What the navigation logic needs of the window: the controls' values, read
// at the moment of use, and the application-wide cursor.
class NavigationHost {
public:
    virtual ~NavigationHost() = default;

    virtual std::string XidFieldText() const = 0;
    virtual std::string LanguageTag() const = 0;
    virtual std::string AddressText() const = 0;
    virtual void SetAddressText(const std::string &address) = 0;

    virtual void SetHourglassCursor() = 0;
    virtual void SetDefaultCursor() = 0;
};

} // namespace quorlane
