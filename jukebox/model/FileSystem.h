#pragma once

#include <cstdint>
#include <iostream>
#include <istream>
#include <memory>
#include <ostream>
#include <string>

namespace brambletune {

// The file services the song model needs. Paths are ANSI text.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    // Existence probe that does not open the file: true for an existing file,
    // false for a missing path or a folder.
    virtual bool FileExists(const std::string& path) const = 0;
    // Opens the file for binary reading; nullptr when it cannot be opened.
    virtual std::unique_ptr<std::istream> OpenRead(const std::string& path) const = 0;
    // Creates or truncates the file for binary writing; nullptr on failure.
    virtual std::unique_ptr<std::ostream> OpenWrite(const std::string& path) = 0;
    // Moves from onto to, replacing an existing to in one step. False on failure.
    virtual bool Replace(const std::string& from, const std::string& to) = 0;
    // Deletes the file; failures are ignored.
    virtual void Remove(const std::string& path) = 0;
    // Opens the file for binary reading and writing in place, creating it empty
    // when missing; nullptr when it cannot be opened for writing.
    virtual std::unique_ptr<std::iostream> OpenUpdate(const std::string& path) = 0;
    // Makes length the file's size (created when missing). False when the file
    // cannot be opened for writing or the size cannot be set.
    virtual bool SetFileLength(const std::string& path, std::uint64_t length) = 0;
};

}  // namespace brambletune
