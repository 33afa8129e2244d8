// Prints what ReadTag gives for each path argument, one block per path:
//   "TAG" then lines "title <hex>", "artist <hex>", "album <hex>", "year <hex>",
//   "comment <hex>", "genre <decimal>"; or "NOTAG".
// Text fields are printed in hex so that blanks and any byte survive exactly.
#include <cstdio>
#include <string>

#include "jukebox/model/MID3.h"
#include "jukebox/model/StdFileSystem.h"

namespace {

void PrintHex(const char* name, const std::string& text) {
    std::printf("%s ", name);
    for (unsigned char c : text) std::printf("%02x", c);
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
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
