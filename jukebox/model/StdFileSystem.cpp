#include "jukebox/model/StdFileSystem.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace brambletune {

bool StdFileSystem::FileExists(const std::string& path) const {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

std::unique_ptr<std::istream> StdFileSystem::OpenRead(const std::string& path) const {
    auto in = std::make_unique<std::ifstream>(path.c_str(), std::ios::in | std::ios::binary);
    if (!in->is_open()) return nullptr;
    return in;
}

std::unique_ptr<std::ostream> StdFileSystem::OpenWrite(const std::string& path) {
    auto out = std::make_unique<std::ofstream>(path.c_str(),
                                               std::ios::out | std::ios::binary | std::ios::trunc);
    if (!out->is_open()) return nullptr;
    return out;
}

bool StdFileSystem::Replace(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void StdFileSystem::Remove(const std::string& path) {
    std::remove(path.c_str());
}

std::unique_ptr<std::iostream> StdFileSystem::OpenUpdate(const std::string& path) {
    // Appending creates a missing file without touching an existing one.
    if (!std::ofstream(path.c_str(), std::ios::out | std::ios::binary | std::ios::app).is_open())
        return nullptr;
    auto file = std::make_unique<std::fstream>(path.c_str(),
                                               std::ios::in | std::ios::out | std::ios::binary);
    if (!file->is_open()) return nullptr;
    return file;
}

bool StdFileSystem::SetFileLength(const std::string& path, std::uint64_t length) {
    if (!std::ofstream(path.c_str(), std::ios::out | std::ios::binary | std::ios::app).is_open())
        return false;
    std::error_code ec;
    std::filesystem::resize_file(path, length, ec);
    return !ec;
}

}  // namespace brambletune
