#pragma once

#include "monitor/watch/Clock.h"

namespace vigilon {

// The local time and the user's short date and long time formats.
class Win32Clock : public Clock {
public:
    LocalTime Now() const override;
    std::string ShortDate(const LocalTime& t) const override;
    std::string LongTime(const LocalTime& t) const override;
};

}  // namespace vigilon
