// Prints what ReadTag gives for each path argument, one block per path:
//   "TAG" then lines "title <hex>", "artist <hex>", "album <hex>", "year <hex>",
//   "comment <hex>", "genre <decimal>"; or "NOTAG".
// Text fields are printed in hex so that blanks and any byte survive exactly.
// With "--v2" first, prints what ReadId3v2 gives instead: "ID3V2" and the same
// lines (text in UTF-8, the genre as its number), or "NOTAG".
#include <cstdio>
#include <string>

#include "jukebox/model/Id3v2Tag.h"
#include "jukebox/model/MID3.h"
#include "jukebox/model/StdFileSystem.h"
#include "jukebox/model/UnicodeText.h"

namespace {

void PrintHex(const char* name, const std::string& text) {
    std::printf("%s ", name);
    for (unsigned char c : text) std::printf("%02x", c);
    std::printf("\n");
}

int PrintId3v2(int argc, char** argv) {
    brambletune::StdFileSystem fs;
    for (int i = 2; i < argc; ++i) {
        brambletune::Id3v2Text tag;
        if (!brambletune::ReadId3v2(fs, argv[i], tag)) {
            std::printf("NOTAG\n");
            continue;
        }
        std::printf("ID3V2\n");
        PrintHex("title", brambletune::Utf16ToUtf8(tag.title));
        PrintHex("artist", brambletune::Utf16ToUtf8(tag.artist));
        PrintHex("album", brambletune::Utf16ToUtf8(tag.album));
        PrintHex("year", brambletune::Utf16ToUtf8(tag.year));
        PrintHex("comment", brambletune::Utf16ToUtf8(tag.comment));
        std::printf("genre %d\n", static_cast<int>(brambletune::Id3v2GenreNumber(tag.genre)));
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--v2") return PrintId3v2(argc, argv);
    brambletune::StdFileSystem fs;
    for (int i = 1; i < argc; ++i) {
        brambletune::TagRecord tag;
        if (!brambletune::ReadTag(fs, argv[i], tag)) {
            std::printf("NOTAG\n");
            continue;
        }
        std::printf("TAG\n");
        PrintHex("title", tag.title);
        PrintHex("artist", tag.artist);
        PrintHex("album", tag.album);
        PrintHex("year", tag.year);
        PrintHex("comment", tag.comment);
        std::printf("genre %u\n", static_cast<unsigned>(tag.genre));
    }
    return 0;
}
