#pragma once

#include "core/Xid.h"

namespace quorlane {

// The system clock's UTC time of day.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TimeOfDay UtcTimeOfDay() const = 0;
};

class SystemClock : public Clock {
public:
    TimeOfDay UtcTimeOfDay() const override;
};

} // namespace quorlane
