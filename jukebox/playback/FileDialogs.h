#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brambletune {

struct FileFilter {
    std::string description;
    std::string patterns;  // "*.alb" or "*.wav;*.mp3;"
};

struct FileDialogRequest {
    std::string title;
    std::vector<FileFilter> filters;
    std::string defaultExtension;  // "" for none
    bool multiSelect = false;      // open dialog only
};

struct FileDialogResult {
    std::string folder;              // ends in a backslash
    std::vector<std::string> names;  // the chosen names, in the order the dialog gave them
    std::int32_t filterIndex = 1;    // 1-based index of the chosen filter
};

// The system's open and save dialogs. Each returns false when the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual bool ChooseOpen(const FileDialogRequest& request, FileDialogResult& result) = 0;
    virtual bool ChooseSave(const FileDialogRequest& request, FileDialogResult& result) = 0;
};

}  // namespace brambletune
