#pragma once

#include <string>
#include <string_view>

namespace brambletune {

class TextCase;

// "X:\..." or "\\server\share\...": a path that names its own folder whatever
// folder is current.
bool IsFullyQualified(std::string_view path);

// path made absolute against folder, a fully qualified folder (its final
// backslash optional): "name" and "sub\name" go below the folder, "\name"
// below its drive or share, "X:name" below folder when folder is on drive X
// and below X's root otherwise. "." and ".." parts are resolved, '/' counts as
// '\'. A fully qualified path, or any path against a folder that is not,
// comes back as it was.
std::string AbsolutePath(std::string_view path, std::string_view folder, const TextCase& textCase);

}  // namespace brambletune
