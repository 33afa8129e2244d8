#include "monitor/watch/Clock.h"

namespace vigilon {

std::string DateTimeText(const Clock& clock, const LocalTime& t) {
    std::string text = clock.ShortDate(t);
    if (t.IsMidnight()) return text;
    return text + " " + clock.LongTime(t);
}

std::string DateAtTimeText(const Clock& clock, const LocalTime& t) {
    return clock.ShortDate(t) + " at " + clock.LongTime(t);
}

}  // namespace vigilon
