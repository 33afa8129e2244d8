#pragma once

#include <array>
#include <functional>
#include <string>

#include "jukebox/settings/OptionsRecord.h"
#include "jukebox/settings/RegistryStore.h"

namespace brambletune {

class TextCase;

// The media extensions the options dialog offers, in the order of its list and
// of OptionsRecord's FileTypes entries.
inline constexpr int kAssocFileTypes = 21;
extern const std::array<const char*, kAssocFileTypes> kAssocExtensions;

inline constexpr const char* kAlbumClass = "Brambletune";
inline constexpr const char* kFileClass = "Brambletune.File";

// What one Apply of the options dialog asks of the shell associations.
struct AssociationChange {
    bool albumAssocChanged = false;  // the album box was clicked since the page loaded
    bool typesAssocChanged = false;  // a check mark of the type list changed
};

// The running program's path as the association values use it: its folder, a
// backslash and its file name without the extension, cut character by
// character in the code page of textCase.
std::string ProgramPathOf(const std::string& moduleFileName, const TextCase& textCase);

// Writes the two classes' icon and open command under HKEY_CLASSES_ROOT, and the
// extension keys only when their change flag is set. An extension is only ever
// removed while it still points at our own class, so another program's claim
// survives. Then notifyAssocChanged tells the shell.
void RegisterFileTypes(RegistryStore& registry, const std::string& programPath,
                       const OptionsRecord& options, const AssociationChange& change,
                       const std::function<void()>& notifyAssocChanged);

}  // namespace brambletune
