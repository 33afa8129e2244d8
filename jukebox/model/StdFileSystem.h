#pragma once

#include "jukebox/model/FileSystem.h"

namespace brambletune {

// FileSystem over the C++ standard library (std::fstream with narrow paths,
// std::filesystem probes, std::rename). On POSIX std::rename replaces the
// target atomically. On Windows std::rename refuses an existing target, so the
// Windows build must use Win32FileSystem, whose Replace is MoveFileExA with
// MOVEFILE_REPLACE_EXISTING.
class StdFileSystem : public FileSystem {
public:
    bool FileExists(const std::string& path) const override;
    std::unique_ptr<std::istream> OpenRead(const std::string& path) const override;
    std::unique_ptr<std::ostream> OpenWrite(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
    std::unique_ptr<std::iostream> OpenUpdate(const std::string& path) override;
    bool SetFileLength(const std::string& path, std::uint64_t length) override;
};

}  // namespace brambletune
