#include "jukebox/model/PlaylistFile.h"

#include <map>

#include "jukebox/model/AbsolutePath.h"
#include "jukebox/model/StoredText.h"

namespace brambletune {
namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (AsciiLower(text[i]) != AsciiLower(prefix[i])) return false;
    return true;
}

bool EndsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           StartsWithNoCase(text.substr(text.size() - suffix.size()), suffix);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

// The lines of a text with CR LF, LF or CR line ends.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
    return lines;
}

// The entries of a PLS file in the order of their numbers.
std::vector<std::string_view> PlsEntries(const std::vector<std::string_view>& lines) {
    std::map<std::uint32_t, std::string_view> numbered;
    for (const std::string_view line : lines) {
        if (!StartsWithNoCase(line, "File")) continue;
        const std::size_t equals = line.find('=');
        const std::string_view digits =
            line.substr(4, equals == std::string_view::npos ? 0 : equals - 4);
        if (digits.empty() || digits.size() > 9) continue;
        std::uint32_t n = 0;
        bool number = true;
        for (const char c : digits) {
            number = number && c >= '0' && c <= '9';
            n = n * 10 + static_cast<std::uint32_t>(c - '0');
        }
        if (number) numbered.emplace(n, line.substr(equals + 1));  // the first of a number wins
    }
    std::vector<std::string_view> entries;
    for (const auto& [n, entry] : numbered) entries.push_back(entry);
    return entries;
}

std::vector<std::string_view> ListEntries(const std::vector<std::string_view>& lines) {
    std::vector<std::string_view> entries;
    for (const std::string_view line : lines)
        if (!line.starts_with('#')) entries.push_back(line);
    return entries;
}

// Line breaks would end the #EXTINF line early.
std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\r' || c == '\n') c = ' ';
    return text;
}

}  // namespace

PlaylistEntries ReadPlaylist(std::string_view bytes, std::string_view fileName,
                             const std::string& folder, const CodePages& pages,
                             const TextCase& textCase) {
    const bool bom = bytes.starts_with(kUtf8Bom);
    if (bom) bytes.remove_prefix(kUtf8Bom.size());
    const StoredCodePage page =
        bom || EndsWithNoCase(fileName, ".m3u8") ? StoredCodePage::kUtf8 : StoredCodePageOf(bytes);
    const std::vector<std::string_view> lines = Lines(bytes);
    const std::string_view first = lines.empty() ? std::string_view() : TrimBlanks(lines.front());
    const bool pls = first.size() == 10 && StartsWithNoCase(first, "[playlist]");
    PlaylistEntries result;
    for (const std::string_view raw : pls ? PlsEntries(lines) : ListEntries(lines)) {
        if (TrimBlanks(raw).empty()) continue;
        bool lost = false;
        std::string entry = ProgramText(raw, page, pages, &lost);
        if (lost) {
            ++result.leftOut;
            continue;
        }
        result.paths.push_back(AbsolutePath(entry, folder, textCase));
    }
    return result;
}

std::string WriteM3u8(const std::vector<PlaylistSong>& songs, const CodePages& pages) {
    std::string text = "#EXTM3U\r\n";
    for (const PlaylistSong& song : songs) {
        const std::string name =
            song.artist.empty() ? song.title : song.artist + " - " + song.title;
        const std::int32_t seconds = song.seconds > 0 ? song.seconds : -1;
        text += "#EXTINF:" + std::to_string(seconds) + "," + OneLine(name) + "\r\n";
        text += OneLine(song.path) + "\r\n";
    }
    return std::string(kUtf8Bom) + StoredText(text, StoredCodePage::kUtf8, pages);
}

}  // namespace brambletune
