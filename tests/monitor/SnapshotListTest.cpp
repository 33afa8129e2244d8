#include <gtest/gtest.h>

#include "monitor/doubles/FakeCollation.h"
#include "monitor/watch/SnapshotEntry.h"
#include "monitor/watch/SnapshotList.h"

namespace vigilon {
namespace {

using testing::FakeCollation;

TEST(PathPlusName, JoinsWithOneBackslash) {
    EXPECT_EQ(pathPlusName("", "a.txt"), "a.txt");
    EXPECT_EQ(pathPlusName("C:\\", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(pathPlusName("C:\\dir", "a.txt"), "C:\\dir\\a.txt");
    EXPECT_EQ(pathPlusName("C:\\dir\\", "*.*"), "C:\\dir\\*.*");
    EXPECT_EQ(pathPlusName("  ", "*.*"), "  \\*.*");
}

TEST(ParseTabs, SplitsAtTheFirstTab) {
    EXPECT_EQ(parseTabs("C:\\a\t123", 1), "C:\\a");
    EXPECT_EQ(parseTabs("C:\\a\t123", 2), "123");
    EXPECT_EQ(parseTabs("C:\\a\t123", 0), "123");
    EXPECT_EQ(parseTabs("C:\\a\t1\t2", 1), "C:\\a");
    EXPECT_EQ(parseTabs("C:\\a\t1\t2", 2), "1\t2");
    EXPECT_EQ(parseTabs("no tab", 1), "");
    EXPECT_EQ(parseTabs("no tab", 2), "no tab");
    EXPECT_EQ(parseTabs("\t", 1), "");
    EXPECT_EQ(parseTabs("\t", 2), "");
}

TEST(MakeEntry, WritesSignedDecimalTime) {
    EXPECT_EQ(MakeEntry("C:\\a", 1234567), "C:\\a\t1234567");
    EXPECT_EQ(MakeEntry("C:\\a", -2), "C:\\a\t-2");
    EXPECT_EQ(MakeEntry("C:\\a", 0), "C:\\a\t0");
}

class SnapshotListTest : public ::testing::Test {
protected:
    FakeCollation collation;
    SnapshotList list{collation};

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < list.Count(); ++i) lines.push_back(list.Line(i));
        return lines;
    }
};

TEST_F(SnapshotListTest, KeepsPathOrderAcrossBatchesIgnoringCase) {
    list.Add({"d\\b\t1", "d\\A\t2"});
    list.Add({"d\\a b\t3", "d\\C\t4"});
    EXPECT_EQ(Lines(), (std::vector<std::string>{"d\\A\t2", "d\\a b\t3", "d\\b\t1", "d\\C\t4"}));
}

TEST_F(SnapshotListTest, OrdersByPathNotByTheWholeLine) {
    // "x" + TAB would sort after "x!" bytewise if the line were compared whole;
    // a path sorts before any longer path it prefixes.
    list.Add({"x!\t1", "x\t99", "x y\t5"});
    EXPECT_EQ(Lines(), (std::vector<std::string>{"x\t99", "x y\t5", "x!\t1"}));
}

TEST_F(SnapshotListTest, KeepsDuplicatesInInsertionOrder) {
    list.Add({"p\\f\t1"});
    list.Add({"p\\f\t2"});
    ASSERT_EQ(list.Count(), 2u);
    EXPECT_EQ(list.TimeAt(0), "1");
    EXPECT_EQ(list.TimeAt(1), "2");
}

TEST_F(SnapshotListTest, BinSearchFindsEveryEntryAndMissesOthers) {
    std::vector<std::string> lines;
    for (int i = 0; i < 1000; i += 2)
        lines.push_back("f" + std::to_string(i) + "\t" + std::to_string(i));
    list.Add(lines);
    for (int i = 0; i < 1000; ++i) {
        const int found = list.binSearch("F" + std::to_string(i));
        if (i % 2 == 0) {
            ASSERT_GE(found, 0) << i;
            EXPECT_EQ(list.TimeAt(static_cast<std::size_t>(found)), std::to_string(i));
        } else {
            EXPECT_EQ(found, -1) << i;
        }
    }
}

TEST_F(SnapshotListTest, BinSearchOnEmptyListIsMinusOne) {
    EXPECT_EQ(list.binSearch("anything"), -1);
    EXPECT_EQ(list.binSearch(""), -1);
}

TEST_F(SnapshotListTest, LineWithoutTabHasEmptyPathAndWholeTime) {
    list.Add({"broken"});
    EXPECT_EQ(list.PathAt(0), "");
    EXPECT_EQ(list.TimeAt(0), "broken");
    EXPECT_EQ(list.binSearch(""), 0);
}

TEST_F(SnapshotListTest, FindExactPassesOverEntriesThatOnlyCollateEqual) {
    // The same folder named in two slots with different letter case.
    list.Add({"C:\\Foo\\a\t1"});
    list.Add({"c:\\foo\\a\t1"});
    list.Add({"C:\\FOO\\A\t1"});
    EXPECT_EQ(list.PathAt(static_cast<std::size_t>(list.FindExact("c:\\foo\\a"))), "c:\\foo\\a");
    EXPECT_EQ(list.PathAt(static_cast<std::size_t>(list.FindExact("C:\\Foo\\a"))), "C:\\Foo\\a");
    EXPECT_EQ(list.PathAt(static_cast<std::size_t>(list.FindExact("C:\\FOO\\A"))), "C:\\FOO\\A");
    EXPECT_EQ(list.FindExact("C:\\foo\\A"), -1);
}

}  // namespace
}  // namespace vigilon
