#include "jukebox/console/Win32DirectoryListing.h"

#include <windows.h>

namespace brambletune {
namespace {

// Owns a search handle of FindFirstFileA.
class FindHandle {
public:
    explicit FindHandle(HANDLE handle) : handle_(handle) {}
    ~FindHandle() {
        if (Valid()) FindClose(handle_);
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    bool Valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }

private:
    HANDLE handle_;
};

}  // namespace

std::vector<DirectoryEntry> Win32DirectoryListing::List(const std::string& wildcardPath) const {
    std::vector<DirectoryEntry> entries;
    WIN32_FIND_DATAA data;
    FindHandle search(FindFirstFileA(wildcardPath.c_str(), &data));
    if (!search.Valid()) return entries;
    do {
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        entries.push_back(DirectoryEntry{data.cFileName, isFolder});
    } while (FindNextFileA(search.Get(), &data));
    return entries;
}

}  // namespace brambletune
