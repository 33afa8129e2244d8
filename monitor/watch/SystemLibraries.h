#pragma once

namespace vigilon {

// Libraries loaded by name come from the system folder only, never from the
// program's or the current folder, where a planted copy would run inside the
// program. Call first thing at start, before any library is loaded by name.
void RestrictLibrarySearch();

}  // namespace vigilon
