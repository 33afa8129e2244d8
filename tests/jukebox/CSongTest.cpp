#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/model/CSong.h"
#include "jukebox/model/Wildcard.h"

namespace brambletune {
namespace {

using testing::AsciiTextCase;

CSong Full() {
    CSong s;
    s.songTitle = "Morning Song";
    s.songPath = "C:\\Music\\Some Band\\First Album\\Morning Song.mp3";
    s.songArtist = "Some Band";
    s.songAlbum = "First Album";
    s.songYear = "1999";
    s.songGenre = 17;
    s.songLyrics = "C:\\Music\\Some Band\\First Album\\Morning Song.txt";
    s.songComments = "line one\r\nline two";
    s.songLength = 125;
    s.history = 1;
    s.category = 7;
    return s;
}

TEST(CSong, FreshSongHasTheTableDefaultsAndIsEmpty) {
    CSong s;
    EXPECT_EQ(s.songGenre, 255);
    EXPECT_EQ(s.songLength, 0);
    EXPECT_EQ(s.history, 0);
    EXPECT_EQ(s.category, 0);
    EXPECT_TRUE(s.IsEmpty());
}

TEST(CSong, IsEmptyLooksAtEveryInformationFieldButNotLengthHistoryCategory) {
    CSong s;
    s.songGenre = 12;
    EXPECT_FALSE(s.IsEmpty());
    s.songGenre = -1;
    EXPECT_TRUE(s.IsEmpty());
    s.songGenre = 0;
    EXPECT_FALSE(s.IsEmpty());

    std::string CSong::*texts[] = {&CSong::songTitle,   &CSong::songPath, &CSong::songArtist,
                                   &CSong::songAlbum,   &CSong::songYear, &CSong::songLyrics,
                                   &CSong::songComments};
    for (auto field : texts) {
        CSong t;
        t.*field = std::string(1, 'x');
        EXPECT_FALSE(t.IsEmpty());
    }
    CSong u;
    u.songLength = 5;
    u.history = 1;
    u.category = 3;
    EXPECT_TRUE(u.IsEmpty());
}

TEST(CSong, IsEqualIsCaseSensitiveAndIgnoresLengthHistoryCategory) {
    CSong a = Full(), b = Full();
    EXPECT_TRUE(a.IsEqual(b));
    b.songTitle = "morning Song";
    EXPECT_FALSE(a.IsEqual(b));
    b = Full();
    b.songLength = 1;
    b.history = 0;
    b.category = 99;
    EXPECT_TRUE(a.IsEqual(b));
    b = Full();
    b.songGenre = 18;
    EXPECT_FALSE(a.IsEqual(b));
    b = Full();
    b.songComments += " ";
    EXPECT_FALSE(a.IsEqual(b));
}

TEST(CSong, ClearRestoresEveryDefault) {
    CSong s = Full();
    s.Clear();
    EXPECT_TRUE(s.IsEmpty());
    EXPECT_EQ(s.songGenre, 255);
    EXPECT_EQ(s.songLength, 0);
    EXPECT_EQ(s.history, 0);
    EXPECT_EQ(s.category, 0);
}

TEST(CSong, CopyTakesEverythingButHistory) {
    CSong target;
    target.history = 0;
    target.Copy(Full());
    EXPECT_TRUE(target.IsEqual(Full()));
    EXPECT_EQ(target.songLength, 125);
    EXPECT_EQ(target.category, 7);
    EXPECT_EQ(target.history, 0);

    CSong marked;
    marked.history = 1;
    CSong source = Full();
    source.history = 0;
    marked.Copy(source);
    EXPECT_EQ(marked.history, 1);
}

class LikeSongTest : public ::testing::Test {
protected:
    AsciiTextCase lower;
    CSong criterion;  // cleared: genre 255
    bool Like(const CSong& candidate) const { return criterion.LikeSong(candidate, lower); }
};

TEST_F(LikeSongTest, ContainmentWithWildcards) {
    CSong c;
    c.songArtist = "The Beat Club";
    criterion.songArtist = "beat";
    EXPECT_TRUE(Like(c));
    criterion.songArtist = "b?at";
    EXPECT_TRUE(Like(c));
    criterion.songArtist = "bx?at";
    EXPECT_FALSE(Like(c));

    criterion.songArtist.clear();
    criterion.songTitle = "[0-9]";
    c.songTitle = "Song 2";
    EXPECT_TRUE(Like(c));
    c.songTitle = "Song Two";
    EXPECT_FALSE(Like(c));
}

TEST_F(LikeSongTest, ClearedCriterionMatchesOnlyNonEmptySongsWithoutGenre) {
    CSong c;
    c.songTitle = "x";
    EXPECT_TRUE(Like(c));
    c.songGenre = 12;
    EXPECT_FALSE(Like(c));
    criterion.songGenre = -1;
    EXPECT_TRUE(Like(c));
    c.songGenre = 255;
    EXPECT_TRUE(Like(c));
}

TEST_F(LikeSongTest, EmptyCandidateNeverMatches) {
    CSong empty;
    EXPECT_FALSE(Like(empty));
    criterion.songGenre = -1;
    EXPECT_FALSE(Like(empty));
    empty.songLength = 100;  // not looked at by IsEmpty
    EXPECT_FALSE(Like(empty));
}

TEST_F(LikeSongTest, EveryTextFieldIsTestedAndTheFirstFailureDecides) {
    CSong c = Full();
    c.songGenre = 255;
    std::string CSong::*texts[] = {&CSong::songTitle,   &CSong::songPath, &CSong::songArtist,
                                   &CSong::songAlbum,   &CSong::songYear, &CSong::songLyrics,
                                   &CSong::songComments};
    for (auto field : texts) {
        CSong crit;
        crit.*field = "zzz-not-there";
        EXPECT_FALSE(crit.LikeSong(c, lower));
        crit.*field = (c.*field).substr(1, 3);
        EXPECT_TRUE(crit.LikeSong(c, lower)) << crit.*field;
    }
}

TEST_F(LikeSongTest, IgnoresCaseOnBothSidesAndDoesNotTrim) {
    CSong c;
    c.songAlbum = "FIRST Album";
    criterion.songAlbum = "first aLBUM";
    EXPECT_TRUE(Like(c));
    criterion.songAlbum = " first";
    EXPECT_FALSE(Like(c));
    criterion.songAlbum = "album ";
    EXPECT_FALSE(Like(c));
}

TEST_F(LikeSongTest, CommentWithLineBreaksIsSearchable) {
    CSong c;
    c.songComments = "line one\r\nline two";
    criterion.songComments = "one*two";
    EXPECT_TRUE(Like(c));
}

TEST(Wildcard, Basics) {
    EXPECT_TRUE(WildcardMatch("", ""));
    EXPECT_TRUE(WildcardMatch("", "*"));
    EXPECT_FALSE(WildcardMatch("", "?"));
    EXPECT_TRUE(WildcardMatch("abc", "abc"));
    EXPECT_FALSE(WildcardMatch("abc", "ab"));
    EXPECT_FALSE(WildcardMatch("ab", "abc"));
    EXPECT_TRUE(WildcardMatch("abc", "a*"));
    EXPECT_TRUE(WildcardMatch("abc", "*c"));
    EXPECT_TRUE(WildcardMatch("abc", "a*c"));
    EXPECT_TRUE(WildcardMatch("ac", "a*c"));
    EXPECT_TRUE(WildcardMatch("abc", "***"));
    EXPECT_TRUE(WildcardMatch("abc", "a?c"));
    EXPECT_FALSE(WildcardMatch("ac", "a?c"));
    EXPECT_TRUE(WildcardMatch("mississippi", "*sip*"));
    EXPECT_TRUE(WildcardMatch("mississippi", "m*iss*ppi"));
    EXPECT_FALSE(WildcardMatch("mississippi", "m*iss*ppx"));
    EXPECT_TRUE(WildcardMatch("aaab", "*a*b"));
}

TEST(Wildcard, DigitAndLists) {
    EXPECT_TRUE(WildcardMatch("a1", "a#"));
    EXPECT_FALSE(WildcardMatch("ax", "a#"));
    EXPECT_TRUE(WildcardMatch("b", "[abc]"));
    EXPECT_FALSE(WildcardMatch("d", "[abc]"));
    EXPECT_TRUE(WildcardMatch("q", "[a-z]"));
    EXPECT_FALSE(WildcardMatch("Q", "[a-z]"));
    EXPECT_TRUE(WildcardMatch("Q", "[a-zA-Z]"));
    EXPECT_TRUE(WildcardMatch("d", "[!abc]"));
    EXPECT_FALSE(WildcardMatch("a", "[!abc]"));
    EXPECT_FALSE(WildcardMatch("5", "[!0-9]"));
    EXPECT_TRUE(WildcardMatch("-", "[-a]"));
    EXPECT_TRUE(WildcardMatch("-", "[a-]"));
    EXPECT_TRUE(WildcardMatch("!", "[a!]"));
    EXPECT_TRUE(WildcardMatch("*", "[*]"));
    EXPECT_TRUE(WildcardMatch("?", "[?]"));
    EXPECT_FALSE(WildcardMatch("x", "[?]"));
    EXPECT_TRUE(WildcardMatch("#", "[#]"));
    EXPECT_TRUE(WildcardMatch("[", "[[]"));
    EXPECT_TRUE(WildcardMatch("ab", "a[]b"));   // empty list: empty string
    EXPECT_FALSE(WildcardMatch("m", "[z-a]"));  // descending range: nothing
    EXPECT_TRUE(WildcardMatch("a[b", "a[b"));   // no closing bracket: literal
    EXPECT_TRUE(WildcardMatch("x]", "x]"));
    EXPECT_TRUE(WildcardMatch("\xE9", "[\xE0-\xEF]"));  // bytes compared unsigned
}

TEST(Wildcard, BacktrackingOverLongTexts) {
    const std::string text(20000, 'a');
    std::string pattern(1, '*');
    pattern.append(200, 'a');
    pattern += "b*";
    EXPECT_FALSE(WildcardMatch(text, pattern));
    EXPECT_TRUE(WildcardMatch(text + "b", pattern));
}

}  // namespace
}  // namespace brambletune
