#pragma once

#include <string>

namespace brambletune {

// Libraries loaded by name come from the system folder only, never from the
// program's or the current folder, where a planted copy would run inside the
// program. Call first thing at start, before any library is loaded by name.
void RestrictLibrarySearch();

// The full path of a program in the system folder ("rundll32.exe" ->
// "C:\\Windows\\system32\\rundll32.exe").
std::string SystemProgramPath(const std::string& name);

}  // namespace brambletune
