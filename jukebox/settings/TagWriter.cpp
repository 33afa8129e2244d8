#include "jukebox/settings/TagWriter.h"

#include <algorithm>
#include <cstring>
#include <iostream>

#include "jukebox/model/AnsiText.h"
#include "jukebox/model/FileSystem.h"

namespace brambletune {
namespace {

constexpr auto kTagSize = static_cast<std::streamoff>(TagRecord::kSize);

// A cut inside a double-byte character would leave its lead byte alone at the
// field's end, to pair with whatever byte follows when the tag is read.
void PutField(char* block, std::size_t offset, std::size_t width, const std::string& text,
              const TextCase& textCase) {
    std::memset(block + offset, ' ', width);
    std::size_t length = std::min(width, text.size());
    if (length > 0 && !IsCharStart(text, length, textCase)) --length;
    std::memcpy(block + offset, text.data(), length);
}

std::streamoff SizeOf(std::istream& file) {
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    return file ? size : -1;
}

}  // namespace

std::array<char, TagRecord::kSize> EncodeTag(const TagRecord& tag, const TextCase& textCase) {
    std::array<char, TagRecord::kSize> block{};
    std::memcpy(block.data(), "TAG", 3);
    PutField(block.data(), 3, 30, tag.title, textCase);
    PutField(block.data(), 33, 30, tag.artist, textCase);
    PutField(block.data(), 63, 30, tag.album, textCase);
    PutField(block.data(), 93, 4, tag.year, textCase);
    PutField(block.data(), 97, 30, tag.comment, textCase);
    block[127] = static_cast<char>(tag.genre);
    return block;
}

TagFileResult WriteID3(FileSystem& fs, const std::string& path, const TagRecord& tag,
                       const TextCase& textCase) {
    auto file = fs.OpenUpdate(path);
    if (!file) return TagFileResult::CannotOpen;
    const std::streamoff size = SizeOf(*file);
    if (size < kTagSize) return size < 0 ? TagFileResult::WriteFailed : TagFileResult::Unchanged;
    char last[TagRecord::kSize] = {};
    file->seekg(size - kTagSize, std::ios::beg);
    file->read(last, kTagSize);
    file->clear();
    const std::streamoff at = std::memcmp(last, "TAG", 3) == 0 ? size - kTagSize : size;
    const auto block = EncodeTag(tag, textCase);
    file->seekp(at, std::ios::beg);
    file->write(block.data(), kTagSize);
    file->flush();
    const bool written = static_cast<bool>(*file);
    file.reset();
    if (written) return TagFileResult::Done;
    // Part of an appended tag would stay as the file's broken last bytes.
    if (at == size) fs.SetFileLength(path, static_cast<std::uint64_t>(size));
    return TagFileResult::WriteFailed;
}

TagFileResult DeleteID3(FileSystem& fs, const std::string& path) {
    TagRecord tag;
    if (!ReadTag(fs, path, tag)) return TagFileResult::Unchanged;
    auto in = fs.OpenRead(path);
    const std::streamoff size = in ? SizeOf(*in) : -1;
    in.reset();
    if (size < kTagSize) return TagFileResult::CannotOpen;
    return SetFileLength(fs, path, static_cast<std::uint64_t>(size - kTagSize));
}

TagFileResult SetFileLength(FileSystem& fs, const std::string& path, std::uint64_t length) {
    return fs.SetFileLength(path, length) ? TagFileResult::Done : TagFileResult::CannotOpen;
}

}  // namespace brambletune
