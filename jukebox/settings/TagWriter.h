#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "jukebox/model/MID3.h"

namespace brambletune {

class FileSystem;
class TextCase;

// The 128 bytes of an ID3 version 1 tag made from a record: "TAG", each text
// field cut to its width (never inside a character) or padded with blanks
// (never NUL), the genre byte.
std::array<char, TagRecord::kSize> EncodeTag(const TagRecord& tag, const TextCase& textCase);

enum class TagFileResult {
    Done,        // written or removed
    Unchanged,   // nothing to do: a file under 128 bytes, or no tag to remove
    CannotOpen,  // the file could not be opened for writing; it is unchanged
    WriteFailed  // opened, but the write did not complete
};

// Writes the tag over the file's existing one, or appends it; a missing file is
// created empty and, like any file under 128 bytes, is not tagged. The bytes are
// written in place only once the file is open for writing; a tag appended only
// in part is cut off again, so the file keeps its old length.
TagFileResult WriteID3(FileSystem& fs, const std::string& path, const TagRecord& tag,
                       const TextCase& textCase);

// Shortens the file by 128 bytes when ReadTag finds a tag.
TagFileResult DeleteID3(FileSystem& fs, const std::string& path);

// Makes length the file's size; CannotOpen when it cannot be opened for writing.
TagFileResult SetFileLength(FileSystem& fs, const std::string& path, std::uint64_t length);

}  // namespace brambletune
