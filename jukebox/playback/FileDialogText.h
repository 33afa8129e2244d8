#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "jukebox/playback/FileDialogs.h"

namespace brambletune {

class TextCase;

// The filter text of the common file dialogs: each description and its patterns
// followed by a NUL, and one more NUL after the last pair. Empty without filters.
std::string BuildDialogFilter(const std::vector<FileFilter>& filters);

// Takes the dialog's file buffer apart into result.folder (with its trailing
// backslash) and result.names. The buffer holds either one full path, or the
// folder followed by the names, each ended by a NUL, with a NUL after the last.
// False when it holds no name. Backslashes are found by character (textCase).
bool ParseDialogFiles(std::string_view buffer, const TextCase& textCase, FileDialogResult& result);

}  // namespace brambletune
