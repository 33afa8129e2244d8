#pragma once

#include <string>

namespace brambletune {

class PathNames;
class TextCase;

// The text up to and including the last backslash; "" without one. Goes by
// character: in a double-byte code page a trail byte may equal '\\'.
std::string ParentPath(const std::string& path, const TextCase& textCase);

// The long form of a short (8.3) path, one component at a time from the root.
// A trailing backslash is kept. A path that is not purely short (its short form
// differs from its upper-case spelling) comes back as given, its parent folders
// too; so does a path whose last component cannot be found.
std::string GetLongPath(const PathNames& paths, const TextCase& textCase, const std::string& path);

}  // namespace brambletune
