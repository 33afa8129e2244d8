#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace brambletune {

class TextCase;

// Searches ANSI text character by character. In a double-byte code page the
// trail byte of a character may equal '\\' or '.', so a byte search would cut
// a character in two. Each returns a byte offset, or npos when there is none.
std::size_t LastBackslash(std::string_view text, const TextCase& textCase);
// True when the last character (not merely the last byte) is a backslash.
bool EndsWithBackslash(std::string_view text, const TextCase& textCase);
std::size_t LastDot(std::string_view text, const TextCase& textCase);
// The first dot at or after byte offset from, which must start a character.
std::size_t FirstDot(std::string_view text, const TextCase& textCase, std::size_t from = 0);

// The text after the last backslash; all of it without one.
std::string FileNameOf(std::string_view path, const TextCase& textCase);

// True when byte offset at starts a character (or is the end of the text).
bool IsCharStart(std::string_view text, std::size_t at, const TextCase& textCase);

}  // namespace brambletune
