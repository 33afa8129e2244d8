#pragma once

#include <functional>
#include <ostream>
#include <string>

namespace brambletune {

class FileSystem;

// Writes the file at path through a new file beside it ("path.new") that takes
// the old file's place only when write returned true and every byte reached the
// disk. On any failure the old file stays as it was and the new one is removed.
bool ReplaceFile(FileSystem& fs, const std::string& path,
                 const std::function<bool(std::ostream&)>& write);

}  // namespace brambletune
