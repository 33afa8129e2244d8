#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace brambletune {

// Turns a text item between the file's code page and the program's; empty
// leaves the text as it is.
using TextConversion = std::function<std::string(std::string_view)>;
// The same for text read, in place: most items need no change and no copy.
using TextInPlace = std::function<void(std::string&)>;

// Reads the elementary encodings of an album file from a stream buffer:
// - a plain line is everything up to CR LF (a lone CR or LF also ends a line);
// - a delimited item: blanks and tabs before it are skipped; a quoted text runs
//   to the next double quote (line breaks included), and whatever follows the
//   closing quote up to the next comma or line end is dropped; an unquoted item
//   ends at the next comma or line end. The comma or line end is consumed.
// Every read returns false on failure: end of file before the item, end of file
// inside quoted text, an item that is not what the caller asked for, or an item
// longer than the length limit (so that a foreign file never costs unbounded memory).
// Lines and texts pass through toProgram; numbers and flags are ASCII.
class AlbumReader {
public:
    static constexpr std::size_t kDefaultMaxItem = 16u << 20;  // 16 MiB per item

    explicit AlbumReader(std::streambuf& buffer, std::size_t maxItem = kDefaultMaxItem,
                         TextInPlace toProgram = {});

    bool ReadLine(std::string& out);
    bool ReadText(std::string& out);
    bool ReadInt(std::int32_t& out);
    bool ReadBool(bool& out);  // #TRUE#, #FALSE# or a decimal number (non-zero = true)

private:
    // Reads one raw delimited item; quoted tells whether it was a quoted text.
    bool ReadItem(std::string& out, bool& quoted);
    bool ReadQuoted(std::string& out);    // after the opening quote
    bool ReadUnquoted(std::string& out);  // blanks at its end are dropped
    void SkipLineEnd(int c);              // after a CR, also swallows the LF that follows

    std::streambuf& buffer_;
    std::size_t maxItem_;
    TextInPlace toProgram_;
};

// Writes the elementary encodings. A double quote inside a delimited text (which
// would end the text early) is written as a single quote ('); a line break inside
// a plain line (which would split the record) is written as a blank. Text without
// those characters is written exactly as given, after passing through toFile.
class AlbumWriter {
public:
    explicit AlbumWriter(std::ostream& out, TextConversion toFile = {});
    ~AlbumWriter();
    AlbumWriter(const AlbumWriter&) = delete;
    AlbumWriter& operator=(const AlbumWriter&) = delete;

    void WriteLine(std::string_view text);
    // Delimited items: each call appends one item to the current line.
    void Text(std::string_view text);
    void Int(std::int32_t value);
    void Bool(bool value);
    void EndLine();
    // Writes buffered output to the stream; also done by the destructor.
    void Flush();

private:
    void Separator();
    std::string ForFile(std::string_view text) const;
    std::ostream& out_;
    TextConversion toFile_;
    std::string pending_;
    bool lineStarted_ = false;
};

}  // namespace brambletune
