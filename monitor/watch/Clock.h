#pragma once

#include <string>

namespace vigilon {

struct LocalTime {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0, millisecond = 0;

    bool IsMidnight() const { return hour == 0 && minute == 0 && second == 0 && millisecond == 0; }
};

// The local clock and the user's date and time formats.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
    virtual std::string ShortDate(const LocalTime& t) const = 0;
    virtual std::string LongTime(const LocalTime& t) const = 0;
};

// Short date and long time separated by one space; the time is left out at
// exactly midnight.
std::string DateTimeText(const Clock& clock, const LocalTime& t);

// Short date + " at " + long time, as the log and the printed report write it.
std::string DateAtTimeText(const Clock& clock, const LocalTime& t);

}  // namespace vigilon
