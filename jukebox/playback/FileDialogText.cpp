#include "jukebox/playback/FileDialogText.h"

#include "jukebox/model/AnsiText.h"
#include "jukebox/settings/MGeneral.h"

namespace brambletune {
namespace {

// A last byte of 0x5C may be the trail byte of a character, not a backslash.
std::string WithBackslash(std::string folder, const TextCase& textCase) {
    if (folder.empty() || LastBackslash(folder, textCase) != folder.size() - 1) folder += '\\';
    return folder;
}

}  // namespace

std::string BuildDialogFilter(const std::vector<FileFilter>& filters) {
    if (filters.empty()) return "";
    std::string text;
    for (const FileFilter& filter : filters) {
        text += filter.description;
        text += '\0';
        text += filter.patterns;
        text += '\0';
    }
    text += '\0';
    return text;
}

bool ParseDialogFiles(std::string_view buffer, const TextCase& textCase, FileDialogResult& result) {
    std::vector<std::string> fields;
    const std::int32_t count = SplitString(buffer, '\0', fields);
    result.folder.clear();
    result.names.clear();
    if (count == 0) return false;
    if (count == 1) {
        const std::string& path = fields[0];
        const auto slash = LastBackslash(path, textCase);
        if (slash == std::string::npos || slash + 1 == path.size()) return false;
        result.folder = path.substr(0, slash + 1);
        result.names.push_back(path.substr(slash + 1));
        return true;
    }
    result.folder = WithBackslash(fields[0], textCase);
    result.names.assign(fields.begin() + 1, fields.end());
    return true;
}

}  // namespace brambletune
