#include "jukebox/playback/FileDialogText.h"

#include "jukebox/settings/MGeneral.h"

namespace brambletune {
namespace {

std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\') folder += '\\';
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

bool ParseDialogFiles(std::string_view buffer, FileDialogResult& result) {
    std::vector<std::string> fields;
    const std::int32_t count = SplitString(buffer, '\0', fields);
    result.folder.clear();
    result.names.clear();
    if (count == 0) return false;
    if (count == 1) {
        const std::string& path = fields[0];
        const auto slash = path.rfind('\\');
        if (slash == std::string::npos || slash + 1 == path.size()) return false;
        result.folder = path.substr(0, slash + 1);
        result.names.push_back(path.substr(slash + 1));
        return true;
    }
    result.folder = WithBackslash(fields[0]);
    result.names.assign(fields.begin() + 1, fields.end());
    return true;
}

}  // namespace brambletune
