#pragma once

#include "jukebox/model/StdFileSystem.h"

namespace brambletune {

// StdFileSystem with Win32 probes and replacement: GetFileAttributesA for the
// existence probe (a folder is not a file); to replace an album, the new file
// is flushed to disk and moved over the old one with MoveFileExA
// (MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH); DeleteFileA. The streams are the standard
// file streams, whose narrow paths the MinGW runtime passes to the ANSI file functions.
class Win32FileSystem : public StdFileSystem {
public:
    bool FileExists(const std::string& path) const override;
    bool Replace(const std::string& from, const std::string& to) override;
    void Remove(const std::string& path) override;
    // CreateFileA without sharing, SetFilePointerEx and SetEndOfFile.
    bool SetFileLength(const std::string& path, std::uint64_t length) override;
};

}  // namespace brambletune
