#include "jukebox/console/CWaitCursor.h"

#include <gtest/gtest.h>

#include <string>

namespace brambletune {
namespace {

class LoggedPointer : public MousePointer {
public:
    void ShowHourglass() override { log += "W"; }
    void ShowDefault() override { log += "D"; }
    std::string log;
};

TEST(CWaitCursorTest, NestedCursorsKeepTheHourglassUntilTheLastEnds) {
    LoggedPointer pointer;
    {
        CWaitCursor outer(pointer);
        {
            CWaitCursor inner(pointer);
            EXPECT_EQ(CWaitCursor::Count(), 2);
        }
        EXPECT_EQ(pointer.log, "WW") << "the inner end leaves the hourglass";
        pointer.log.clear();
        outer.Restore();
        EXPECT_EQ(pointer.log, "W");
    }
    EXPECT_EQ(pointer.log, "WD");
    EXPECT_EQ(CWaitCursor::Count(), 0);
}

}  // namespace
}  // namespace brambletune
