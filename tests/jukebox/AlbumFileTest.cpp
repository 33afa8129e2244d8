#include <gtest/gtest.h>

#include <sstream>

#include "jukebox/AlbumTestSupport.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/model/AlbumStream.h"

namespace brambletune {
namespace {

using testing::ExampleSong;
using testing::kUtf8Program;
using testing::Latin1CodePages;
using testing::MemoryFileSystem;
using testing::NumberedSong;
using testing::Read;
using testing::RecordingMessageBox;
using testing::Write;

const char kExampleRecord[] =
    "Morning Song\r\n"
    "C:\\Music\\Some Band\\First Album\\Morning Song.mp3\r\n"
    "Some Band\r\n"
    "First Album\r\n"
    "C:\\Music\\Some Band\\First Album\\Morning Song.txt\r\n"
    "1999\r\n"
    "255,125,\"\",0,0\r\n";

void ExpectInvalidMessage(const RecordingMessageBox& box) {
    ASSERT_EQ(box.shown.size(), 1u);
    EXPECT_EQ(box.shown[0].text, "File is not a valid Brambletune Album or is corrupted");
    EXPECT_EQ(box.shown[0].caption, "Invalid or Corrupted File");
    EXPECT_EQ(box.shown[0].style, 0x30u);  // MB_OK | MB_ICONEXCLAMATION
}

// ---- byte layouts --------------------------------------------------------

TEST(AlbumWrite, ExampleRecordIsByteExact) {
    CSongList list;
    list.Add(ExampleSong());
    EXPECT_EQ(Write(list, 1, 4), std::string("\"Brambl27\",4\r\n1,0,#FALSE#\r\n") + kExampleRecord);
}

TEST(AlbumWrite, EveryFormatHasItsMagicAndLayout) {
    CSongList list;
    CSong s = ExampleSong();
    s.songGenre = 17;
    s.songComments = "nice";
    s.history = 1;
    s.category = 3;
    list.Add(s);
    list.song(0).history = 1;
    list.PlayMode = 1;
    list.repeatAll = true;
    const std::string lines =
        "Morning Song\r\nC:\\Music\\Some Band\\First Album\\Morning Song.mp3\r\nSome Band\r\n"
        "First Album\r\nC:\\Music\\Some Band\\First Album\\Morning Song.txt\r\n1999\r\n";
    EXPECT_EQ(Write(list, 1, -1),
              "\"Brambl27\",-1\r\n1,1,#TRUE#\r\n" + lines + "17,125,\"nice\",1,3\r\n");
    EXPECT_EQ(Write(list, 4, -1), Write(list, 1, -1));
    EXPECT_EQ(Write(list, 2, 0),
              "\"Brambl25\",0\r\n1,1,#TRUE#\r\n" + lines + "17,125,\"nice\"\r\n");
    EXPECT_EQ(
        Write(list, 3, 0),
        "\"Brambletune 2a\",0\r\n1,1,#TRUE#\r\n"
        "\"Morning Song\",\"C:\\Music\\Some Band\\First Album\\Morning Song.mp3\","
        "\"Some Band\",\"First Album\",\"C:\\Music\\Some Band\\First Album\\Morning Song.txt\","
        "\"nice\"\r\n");
    EXPECT_EQ(Write(list, 0, 0), "");
    EXPECT_EQ(Write(list, 5, 0), "");
    EXPECT_EQ(MagicForFormat(1), "Brambl27");
    EXPECT_EQ(MagicForFormat(2), "Brambl25");
    EXPECT_EQ(MagicForFormat(3), "Brambletune 2a");
    EXPECT_EQ(MagicForFormat(4), "Brambl27");
    EXPECT_EQ(MagicForFormat(-1), "");
}

TEST(AlbumWrite, EmptyListWritesHeaderAndCountLine) {
    CSongList list;
    list.PlayMode = 2;
    EXPECT_EQ(Write(list, 1, -1), "\"Brambl27\",-1\r\n0,2,#FALSE#\r\n");
}

TEST(AlbumWrite, QuoteInDelimitedTextBecomesApostropheAndLineBreakInPlainLineABlank) {
    CSongList list;
    CSong s;
    s.songTitle = "Say \"Hi\"\r\nnow";  // plain line in 27: quote kept, break blanked
    s.songComments = "a \"quoted\" word";
    list.Add(s);
    const std::string file = Write(list, 1, 0);
    EXPECT_NE(file.find("Say \"Hi\"  now\r\n"), std::string::npos);
    EXPECT_NE(file.find("\"a 'quoted' word\""), std::string::npos);

    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    ASSERT_TRUE(Read(file, back, AlbumMode::kOpen, pos, box));
    ASSERT_EQ(back.nSongs(), 1);
    EXPECT_EQ(back.song(0).songTitle, "Say \"Hi\"  now");
    EXPECT_EQ(back.song(0).songComments, "a 'quoted' word");

    // Version 2a stores every field quoted: the same guard keeps the record intact.
    CSongList back2a;
    ASSERT_TRUE(Read(Write(list, 3, 0), back2a, AlbumMode::kOpen, pos, box));
    ASSERT_EQ(back2a.nSongs(), 1);
    EXPECT_EQ(back2a.song(0).songTitle, "Say 'Hi'\r\nnow");
    EXPECT_TRUE(box.shown.empty());
}

// ---- round trips -----------------------------------------------------------

class RoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(RoundTrip, KeepsWhatTheVersionStores) {
    const int format = GetParam();
    CSongList list;
    for (int i = 0; i < 60; ++i) {
        list.Add(NumberedSong(i));
        list.song(i).history = i % 2;
    }
    list.PlayMode = 1;
    list.repeatAll = true;
    const std::string file = Write(list, format, 17);

