#include "jukebox/settings/TagWriter.h"

#include <algorithm>
#include <cstring>
#include <iostream>

#include "jukebox/model/FileSystem.h"

namespace brambletune {
namespace {

constexpr auto kTagSize = static_cast<std::streamoff>(TagRecord::kSize);

void PutField(char* block, std::size_t offset, std::size_t width, const std::string& text) {
    std::memset(block + offset, ' ', width);
    std::memcpy(block + offset, text.data(), std::min(width, text.size()));
}

std::streamoff SizeOf(std::istream& file) {
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    return file ? size : -1;
}

}  // namespace

std::array<char, TagRecord::kSize> EncodeTag(const TagRecord& tag) {
    std::array<char, TagRecord::kSize> block{};
    std::memcpy(block.data(), "TAG", 3);
    PutField(block.data(), 3, 30, tag.title);
    PutField(block.data(), 33, 30, tag.artist);
    PutField(block.data(), 63, 30, tag.album);
    PutField(block.data(), 93, 4, tag.year);
    PutField(block.data(), 97, 30, tag.comment);
    block[127] = static_cast<char>(tag.genre);
    return block;
}

TagFileResult WriteID3(FileSystem& fs, const std::string& path, const TagRecord& tag) {
    auto file = fs.OpenUpdate(path);
    if (!file) return TagFileResult::CannotOpen;
    const std::streamoff size = SizeOf(*file);
    if (size < kTagSize) return size < 0 ? TagFileResult::WriteFailed : TagFileResult::Unchanged;
    char last[TagRecord::kSize] = {};
    file->seekg(size - kTagSize, std::ios::beg);
    file->read(last, kTagSize);
    file->clear();
    const std::streamoff at = std::memcmp(last, "TAG", 3) == 0 ? size - kTagSize : size;
    const auto block = EncodeTag(tag);
    file->seekp(at, std::ios::beg);
    file->write(block.data(), kTagSize);
    file->flush();
    return *file ? TagFileResult::Done : TagFileResult::WriteFailed;
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
