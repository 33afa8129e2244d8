#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <string>
#include <unordered_map>

#include "jukebox/model/Win32TextCase.h"

namespace brambletune {

// The list view's small images: one icon per file type, taken from the shell
// the first time a row of that file is shown, and the two sort triangles at
// sortImgStart (ascending) and sortImgStart + 1 (descending).
class ListImages {
public:
    explicit ListImages(std::int32_t sortImgStart);
    ~ListImages();
    ListImages(const ListImages&) = delete;
    ListImages& operator=(const ListImages&) = delete;

    HIMAGELIST Handle() const { return list_; }
    std::int32_t SortImage(std::int32_t order) const { return sortImgStart_ + order; }
    // The image of the file's type; -1 when the shell gives it none.
    std::int32_t ImageOf(const std::string& path);
    // How many files were asked of the shell so far.
    std::size_t ShellCalls() const { return byPath_.size(); }

private:
    std::int32_t Load(const std::string& path);
    void AddTriangle(bool pointsUp);
    void AddBlank();

    HIMAGELIST list_ = nullptr;
    std::int32_t sortImgStart_ = 0;
    int size_ = 16;
    Win32TextCase textCase_;
    std::unordered_map<std::string, std::int32_t> byType_;
    std::unordered_map<std::string, std::int32_t> byPath_;
};

}  // namespace brambletune