    CSongList back;
    back.PlayMode = 2;
    RecordingMessageBox box;
    AlbumPosition pos;
    ASSERT_TRUE(Read(file, back, AlbumMode::kOpen, pos, box));
    EXPECT_TRUE(box.shown.empty());
    EXPECT_EQ(pos.currentSong, 17);
    EXPECT_EQ(back.PlayMode, 1);
    EXPECT_TRUE(back.repeatAll);
    ASSERT_EQ(back.nSongs(), 60);
    EXPECT_EQ(back.Capacity(), 60 + 26);
    for (int i = 0; i < 60; ++i) {
        const CSong& a = list.song(i);
        const CSong& b = back.song(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(b.songTitle, a.songTitle);
        EXPECT_EQ(b.songPath, a.songPath);
        EXPECT_EQ(b.songArtist, a.songArtist);
        EXPECT_EQ(b.songAlbum, a.songAlbum);
        EXPECT_EQ(b.songLyrics, a.songLyrics);
        EXPECT_EQ(b.songComments, a.songComments);
        if (format == 3) {  // 2a: year, genre, length lost
            EXPECT_EQ(b.songYear, "");
            EXPECT_EQ(b.songGenre, 255);
            EXPECT_EQ(b.songLength, 0);
        } else {
            EXPECT_EQ(b.songYear, a.songYear);
            EXPECT_EQ(b.songGenre, a.songGenre);
            EXPECT_EQ(b.songLength, a.songLength);
        }
        if (format == 1 || format == 4) {
            EXPECT_EQ(b.history, a.history);
            EXPECT_EQ(b.category, a.category);
        } else {  // 25 and 2a: history and category lost
            EXPECT_EQ(b.history, 0);
            EXPECT_EQ(b.category, 0);
        }
    }
    // Writing what was read gives the same bytes again.
    EXPECT_EQ(Write(back, format, 17), file);
}

INSTANTIATE_TEST_SUITE_P(AllFormats, RoundTrip, ::testing::Values(1, 2, 3, 4));

TEST(AlbumRead, CommentWithLineBreakSurvivesVersions27And25) {
    for (int format : {1, 2, 3}) {
        CSongList list;
        CSong s = ExampleSong();
        s.songComments = "line one\r\nline two";
        list.Add(s);
        CSongList back;
        RecordingMessageBox box;
        AlbumPosition pos;
        ASSERT_TRUE(Read(Write(list, format), back, AlbumMode::kOpen, pos, box));
        ASSERT_EQ(back.nSongs(), 1);
        EXPECT_EQ(back.song(0).songComments, "line one\r\nline two");
        EXPECT_EQ(back.song(0).songYear, format == 3 ? "" : "1999");
    }
}

TEST(AlbumRead, OpenedCurrentSongNamesASongOrIsMinusOne) {
    CSongList two;
    two.Add(ExampleSong());
    two.Add(ExampleSong());
    CSongList none;
    struct Case {
        const CSongList& list;
        std::int32_t stored;
        std::int32_t opened;
    };
    for (const Case& c : {Case{two, -1, 0}, Case{two, -7, 0}, Case{two, 1, 1}, Case{two, 2, -1},
                          Case{two, 99, -1}, Case{none, -1, -1}, Case{none, 0, -1}}) {
        CSongList back;
        RecordingMessageBox box;
        AlbumPosition pos;
        pos.currentSong = 5;
        ASSERT_TRUE(Read(Write(c.list, 1, c.stored), back, AlbumMode::kOpen, pos, box));
        EXPECT_EQ(pos.currentSong, c.opened)
            << c.list.nSongs() << " songs, stored index " << c.stored;
    }

    // A read error after the header empties the list: no song is current.
    const std::string file = Write(two, 1, 1);
    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    pos.currentSong = 1;
    EXPECT_FALSE(Read(file.substr(0, file.size() - 4), back, AlbumMode::kOpen, pos, box));
    EXPECT_EQ(pos.currentSong, -1);
}

TEST(AlbumRead, ZeroCountGivesEmptyListButSetsModeAndSwitch) {
    CSongList back;
    back.Add(ExampleSong());
    RecordingMessageBox box;
    AlbumPosition pos;
    ASSERT_TRUE(Read("\"Brambl27\",0\r\n0,2,#TRUE#\r\n", back, AlbumMode::kOpen, pos, box));
    EXPECT_TRUE(back.IsEmpty());
    EXPECT_EQ(back.PlayMode, 2);
    EXPECT_TRUE(back.repeatAll);
    EXPECT_TRUE(box.shown.empty());
}

TEST(AlbumRead, AcceptanceRuleLooksAtTheFirstSixCharacters) {
    CSongList back;
    back.Add(ExampleSong());
    back.PlayMode = 1;
    RecordingMessageBox box;
    AlbumPosition pos;
    pos.currentSong = 9;
    // Passes the rule but is no version: an empty album, no message.
    ASSERT_TRUE(Read("\"Bramblexyz\",3\r\n1,2,#TRUE#\r\nx\r\n", back, AlbumMode::kOpen, pos, box));
    EXPECT_TRUE(back.IsEmpty());
    EXPECT_EQ(back.PlayMode, 1);
    EXPECT_EQ(pos.currentSong, -1);
    EXPECT_TRUE(box.shown.empty());

    // Rejected: nothing read or changed.
    CSongList kept;
    kept.Add(ExampleSong());
    pos.currentSong = 9;
    EXPECT_FALSE(Read("\"Album27\",3\r\n1,2,#TRUE#\r\n", kept, AlbumMode::kOpen, pos, box));
    ExpectInvalidMessage(box);
    EXPECT_EQ(kept.nSongs(), 1);
    EXPECT_EQ(pos.currentSong, 9);

    for (const char* bad : {"", "\"Bramb\",0\r\n", "\"brambl27\",0\r\n", "Brambl", "\"Brambl27\"",
                            "\"Brambl27\",x\r\n", "\"Brambl27\"\r\n1,0,#FALSE#\r\n"}) {
        RecordingMessageBox b;
        CSongList l;
        EXPECT_FALSE(Read(bad, l, AlbumMode::kOpen, pos, b)) << bad;
        ExpectInvalidMessage(b);
    }
    // An unquoted magic and blanks before items are accepted.
    RecordingMessageBox b;
    CSongList l;
    EXPECT_TRUE(Read("Brambl27,  2\r\n  0 ,\t1, #FALSE#\r\n", l, AlbumMode::kOpen, pos, b));
    EXPECT_EQ(l.PlayMode, 1);
    EXPECT_EQ(pos.currentSong, -1);
}

TEST(AlbumRead, AppendAddsAfterTheExistingSongsAndDropsModeAndSwitch) {
    CSongList other;
    for (int i = 0; i < 3; ++i) other.Add(NumberedSong(100 + i));
    other.PlayMode = 2;
    other.repeatAll = true;
    const std::string file = Write(other, 1, 1);

    CSongList list;
    for (int i = 0; i < 4; ++i) list.Add(NumberedSong(i));
    RecordingMessageBox box;
    AlbumPosition pos;
    pos.currentSong = 2;
    ASSERT_TRUE(Read(file, list, AlbumMode::kAppend, pos, box));
    EXPECT_EQ(pos.oldCount, 4);
    EXPECT_EQ(pos.currentSong, 2);  // append does not move the current song
    ASSERT_EQ(list.nSongs(), 7);
    EXPECT_EQ(list.Capacity(), 4 + 3 + 26);
    EXPECT_EQ(list.song(3).songTitle, "Title 3");
    EXPECT_EQ(list.song(4).songTitle, "Title 100");
    EXPECT_EQ(list.song(6).songTitle, "Title 102");
    EXPECT_EQ(list.PlayMode, 0);
    EXPECT_FALSE(list.repeatAll);

    // An unknown "Brambl" version adds nothing.
    ASSERT_TRUE(Read("\"Bramblxx\",0\r\n1,0,#FALSE#\r\n", list, AlbumMode::kAppend, pos, box));
    EXPECT_EQ(list.nSongs(), 7);
    EXPECT_TRUE(box.shown.empty());
}

// ---- damaged files -----------------------------------------------------------

TEST(AlbumRead, TruncatedFileLeavesNoSongAndShowsTheMessage) {
    CSongList list;
    for (int i = 0; i < 5; ++i) list.Add(NumberedSong(i));
    const std::string file = Write(list, 1);
    // Cut inside the fourth record's plain lines.
    const std::size_t cut = file.find("Title 3") + 3;
    CSongList back;
    back.Add(NumberedSong(99));
    RecordingMessageBox box;
    AlbumPosition pos;
    EXPECT_FALSE(Read(file.substr(0, cut), back, AlbumMode::kOpen, pos, box));
    ExpectInvalidMessage(box);
    EXPECT_EQ(back.nSongs(), 0);
    EXPECT_LE(back.Capacity(), 26);

    // Appending keeps the songs the list had and adds none of the damaged album's.
    CSongList more;
    for (int i = 0; i < 30; ++i) more.Add(NumberedSong(50 + i));
    const std::int32_t capacity = more.Capacity();
    RecordingMessageBox box2;
    EXPECT_FALSE(Read(file.substr(0, cut), more, AlbumMode::kAppend, pos, box2));
    ExpectInvalidMessage(box2);
    EXPECT_EQ(pos.oldCount, 30);
    ASSERT_EQ(more.nSongs(), 30);
    EXPECT_EQ(more.Capacity(), capacity);
    EXPECT_EQ(more.song(29).songTitle, "Title 79");
    more.Add(NumberedSong(1));  // still usable
    EXPECT_EQ(more.nSongs(), 31);
}

TEST(AlbumRead, EveryTruncationGivesAllSongsOrNone) {
    CSongList list;
    for (int i = 0; i < 6; ++i) list.Add(NumberedSong(i));
    for (int format : {1, 2, 3}) {
        const std::string file = Write(list, format);
        CSongList whole;
        RecordingMessageBox wholeBox;
        AlbumPosition wholePos;
        ASSERT_TRUE(Read(file, whole, AlbumMode::kOpen, wholePos, wholeBox));
        ASSERT_EQ(whole.nSongs(), 6);
        int complete = 0;
        for (std::size_t n = 0; n <= file.size(); ++n) {
            CSongList back;
            RecordingMessageBox box;
            AlbumPosition pos;
            const bool ok = Read(file.substr(0, n), back, AlbumMode::kOpen, pos, box);
            ASSERT_EQ(ok, box.shown.empty()) << "format " << format << " length " << n;
            if (!ok) {
                ASSERT_EQ(back.nSongs(), 0) << "format " << format << " length " << n;
                continue;
            }
            ++complete;
            ASSERT_EQ(back.nSongs(), 6) << "format " << format << " length " << n;
            for (int i = 0; i < 6; ++i) ASSERT_TRUE(back.song(i).IsEqual(whole.song(i)));
        }
        // Only cuts in the final line end (and after the last digit) are complete.
        EXPECT_GE(complete, 2);
        EXPECT_LE(complete, 3);
    }
}

TEST(AlbumRead, FileEndingInsideQuotedTextIsAReadError) {
    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    EXPECT_FALSE(
        Read("\"Brambl27\",0\r\n1,0,#FALSE#\r\nt\r\np\r\na\r\nb\r\nl\r\n1999\r\n255,0,"
             "\"unclosed\r\n0,0\r\n",
             back, AlbumMode::kOpen, pos, box));
    ExpectInvalidMessage(box);
    EXPECT_EQ(back.nSongs(), 0);
}

TEST(AlbumRead, NonNumbersWhereNumbersBelongAreReadErrors) {
    const std::string head = "\"Brambl27\",0\r\n";
    const std::string rec = "t\r\np\r\na\r\nb\r\nl\r\ny\r\n";
    for (const std::string& body :
         {std::string("x,0,#FALSE#\r\n"), std::string("1,0,maybe\r\n"),
          std::string("1,,#FALSE#\r\n"), std::string("\"1\",0,#FALSE#\r\n"),
          std::string("99999999999,0,#FALSE#\r\n"), std::string("-1,0,#FALSE#\r\n"),
          std::string("-2147483648,0,#FALSE#\r\n"), "1,0,#FALSE#\r\n" + rec + "1x,0,\"\",0,0\r\n",
          "1,0,#FALSE#\r\n" + rec + "255,0,\"\",,0\r\n",
          "1,0,#FALSE#\r\n" + rec + "255,2147483648,\"\",0,0\r\n"}) {
        CSongList back;
        RecordingMessageBox box;
        AlbumPosition pos;
        EXPECT_FALSE(Read(head + body, back, AlbumMode::kOpen, pos, box)) << body;
        ExpectInvalidMessage(box);
        EXPECT_EQ(back.nSongs(), 0) << body;
    }
}

TEST(AlbumRead, NumbersAtTheLimitsAndBooleanSpellings) {
    const std::string rec = "t\r\np\r\na\r\nb\r\nl\r\ny\r\n";
    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    ASSERT_TRUE(Read("\"Brambl27\",2147483647\r\n1,-2147483648,#true#\r\n" + rec +
                         "-2147483648,2147483647,\"\",-1,+5\r\n",
                     back, AlbumMode::kOpen, pos, box));
    EXPECT_EQ(pos.currentSong, -1);  // past the one song read
    EXPECT_EQ(back.PlayMode, -2147483647 - 1);
    EXPECT_TRUE(back.repeatAll);
    EXPECT_EQ(back.song(0).songGenre, -2147483647 - 1);
    EXPECT_EQ(back.song(0).songLength, 2147483647);
    EXPECT_EQ(back.song(0).history, -1);
    EXPECT_EQ(back.song(0).category, 5);
    ASSERT_TRUE(Read("\"Brambl27\",0\r\n0,0,-1\r\n", back, AlbumMode::kOpen, pos, box));
    EXPECT_TRUE(back.repeatAll);
    ASSERT_TRUE(Read("\"Brambl27\",0\r\n0,0,0\r\n", back, AlbumMode::kOpen, pos, box));
    EXPECT_FALSE(back.repeatAll);
}

TEST(AlbumRead, HugeCountDoesNotReserveHugeMemory) {
    CSongList list;
    for (int i = 0; i < 3; ++i) list.Add(NumberedSong(i));
    std::string file = Write(list, 1);
    const std::size_t at = file.find("3,0,#FALSE#");
    ASSERT_NE(at, std::string::npos);
    file.replace(at, 1, "2147483647");
    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    EXPECT_FALSE(Read(file, back, AlbumMode::kOpen, pos, box));
    ExpectInvalidMessage(box);
    EXPECT_EQ(back.nSongs(), 0);
    EXPECT_LT(back.Capacity(), 1000);

    // The same when appending to a non-empty list.
    CSongList more;
    more.Add(NumberedSong(9));
    RecordingMessageBox box2;
    EXPECT_FALSE(Read(file, more, AlbumMode::kAppend, pos, box2));
    EXPECT_EQ(more.nSongs(), 1);
    EXPECT_LT(more.Capacity(), 1000);
}

TEST(AlbumRead, LoneLineFeedsAndCarriageReturnsEndLinesToo) {
    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    ASSERT_TRUE(Read("\"Brambl27\",0\n1,0,#FALSE#\nt\np\ra\nb\nl\ny\n255,3,\"c\",0,0", back,
                     AlbumMode::kOpen, pos, box));
    ASSERT_EQ(back.nSongs(), 1);
    EXPECT_EQ(back.song(0).songPath, "p");
    EXPECT_EQ(back.song(0).songArtist, "a");
    EXPECT_EQ(back.song(0).songLength, 3);
    EXPECT_EQ(back.song(0).songComments, "c");
}

TEST(AlbumRead, TextAfterAClosingQuoteIsDroppedUpToTheDelimiter) {
    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    ASSERT_TRUE(
        Read("\"Brambl27\"junk,0\r\n1,0,#FALSE#\r\nt\r\np\r\na\r\nb\r\nl\r\ny\r\n"
             "255,3,\"c\"  tail,0,0\r\n",
             back, AlbumMode::kOpen, pos, box));
    ASSERT_EQ(back.nSongs(), 1);
    EXPECT_EQ(back.song(0).songComments, "c");
}

TEST(AlbumStream, ItemLengthLimitStopsRunawayItems) {
    const std::string big(1000, 'x');
    std::istringstream in("\"" + big + "\"," + big + "\r\n" + big + "\r\n");
    AlbumReader reader(*in.rdbuf(), 100);
    std::string out;
    EXPECT_FALSE(reader.ReadText(out));

    std::istringstream in2(big + "\r\n");
    AlbumReader reader2(*in2.rdbuf(), 100);
    EXPECT_FALSE(reader2.ReadLine(out));
}

TEST(AlbumRead, LargeBinaryFileIsRejectedAtTheHeader) {
    std::string junk(8u << 20, '\x7f');  // 8 MiB without delimiter
    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    EXPECT_FALSE(Read(junk, back, AlbumMode::kOpen, pos, box));
    ExpectInvalidMessage(box);
}

// ---- files: write new, then replace ---------------------------------------------

TEST(AlbumFiles, SaveWritesANewFileAndReplacesTheOldOne) {
    MemoryFileSystem fs;
    CSongList list;
    list.Add(ExampleSong());
    fs.files["C:\\a.alb"] = "old album";
    ASSERT_TRUE(SaveAlbumFile(fs, "C:\\a.alb", list, 1, 0, kUtf8Program));
    EXPECT_EQ(fs.files["C:\\a.alb"],
              std::string("\"Brambl27\",0\r\n1,0,#FALSE#\r\n") + kExampleRecord);
    EXPECT_EQ(fs.files.count("C:\\a.alb.new"), 0u);

    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    ASSERT_TRUE(LoadAlbumFile(fs, "C:\\a.alb", back, AlbumMode::kOpen, pos, box, kUtf8Program));
    EXPECT_EQ(back.nSongs(), 1);
    EXPECT_FALSE(
        LoadAlbumFile(fs, "C:\\missing.alb", back, AlbumMode::kOpen, pos, box, kUtf8Program));
    EXPECT_TRUE(box.shown.empty());  // opening errors belong to the caller
}

TEST(AlbumFiles, FailuresNeverDestroyTheOldAlbum) {
    CSongList list;
    list.Add(ExampleSong());
    {
        MemoryFileSystem fs;
        fs.files["a.alb"] = "old album";
        fs.failingWrites.insert("a.alb.new");
        EXPECT_FALSE(SaveAlbumFile(fs, "a.alb", list, 1, 0, kUtf8Program));
        EXPECT_EQ(fs.files["a.alb"], "old album");
        EXPECT_EQ(fs.files.count("a.alb.new"), 0u);
    }
    {
        MemoryFileSystem fs;
        fs.files["a.alb"] = "old album";
        fs.unwritable.insert("a.alb.new");
        EXPECT_FALSE(SaveAlbumFile(fs, "a.alb", list, 1, 0, kUtf8Program));
        EXPECT_EQ(fs.files["a.alb"], "old album");
    }
    {
        MemoryFileSystem fs;
        fs.files["a.alb"] = "old album";
        fs.failReplace = true;
        EXPECT_FALSE(SaveAlbumFile(fs, "a.alb", list, 1, 0, kUtf8Program));
        EXPECT_EQ(fs.files["a.alb"], "old album");
        EXPECT_EQ(fs.files.count("a.alb.new"), 0u);
    }
    for (int format : {0, 5, -1}) {  // no magic: nothing to write
        MemoryFileSystem fs;
        fs.files["a.alb"] = "old album";
        EXPECT_FALSE(SaveAlbumFile(fs, "a.alb", list, format, 0, kUtf8Program)) << format;
        EXPECT_EQ(fs.files["a.alb"], "old album") << format;
        EXPECT_EQ(fs.files.count("a.alb.new"), 0u) << format;
    }
}

}  // namespace
}  // namespace brambletune

// ---- code pages ---------------------------------------------------------------

namespace brambletune {
namespace {

std::string AccentedAlbum(const std::string& e, const std::string& u) {
    return "\"Brambl27\",0\r\n2,0,#FALSE#\r\n"
           "Caf" +
           e + "\r\nC:\\M\\Caf" + e +
           ".wav\r\n\r\n\r\n\r\n\r\n255,0,\"\",0,0\r\n"
           "M" +
           u + "de\r\nC:\\M\\M" + u + "de.wav\r\n\r\n\r\n\r\n\r\n255,0,\"" + u + "\",0,0\r\n";
}

TEST(AlbumCodePages, LegacyAlbumsAreConvertedAndUtf8AlbumsTakenAsTheyAre) {
    const std::string utf8E = "\xC3\xA9", utf8U = "\xC3\xBC";
    const struct {
        std::string file;
        const char* what;
    } cases[] = {
        {AccentedAlbum("\xE9", "\xFC"), "legacy"},
        {AccentedAlbum(utf8E, utf8U), "UTF-8"},
        // One legacy byte anywhere makes the whole file legacy: the UTF-8
        // looking pair in the first name is then read as two letters.
        {AccentedAlbum(utf8E, "\xFC"), "mixed"},
    };
    for (const auto& c : cases) {
        CSongList back;
        RecordingMessageBox box;
        AlbumPosition pos;
        ASSERT_TRUE(Read(c.file, back, AlbumMode::kOpen, pos, box)) << c.what;
        ASSERT_EQ(back.nSongs(), 2) << c.what;
        EXPECT_EQ(back.song(1).songPath, "C:\\M\\M" + utf8U + "de.wav") << c.what;
        EXPECT_EQ(back.song(1).songComments, utf8U) << c.what;
        const std::string first = std::string(c.what) == "mixed" ? "\xC3\x83\xC2\xA9" : utf8E;
        EXPECT_EQ(back.song(0).songTitle, "Caf" + first) << c.what;
    }
}

TEST(AlbumCodePages, AlbumsAreWrittenInUtf8WhateverTheProgramsCodePage) {
    CSongList list;
    CSong song = ExampleSong();
    const Latin1CodePages legacyProgram(false);
    song.songTitle = "Caf\xE9";
    list.Add(song);
    const std::string file = Write(list, 1, 0, legacyProgram);
    EXPECT_NE(file.find("Caf\xC3\xA9\r\n"), std::string::npos);

    CSongList back;
    RecordingMessageBox box;
    AlbumPosition pos;
    ASSERT_TRUE(Read(file, back, AlbumMode::kOpen, pos, box, legacyProgram));
    EXPECT_EQ(back.song(0).songTitle, "Caf\xE9");
}

}  // namespace
}  // namespace brambletune
