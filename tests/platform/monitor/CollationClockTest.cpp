#include <windows.h>

#include <gtest/gtest.h>

#include "monitor/watch/SnapshotList.h"
#include "monitor/watch/Win32Clock.h"
#include "monitor/watch/Win32Collation.h"

namespace vigilon {
namespace {

TEST(Win32Collation, IgnoresCaseButNotHyphens) {
    Win32Collation c;
    EXPECT_EQ(c.SortKey("C:\\Data\\File.TXT"), c.SortKey("c:\\data\\file.txt"));
    EXPECT_NE(c.SortKey("a-b"), c.SortKey("ab"));
    EXPECT_NE(c.SortKey("it's"), c.SortKey("its"));
    EXPECT_NE(c.SortKey("caf\xe9"), c.SortKey("cafe"));
    EXPECT_EQ(c.SortKey(""), "");
}

TEST(Win32Collation, PathSortsBeforeLongerPathsItPrefixes) {
    Win32Collation c;
    for (const char* longer : {"C:\\dir\\a b", "C:\\dir\\a.txt", "C:\\dir\\a\\x", "C:\\dir\\a-",
                               "C:\\dir\\a!", "C:\\dir\\a0"}) {
        EXPECT_LT(c.SortKey("C:\\dir\\a"), c.SortKey(longer)) << longer;
    }
}

TEST(Win32Collation, SnapshotLookupFindsEveryEntryOfAMixedFolder) {
    Win32Collation c;
    SnapshotList list(c);
    const std::vector<std::string> names{
        "a-b",       "ab",  "a b", "A_b", "co-op", "coop", "it's", "its",   "Zed", "zed2",
        "\xe9t\xe9", "ete", "10",  "9",   "~tmp",  "#x",   "$y",   "a.b.c", "a"};
    std::vector<std::string> lines;
    for (size_t i = 0; i < names.size(); ++i)
        lines.push_back("C:\\f\\" + names[i] + "\t" + std::to_string(i));
    list.Add(lines);
    for (size_t i = 0; i < names.size(); ++i) {
        const int found = list.FindExact("C:\\f\\" + names[i]);
        ASSERT_GE(found, 0) << names[i];
        EXPECT_EQ(list.TimeAt(static_cast<size_t>(found)), std::to_string(i)) << names[i];
    }
}

TEST(Win32Clock, FormatsWithTheUserLocale) {
    Win32Clock clock;
    const LocalTime t{2026, 3, 9, 17, 4, 5, 0};
    SYSTEMTIME st{2026, 3, 0, 9, 17, 4, 5, 0};
    char date[64], time[64];
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, date, sizeof date);
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, time, sizeof time);
    EXPECT_EQ(clock.ShortDate(t), date);
    EXPECT_EQ(clock.LongTime(t), time);
    EXPECT_NE(clock.ShortDate(t).find("2026"), std::string::npos);
    EXPECT_EQ(DateTimeText(clock, t), std::string(date) + " " + time);
    EXPECT_EQ(DateTimeText(clock, LocalTime{2026, 3, 9, 0, 0, 0, 0}), date);
    EXPECT_EQ(DateAtTimeText(clock, t), std::string(date) + " at " + time);
}

TEST(Win32Clock, NowIsTheLocalTime) {
    SYSTEMTIME before;
    GetLocalTime(&before);
    const LocalTime now = Win32Clock().Now();
    EXPECT_EQ(now.year, before.wYear);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
}

}  // namespace
}  // namespace vigilon
