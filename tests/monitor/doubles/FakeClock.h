#pragma once

#include <cstdio>

#include "monitor/watch/Clock.h"

namespace vigilon::testing {

// A settable clock with fixed "d/m/yyyy" and "hh:mm:ss" formats.
class FakeClock : public Clock {
public:
    LocalTime now{2026, 12, 7, 14, 5, 9, 0};

    LocalTime Now() const override { return now; }
    std::string ShortDate(const LocalTime& t) const override {
        char text[32];
        std::snprintf(text, sizeof text, "%d/%d/%04d", t.day, t.month, t.year);
        return text;
    }
    std::string LongTime(const LocalTime& t) const override {
        char text[32];
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        return text;
    }
};

}  // namespace vigilon::testing
