#include "monitor/watch/Win32DirectoryLister.h"

#include <windows.h>

namespace vigilon {
namespace {

// Owns a search handle.
class FindHandle {
public:
    explicit FindHandle(HANDLE h) : handle_(h) {}
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

// The local last-write time as packed DOS date-time, date in the high word.
// Each time is converted with the daylight-saving rule of its own date: with
// today's bias instead, every file would seem changed after a clock change.
std::int32_t LocalDosDateTime(const FILETIME& fileTime) {
    SYSTEMTIME universal;
    SYSTEMTIME localParts;
    FILETIME local;
    WORD date = 0;
    WORD time = 0;
    if (!FileTimeToSystemTime(&fileTime, &universal)) return 0;
    if (!SystemTimeToTzSpecificLocalTime(nullptr, &universal, &localParts)) return 0;
    if (!SystemTimeToFileTime(&localParts, &local)) return 0;
    if (!FileTimeToDosDateTime(&local, &date, &time)) return 0;
    return static_cast<std::int32_t>((static_cast<std::uint32_t>(date) << 16) | time);
}

}  // namespace

static_assert(kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(kErrorPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(kErrorInvalidName == ERROR_INVALID_NAME);
static_assert(kErrorDirectory == ERROR_DIRECTORY);

ListError Win32DirectoryLister::List(const std::string& pattern,
                                     std::vector<DirEntry>& entries) const {
    WIN32_FIND_DATAA data;
    FindHandle search(FindFirstFileA(pattern.c_str(), &data));
    if (!search.Valid()) return GetLastError();
    do {
        entries.push_back(DirEntry{data.cFileName, LocalDosDateTime(data.ftLastWriteTime)});
    } while (FindNextFileA(search.Get(), &data));
    // A share that goes away half way ends the search early: not a complete listing.
    const DWORD ended = GetLastError();
    return ended == ERROR_NO_MORE_FILES ? kListed : ended;
}

ListError Win32DirectoryLister::Probe(const std::string& pattern) const {
    WIN32_FIND_DATAA data;
    FindHandle search(FindFirstFileA(pattern.c_str(), &data));
    return search.Valid() ? kListed : GetLastError();
}

}  // namespace vigilon
