#include "monitor/watch/Win32Clock.h"

#include <windows.h>

namespace vigilon {
namespace {

SYSTEMTIME ToSystemTime(const LocalTime& t) {
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(t.year);
    st.wMonth = static_cast<WORD>(t.month);
    st.wDay = static_cast<WORD>(t.day);
    st.wHour = static_cast<WORD>(t.hour);
    st.wMinute = static_cast<WORD>(t.minute);
    st.wSecond = static_cast<WORD>(t.second);
    st.wMilliseconds = static_cast<WORD>(t.millisecond);
    return st;
}

}  // namespace

LocalTime Win32Clock::Now() const {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return LocalTime{st.wYear,   st.wMonth,  st.wDay,         st.wHour,
                     st.wMinute, st.wSecond, st.wMilliseconds};
}

std::string Win32Clock::ShortDate(const LocalTime& t) const {
    const SYSTEMTIME st = ToSystemTime(t);
    char text[128];
    const int n =
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, sizeof text);
    return n > 0 ? std::string(text, static_cast<size_t>(n - 1)) : std::string();
}

std::string Win32Clock::LongTime(const LocalTime& t) const {
    const SYSTEMTIME st = ToSystemTime(t);
    char text[128];
    const int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, sizeof text);
    return n > 0 ? std::string(text, static_cast<size_t>(n - 1)) : std::string();
}

}  // namespace vigilon
