#pragma once

#include "browser/NavigationHost.h"
#include "platform/Clock.h"
#include "platform/ErrorDisplay.h"

#include <string>
#include <vector>

namespace quorlane::test {

// The window's side of the navigation logic, with a log of what was read,
// written and set, in order.
class FakeNavigationHost : public NavigationHost {
public:
    std::string XidFieldText() const override { log.push_back("read xid"); return xid; }
    std::string LanguageTag() const override { log.push_back("read tag"); return tag; }
    std::string AddressText() const override { log.push_back("read address"); return address; }
    void SetAddressText(const std::string &text) override { log.push_back("set address"); address = text; }
    void SetHourglassCursor() override { log.push_back("hourglass"); hourglass = true; }
    void SetDefaultCursor() override { log.push_back("default cursor"); hourglass = false; }

    std::string xid = "0123456789AB";
    std::string tag = "en-us";
    std::string address = "http://example.test/";
    bool hourglass = false;
    mutable std::vector<std::string> log;
};

// Captures what the error box would show.
class RecordingErrorDisplay : public ErrorDisplay {
public:
    void Show(const std::string &text) override { shown.push_back(text); }
    void ShowLater(const std::string &text) override { shownLater.push_back(text); }
    std::vector<std::string> All() const
    {
        std::vector<std::string> all = shown;
        all.insert(all.end(), shownLater.begin(), shownLater.end());
        return all;
    }

    std::vector<std::string> shown;
    std::vector<std::string> shownLater;
};

class FixedClock : public Clock {
public:
    TimeOfDay UtcTimeOfDay() const override { return time; }
    TimeOfDay time{12, 34, 56, 789};
};

} // namespace quorlane::test
