// WriteID3 and DeleteID3 over files in memory: the bytes written, where, and
// what happens to files that are short, missing or cannot be written.
#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/settings/TagWriter.h"

namespace brambletune {
namespace {

using testing::AsciiTextCase;
using testing::DbcsTextCase;
using testing::MemoryFileSystem;

const AsciiTextCase kAscii;

const std::string kAudio(200, 'a');

TagRecord Fields() {
    TagRecord tag;
    tag.title = std::string(35, 'T');
    tag.artist = "Artist";
    tag.album = "Album";
    tag.year = "99";
    tag.comment = "line one\r\nline two";
    return tag;
}

TEST(TagWriter, EncodesFieldsCutOrPaddedWithBlanks) {
    const auto block = EncodeTag(Fields(), kAscii);
    const std::string bytes(block.begin(), block.end());
    EXPECT_EQ(bytes.substr(0, 3), "TAG");
    EXPECT_EQ(bytes.substr(3, 30), std::string(30, 'T'));
    EXPECT_EQ(bytes.substr(33, 30), "Artist" + std::string(24, ' '));
    EXPECT_EQ(bytes.substr(93, 4), "99  ");
    EXPECT_EQ(bytes.substr(97, 30), "line one\r\nline two" + std::string(12, ' '));
    EXPECT_EQ(static_cast<unsigned char>(bytes[127]), 255);
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
}

TEST(TagWriter, AppendsOnceThenOverwrites) {
    MemoryFileSystem fs;
    fs.files["a.mp3"] = kAudio;
    EXPECT_EQ(WriteID3(fs, "a.mp3", Fields(), kAscii), TagFileResult::Done);
    TagRecord second = Fields();
    second.title = "Second";
    second.genre = 17;
    EXPECT_EQ(WriteID3(fs, "a.mp3", second, kAscii), TagFileResult::Done);
    ASSERT_EQ(fs.files["a.mp3"].size(), kAudio.size() + 128);
    EXPECT_EQ(fs.files["a.mp3"].substr(0, kAudio.size()), kAudio);
    TagRecord read;
    ASSERT_TRUE(ReadTag(fs, "a.mp3", read));
    EXPECT_EQ(read.title, "Second" + std::string(24, ' '));
    EXPECT_EQ(read.genre, 17);
}

TEST(TagWriter, LowerCaseTagIsNoTag) {
    MemoryFileSystem fs;
    const std::string old = std::string(100, 'x') + "tag" + std::string(125, 'y');
    fs.files["a.mp3"] = old;
    EXPECT_EQ(WriteID3(fs, "a.mp3", Fields(), kAscii), TagFileResult::Done);
    EXPECT_EQ(fs.files["a.mp3"].size(), old.size() + 128);
    EXPECT_EQ(fs.files["a.mp3"].substr(0, old.size()), old);
}

TEST(TagWriter, ShortOrMissingFilesAreNeverTagged) {
    MemoryFileSystem fs;
    fs.files["short.mp3"] = std::string(100, 's');
    EXPECT_EQ(WriteID3(fs, "short.mp3", Fields(), kAscii), TagFileResult::Unchanged);
    EXPECT_EQ(fs.files["short.mp3"], std::string(100, 's'));
    EXPECT_EQ(WriteID3(fs, "new.mp3", Fields(), kAscii), TagFileResult::Unchanged);
    EXPECT_EQ(fs.files.at("new.mp3"), "");
}

TEST(TagWriter, FileThatCannotBeWrittenIsReportedAndKept) {
    MemoryFileSystem fs;
    fs.files["locked.mp3"] = kAudio;
    fs.unwritable.insert("locked.mp3");
    EXPECT_EQ(WriteID3(fs, "locked.mp3", Fields(), kAscii), TagFileResult::CannotOpen);
    fs.files["bad.mp3"] = kAudio;
    fs.failingWrites.insert("bad.mp3");
    EXPECT_EQ(WriteID3(fs, "bad.mp3", Fields(), kAscii), TagFileResult::WriteFailed);
    EXPECT_EQ(fs.files["locked.mp3"], kAudio);
    EXPECT_EQ(fs.files["bad.mp3"], kAudio);
}

TEST(TagWriter, ATagAppendedOnlyInPartIsCutOffAgain) {
    MemoryFileSystem fs;
    fs.files["half.mp3"] = kAudio;
    fs.partialWrites.insert("half.mp3");
    EXPECT_EQ(WriteID3(fs, "half.mp3", Fields(), kAscii), TagFileResult::WriteFailed);
    EXPECT_EQ(fs.files["half.mp3"], kAudio);
}

TEST(TagWriter, AFieldIsNeverCutInsideADoubleByteCharacter) {
    TagRecord tag;
    tag.title = std::string(29, 'T') + "\x95\x5C";  // the 30th byte leads a character
    tag.year = "19\x95\x5C";
    const auto block = EncodeTag(tag, DbcsTextCase());
    const std::string bytes(block.begin(), block.end());
    EXPECT_EQ(bytes.substr(3, 30), std::string(29, 'T') + " ");
    EXPECT_EQ(bytes.substr(93, 4), "19\x95\x5C");
}

TEST(TagWriter, DeleteRestoresTheUntaggedBytes) {
    MemoryFileSystem fs;
    fs.files["a.mp3"] = kAudio;
    ASSERT_EQ(WriteID3(fs, "a.mp3", Fields(), kAscii), TagFileResult::Done);
    EXPECT_EQ(DeleteID3(fs, "a.mp3"), TagFileResult::Done);
    EXPECT_EQ(fs.files["a.mp3"], kAudio);
    EXPECT_EQ(DeleteID3(fs, "a.mp3"), TagFileResult::Unchanged);
    EXPECT_EQ(fs.files["a.mp3"], kAudio);
    EXPECT_EQ(DeleteID3(fs, "missing.mp3"), TagFileResult::Unchanged);
    EXPECT_FALSE(fs.FileExists("missing.mp3"));

    ASSERT_EQ(WriteID3(fs, "a.mp3", Fields(), kAscii), TagFileResult::Done);
    fs.unwritable.insert("a.mp3");
    EXPECT_EQ(DeleteID3(fs, "a.mp3"), TagFileResult::CannotOpen);
    EXPECT_EQ(fs.files["a.mp3"].size(), kAudio.size() + 128);
}

}  // namespace
}  // namespace brambletune
