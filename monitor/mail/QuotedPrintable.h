#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vigilon {

inline constexpr const char* kParagraphTooLargeMessage = "Paragraph is too large";
// Paragraphs must be shorter than this.
inline constexpr std::size_t kMaxParagraphLength = 24576;
// Source characters per encoded line, soft break not counted.
inline constexpr std::size_t kSegmentLength = 65;
// No encoded line is longer than this, escapes and soft break included.
inline constexpr std::size_t kMaxEncodedLineLength = 76;

// Cuts text at line ends, where CR, LF, CR LF and LF CR each count as one end.
// The text after the last end is a paragraph too, even when empty.
std::vector<std::string_view> SplitParagraphs(std::string_view text);

// Cuts a paragraph into segments of at most 65 characters that encode to at
// most 76 (a soft break included), preferring to cut just before a space; an
// empty paragraph gives one empty segment.
std::vector<std::string_view> SplitSegments(std::string_view paragraph);

// Encodes text quoted-printable, one output line per segment; every segment
// but the last of its paragraph ends with a soft break "=". Throws
// EMessageError when a paragraph is too large.
std::vector<std::string> QuotedPrintableLines(std::string_view text);

}  // namespace vigilon
