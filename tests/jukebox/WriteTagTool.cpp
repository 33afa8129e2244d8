// Writes or deletes an ID3 version 1 tag through WriteID3 and DeleteID3:
//   write <path> <title hex> <artist hex> <album hex> <year hex> <comment hex> <genre>
//   delete <path>
// Text arguments are hex so that any byte reaches the tag unchanged. Prints
// the outcome: "Done", "Unchanged", "CannotOpen" or "WriteFailed".
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "jukebox/model/StdFileSystem.h"
#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/settings/TagWriter.h"

namespace {

std::string FromHex(const char* hex) {
    std::string bytes;
    for (std::size_t i = 0; hex[i] && hex[i + 1]; i += 2)
        bytes += static_cast<char>(std::strtoul(std::string(hex + i, 2).c_str(), nullptr, 16));
    return bytes;
}

const char* Name(brambletune::TagFileResult result) {
    switch (result) {
    case brambletune::TagFileResult::Done: return "Done";
    case brambletune::TagFileResult::Unchanged: return "Unchanged";
    case brambletune::TagFileResult::CannotOpen: return "CannotOpen";
    case brambletune::TagFileResult::WriteFailed: return "WriteFailed";
    }
    return "?";
}

}  // namespace

int main(int argc, char** argv) {
    brambletune::StdFileSystem fs;
    if (argc == 3 && std::strcmp(argv[1], "delete") == 0) {
        std::printf("%s\n", Name(brambletune::DeleteID3(fs, argv[2])));
        return 0;
    }
    if (argc != 9 || std::strcmp(argv[1], "write") != 0) return 2;
    brambletune::TagRecord tag;
    tag.title = FromHex(argv[3]);
    tag.artist = FromHex(argv[4]);
    tag.album = FromHex(argv[5]);
    tag.year = FromHex(argv[6]);
    tag.comment = FromHex(argv[7]);
    tag.genre = static_cast<std::uint8_t>(std::atoi(argv[8]));
    std::printf("%s\n", Name(brambletune::WriteID3(fs, argv[2], tag,
                                                   brambletune::testing::AsciiTextCase())));
    return 0;
}
