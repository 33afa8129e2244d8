#include "jukebox/model/AnsiText.h"

#include "jukebox/model/TextCase.h"

namespace brambletune {
namespace {

// The offset of the character after the one at at. A lead byte at the very end
// has lost its trail byte and counts as a character of its own.
std::size_t NextChar(std::string_view text, std::size_t at, const TextCase& textCase) {
    if (textCase.IsLeadByte(text[at]) && at + 1 < text.size()) return at + 2;
    return at + 1;
}

std::size_t FindChar(std::string_view text, char c, const TextCase& textCase, std::size_t from,
                     bool last) {
    std::size_t found = std::string_view::npos;
    for (std::size_t at = from; at < text.size(); at = NextChar(text, at, textCase)) {
        if (text[at] != c) continue;
        found = at;
        if (!last) break;
    }
    return found;
}

}  // namespace

std::size_t LastBackslash(std::string_view text, const TextCase& textCase) {
    return FindChar(text, '\\', textCase, 0, true);
}

std::size_t LastDot(std::string_view text, const TextCase& textCase) {
    return FindChar(text, '.', textCase, 0, true);
}

std::size_t FirstDot(std::string_view text, const TextCase& textCase, std::size_t from) {
    return FindChar(text, '.', textCase, from, false);
}

std::string FileNameOf(std::string_view path, const TextCase& textCase) {
    const std::size_t slash = LastBackslash(path, textCase);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

bool IsCharStart(std::string_view text, std::size_t at, const TextCase& textCase) {
    std::size_t start = 0;
    while (start < at && start < text.size()) start = NextChar(text, start, textCase);
    return start == at;
}

bool EndsWithBackslash(std::string_view text, const TextCase& textCase) {
    return !text.empty() && LastBackslash(text, textCase) == text.size() - 1;
}

}  // namespace brambletune
