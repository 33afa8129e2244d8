// Writes the demo album (a few generated tones and the album listing them)
// into the folder named on the command line, with absolute paths, and prints
// the album's path.
//   MakeDemoAlbum.exe FOLDER
#include <windows.h>

#include <cstdio>
#include <string>

#include "jukebox/model/AnsiText.h"
#include "jukebox/model/Win32CodePages.h"
#include "jukebox/model/Win32FileSystem.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/tools/DemoAlbum.h"

namespace {

std::string FullFolder(const char* folder) {
    char buffer[MAX_PATH];
    const DWORD length = GetFullPathNameA(folder, MAX_PATH, buffer, nullptr);
    if (length == 0 || length >= MAX_PATH) return "";
    std::string full(buffer, length);
    // A last byte of 0x5C may be the trail byte of a character, not a separator.
    if (!brambletune::EndsWithBackslash(full, brambletune::Win32TextCase())) full += '\\';
    return full;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: MakeDemoAlbum FOLDER\n");
        return 2;
    }
    const std::string folder = FullFolder(argv[1]);
    if (folder.empty() ||
        (!CreateDirectoryA(folder.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)) {
        std::fprintf(stderr, "MakeDemoAlbum: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    brambletune::Win32FileSystem files;
    const std::string album =
        brambletune::MakeDemoAlbum(files, folder, brambletune::Win32CodePages());
    if (album.empty()) {
        std::fprintf(stderr, "MakeDemoAlbum: cannot write into %s\n", folder.c_str());
        return 1;
    }
    std::printf("%s\n", album.c_str());
    return 0;
}
