#include <gtest/gtest.h>

#include "monitor/watch/Summary.h"

namespace vigilon {
namespace {

using Lines = std::vector<std::string>;

Lines Changes(std::size_t count) {
    Lines lines;
    for (std::size_t i = 0; i < count; ++i) lines.push_back("Added " + std::to_string(i));
    return lines;
}

TEST(Summary, KeepsTenThousandChangeLinesThenCountsTheRest) {
    const struct {
        std::vector<std::size_t> scans;  // change lines found by each scan
        std::size_t lines;               // summary lines
        const char* last;
    } cases[] = {
        {{0, 0}, 0, nullptr},
        {{10000}, 10002, "Added 9999"},
        {{9999, 1}, 10004, "Added 0"},
        {{10001}, 10003, "... and 1 more changes"},
        {{9999, 2, 5, 0, 7}, 10005, "... and 13 more changes"},
        {{10000, 3}, 10003, "... and 3 more changes"},
    };
    for (const auto& c : cases) {
        Summary summary;
        for (std::size_t n : c.scans) summary.AddScan("Date/Time t", Changes(n));
        EXPECT_EQ(summary.Lines().size(), c.lines);
        if (c.last) {
            EXPECT_EQ(summary.Lines().back(), c.last);
        }
    }
}

TEST(Summary, ClearStartsAfresh) {
    Summary summary;
    summary.AddScan("Date/Time 1", Changes(10001));
    summary.Clear();
    EXPECT_TRUE(summary.Empty());
    summary.AddScan("Date/Time 2", {"Deleted x"});
    EXPECT_EQ(summary.Lines(), (Lines{"Date/Time 2", " ", "Deleted x"}));
}

}  // namespace
}  // namespace vigilon
