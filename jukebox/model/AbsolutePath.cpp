#include "jukebox/model/AbsolutePath.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "jukebox/model/TextCase.h"

namespace brambletune {
namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool HasDrive(std::string_view path) {
    return path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]));
}

bool SameDrive(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
}

// The root that absolute paths on folder's volume start with: "X:" or "\\server\share".
std::string_view RootOf(std::string_view folder, const TextCase& textCase) {
    if (HasDrive(folder)) return folder.substr(0, 2);
    std::size_t at = 2;
    for (int separators = 0; at < folder.size(); ++at) {
        if (textCase.IsLeadByte(folder[at])) {
            ++at;
            continue;
        }
        if (IsSeparator(folder[at]) && ++separators == 2) break;
    }
    return folder.substr(0, std::min(at, folder.size()));
}

// Splits text into its parts between separators, character by character: in a
// double-byte code page a trail byte may equal '\\'.
void AppendParts(std::string_view text, const TextCase& textCase, std::vector<std::string>& parts) {
    std::string part;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (textCase.IsLeadByte(text[at]) && at + 1 < text.size()) {
            part += text.substr(at, 2);
            ++at;
            continue;
        }
        if (!IsSeparator(text[at])) {
            part += text[at];
            continue;
        }
        if (!part.empty()) parts.push_back(part);
        part.clear();
    }
    if (!part.empty()) parts.push_back(part);
}

std::string Join(std::string_view root, const std::vector<std::string>& parts) {
    std::vector<std::string> kept;
    for (const std::string& part : parts) {
        if (part == ".") continue;
        if (part == "..") {
            if (!kept.empty()) kept.pop_back();
            continue;
        }
        kept.push_back(part);
    }
    std::string path(root);
    for (const std::string& part : kept) path += "\\" + part;
    return kept.empty() ? path + "\\" : path;
}

}  // namespace

bool IsFullyQualified(std::string_view path) {
    return (HasDrive(path) && path.size() >= 3 && IsSeparator(path[2])) ||
           (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]));
}

std::string AbsolutePath(std::string_view path, std::string_view folder, const TextCase& textCase) {
    if (IsFullyQualified(path) || !IsFullyQualified(folder)) return std::string(path);
    const std::string_view root = RootOf(folder, textCase);
    std::vector<std::string> parts;
    if (HasDrive(path)) {
        if (!HasDrive(folder) || !SameDrive(path[0], folder[0])) {
            AppendParts(path.substr(2), textCase, parts);
            return Join(path.substr(0, 2), parts);
        }
        path.remove_prefix(2);
    } else if (!path.empty() && IsSeparator(path[0])) {
        AppendParts(path, textCase, parts);
        return Join(root, parts);
    }
    AppendParts(folder.substr(root.size()), textCase, parts);
    AppendParts(path, textCase, parts);
    return Join(root, parts);
}

}  // namespace brambletune
