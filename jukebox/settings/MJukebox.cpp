#include "jukebox/settings/MJukebox.h"

#include "jukebox/model/StoredText.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {

OptionsRecord Options = DefaultOptions();
bool LyricsShowing = false;
bool SongShowing = false;

OptionsRecord DefaultOptions() {
    OptionsRecord r;
    r.SetTextColor(65280);
    r.SetGuessMode(3);
    r.SetSnapDistance(20);
    r.SetAlbumIcon(8);
    r.SetFileIcon(10);
    r.SetRecentCount(4);
    r.SetFirstDot(true);
    r.SetEasyMove(true);
    r.SetSnapEnabled(true);
    r.SetOnTop(true);
    r.SetAllowDuplicates(true);
    r.SetAutoPlay(true);
    r.SetAssociateAlbums(true);
    r.SetSaveOptionsOnClose(true);
    return r;
}

OptionsRecord LoadOptions(RegistryStore& store) {
    OptionsRecord record;
    if (GetRegBinary(store, RegistryStore::kCurrentUser, kOptionsKey, kOptionsValue, record)) {
        return record;
    }
    return DefaultOptions();
}

void ReadOptions(RegistryStore& store) {
    Options = LoadOptions(store);
}

void ReadFontNames(OptionsRecord& record, const CodePages& pages) {
    for (int slot = 0; slot < OptionsRecord::kFontSlots; ++slot)
        record.SetFontName(slot, ReadStoredText(record.FontName(slot), pages));
}

void StoreOptions(RegistryStore& store, const OptionsRecord& record) {
    if (record.SaveOptionsOnClose() == false) return;  // the field is exactly 0
    SetRegBinary(store, RegistryStore::kCurrentUser, kOptionsKey, kOptionsValue, record);
}

void SaveOptions(RegistryStore& store) {
    StoreOptions(store, Options);
}

}  // namespace brambletune
