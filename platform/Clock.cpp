#include "Clock.h"

#include <chrono>

namespace quorlane {

TimeOfDay SystemClock::UtcTimeOfDay() const
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto sinceMidnight = duration_cast<milliseconds>(now - floor<days>(now));
    const hh_mm_ss<milliseconds> time(sinceMidnight);
    return {static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count())};
}

} // namespace quorlane
