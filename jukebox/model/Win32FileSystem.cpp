#include "jukebox/model/Win32FileSystem.h"

#include <windows.h>

namespace brambletune {
namespace {

// Owns a file handle.
class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// Forces the new file's data to disk, so that after the replacement a power
// failure cannot leave an album that exists but has lost its contents.
bool FlushToDisk(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.get() != INVALID_HANDLE_VALUE && FlushFileBuffers(file.get()) != 0;
}

}  // namespace

bool Win32FileSystem::FileExists(const std::string& path) const {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Win32FileSystem::Replace(const std::string& from, const std::string& to) {
    if (!FlushToDisk(from)) return false;
    return MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void Win32FileSystem::Remove(const std::string& path) {
    DeleteFileA(path.c_str());
}

bool Win32FileSystem::SetFileLength(const std::string& path, std::uint64_t length) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER offset;
    offset.QuadPart = static_cast<LONGLONG>(length);
    return SetFilePointerEx(file.get(), offset, nullptr, FILE_BEGIN) != 0 &&
           SetEndOfFile(file.get()) != 0;
}

}  // namespace brambletune
