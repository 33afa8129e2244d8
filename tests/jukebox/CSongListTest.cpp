#include <gtest/gtest.h>

#include "jukebox/AlbumTestSupport.h"
#include "jukebox/model/CSongList.h"

namespace brambletune {
namespace {

using testing::NumberedSong;

void Fill(CSongList& list, int n) {
    for (int i = 0; i < n; ++i) list.Add(NumberedSong(i));
}

TEST(CSongList, StartsEmptyInNormalMode) {
    CSongList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.nSongs(), 0);
    EXPECT_EQ(list.PlayMode, 0);
    EXPECT_FALSE(list.repeatAll);
    EXPECT_EQ(list.Capacity(), 0);
}

TEST(CSongList, AddStoresACopyWithHistoryZero) {
    CSongList list;
    CSong s = NumberedSong(3);
    s.history = 1;
    list.Add(s);
    s.songTitle = "changed";
    ASSERT_EQ(list.nSongs(), 1);
    EXPECT_EQ(list.song(0).songTitle, "Title 3");
    EXPECT_EQ(list.song(0).history, 0);
    EXPECT_EQ(list.song(0).category, 3);
    EXPECT_EQ(list.song(0).songLength, 9);
}

TEST(CSongList, SongReturnsTheStoredObject) {
    CSongList list;
    Fill(list, 3);
    list.song(1).songTitle = "edited";
    EXPECT_EQ(list.song(1).songTitle, "edited");
    CSong& ref = list.song(2);
    Fill(list, 100);  // growing the array keeps the objects where they are
    EXPECT_EQ(&ref, &list.song(2));
    EXPECT_THROW(list.song(103), std::out_of_range);
    EXPECT_THROW(list.song(-1), std::out_of_range);
}

TEST(CSongList, SetSongReplacesEveryField) {
    CSongList list;
    Fill(list, 2);
    CSong s = NumberedSong(9);
    s.history = 1;
    list.SetSong(0, s);
    EXPECT_TRUE(list.song(0).IsEqual(s));
    EXPECT_EQ(list.song(0).history, 1);

    // Like Remove, an index that names no song changes nothing and never throws.
    EXPECT_NO_THROW(list.SetSong(2, s));
    EXPECT_NO_THROW(list.SetSong(-1, s));
    EXPECT_EQ(list.nSongs(), 2);
    EXPECT_EQ(list.song(1).songTitle, "Title 1");
}

TEST(CSongList, CapacityGrowsInStepsOf25) {
    CSongList list;
    list.Add(NumberedSong(0));
    EXPECT_EQ(list.Capacity(), 26);                          // count was 0
    for (int i = 1; i < 25; ++i) list.Add(NumberedSong(i));  // count 25
    EXPECT_EQ(list.Capacity(), 26);
    list.Add(NumberedSong(25));  // count was 25: grows to 25 + 26
    EXPECT_EQ(list.Capacity(), 51);
    EXPECT_EQ(list.nSongs(), 26);
    for (int i = 0; i < 25; ++i) EXPECT_EQ(list.song(i).songTitle, "Title " + std::to_string(i));
    list.Remove(25);  // new count 25: shrinks to 26 slots
    EXPECT_EQ(list.nSongs(), 25);
    EXPECT_EQ(list.Capacity(), 26);
    list.Remove(0);
    EXPECT_EQ(list.Capacity(), 26);
    for (int i = 0; i < 24; ++i) list.Remove(0);
    EXPECT_EQ(list.nSongs(), 0);
    EXPECT_EQ(list.Capacity(), 1);
}

TEST(CSongList, RemoveMovesTheLastSongIntoTheGap) {
    CSongList list;
    Fill(list, 10);
    const CSong* last = &list.song(9);
    list.Remove(3);
    EXPECT_EQ(list.nSongs(), 9);
    EXPECT_EQ(list.song(3).songTitle, "Title 9");
    EXPECT_EQ(&list.song(3), last);
    EXPECT_EQ(list.song(8).songTitle, "Title 8");
    list.Remove(8);  // the last one: nothing moves
    EXPECT_EQ(list.nSongs(), 8);
    EXPECT_EQ(list.song(7).songTitle, "Title 7");
    list.Remove(8);  // out of range: nothing happens
    list.Remove(-1);
    EXPECT_EQ(list.nSongs(), 8);
}

TEST(CSongList, HistoryCountAndClear) {
    CSongList list;
    Fill(list, 5);
    list.song(1).history = 1;
    list.song(4).history = 1;
    list.song(2).history = 2;  // only 1 counts
    EXPECT_EQ(list.nHistory(), 2);
    list.ClearHistory();
    EXPECT_EQ(list.nHistory(), 0);
    EXPECT_EQ(list.song(2).history, 0);
}

TEST(CSongList, ClearKeepsModeAndSwitch) {
    CSongList list;
    Fill(list, 30);
    list.PlayMode = 2;
    list.repeatAll = true;
    list.Clear();
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.PlayMode, 2);
    EXPECT_TRUE(list.repeatAll);
    list.Add(NumberedSong(1));
    EXPECT_EQ(list.nSongs(), 1);
}

}  // namespace
}  // namespace brambletune
