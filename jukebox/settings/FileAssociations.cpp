#include "jukebox/settings/FileAssociations.h"

#include "jukebox/model/AnsiText.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {

const std::array<const char*, kAssocFileTypes> kAssocExtensions = {
    "aif",  "aifc", "aiff", "au", "avi", "cda", "mid", "mov", "mp2", "mp3", "mpe",
    "mpeg", "mpg",  "qt",   "ra", "rm",  "rmi", "snd", "wav", "wma", "wmv"};

namespace {

constexpr std::uint32_t kRoot = RegistryStore::kClassesRoot;

void SetDefault(RegistryStore& registry, const std::string& key, const std::string& value) {
    SetRegValue(registry, kRoot, key, "", value, RegistryStore::kSz);
}

// Claims key for ourClass, or gives it up when it still names ourClass.
void Associate(RegistryStore& registry, const std::string& key, const std::string& ourClass,
               bool claim) {
    if (claim) {
        SetDefault(registry, key, ourClass);
        return;
    }
    if (GetRegString(registry, kRoot, key, "", "") == ourClass) DeleteRegKey(registry, kRoot, key);
}

}  // namespace

std::string ProgramPathOf(const std::string& moduleFileName, const TextCase& textCase) {
    const std::size_t name = LastBackslash(moduleFileName, textCase);
    const std::size_t dot = LastDot(moduleFileName, textCase);
    if (dot == std::string::npos || (name != std::string::npos && dot < name))
        return moduleFileName;
    return moduleFileName.substr(0, dot);
}

void RegisterFileTypes(RegistryStore& registry, const std::string& programPath,
                       const OptionsRecord& options, const AssociationChange& change,
                       const std::function<void()>& notifyAssocChanged) {
    const std::string program = programPath + ".exe";
    SetDefault(registry, std::string(kAlbumClass) + "\\DefaultIcon",
               program + "," + std::to_string(options.AlbumIcon()));
    SetDefault(registry, std::string(kFileClass) + "\\DefaultIcon",
               program + "," + std::to_string(options.FileIcon()));
    SetDefault(registry, std::string(kAlbumClass) + "\\Shell\\Open\\Command", program + " %1");
    SetDefault(registry, std::string(kFileClass) + "\\Shell\\Open\\Command", program + " %1");
    if (change.albumAssocChanged)
        Associate(registry, ".alb", kAlbumClass, options.AssociateAlbums());
    if (change.typesAssocChanged) {
        for (int i = 0; i < kAssocFileTypes; ++i)
            Associate(registry, std::string(".") + kAssocExtensions[static_cast<std::size_t>(i)],
                      kFileClass, options.FileType(i));
    }
    if (notifyAssocChanged) notifyAssocChanged();
}

}  // namespace brambletune
