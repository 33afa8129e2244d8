#pragma once

#include <filesystem>
#include <fstream>

namespace vigilon {

// A new, empty file in the system's temporary folder, read and written in
// binary, and removed when the object goes. Throws EMailError when no file
// can be created.
class TempFile {
public:
    TempFile();
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    std::fstream& Stream() { return stream_; }

private:
    std::filesystem::path path_;
    std::fstream stream_;
};

}  // namespace vigilon
