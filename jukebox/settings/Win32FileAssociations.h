#pragma once

#include <string>

namespace brambletune {

// Tells the shell that file associations changed (SHCNE_ASSOCCHANGED).
void NotifyAssocChanged();
// The running program's folder, a backslash and its file name without the extension.
std::string RunningProgramPath();

}  // namespace brambletune
