#pragma once

#include <string>

#include "jukebox/settings/OptionsRecord.h"

namespace brambletune {

class CodePages;
class RegistryStore;

// SettingsRoot below HKEY_CURRENT_USER; the trailing backslash is part of it.
inline constexpr const char* kSettingsRoot = "Software\\Tallowmere\\Brambletune\\2\\w\\";
inline const std::string kOptionsKey = std::string(kSettingsRoot) + "Options";
inline constexpr const char* kOptionsValue = "Options";

// The one global options record of the jukebox and the window flags beside it.
extern OptionsRecord Options;
extern bool LyricsShowing;
extern bool SongShowing;

// All bytes 0, then the default of every field that is not 0.
OptionsRecord DefaultOptions();

// The stored record when the "Options" value is exactly 332 bytes, else the defaults.
OptionsRecord LoadOptions(RegistryStore& store);
// Options = LoadOptions(store).
void ReadOptions(RegistryStore& store);
// Turns the record's font names into program text: a record stored before the
// program's text moved to UTF-8 holds them in the legacy code page.
void ReadFontNames(OptionsRecord& record, const CodePages& pages);
// Writes record unless its SaveOptionsOnClose field is exactly 0.
void StoreOptions(RegistryStore& store, const OptionsRecord& record);
// StoreOptions(store, Options).
void SaveOptions(RegistryStore& store);

}  // namespace brambletune
