// The console's side of the song dialog: one dialog, made when first opened.
#include "jukebox/console/CListView.h"
#include "jukebox/console/Win32FormWindow.h"
#include "jukebox/console/frmConsole.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/settings/frmSong.h"

namespace brambletune {

frmSong& frmConsole::SongDialog() {
    if (!song_)
        song_ =
            std::make_unique<frmSong>(instance_, hwnd_, *formWindow_, songs_, platform_.registry,
                                      SongDialogServices{*box_, *list_, platform_.messages,
                                                         platform_.files, platform_.textCase,
                                                         platform_.codePages});
    return *song_;
}

void frmConsole::ShowSongInfo(std::int32_t row) {
    if (row < 1 || row > list_->Count()) return;
    SongDialog().ShowInfo(row);
}

void frmConsole::ShowBatchEdit() {
    SongDialog().ShowBatchEdit();
}

void frmConsole::ShowFind(CSong& criteria) {
    SongDialog().ShowFind(criteria);
}

}  // namespace brambletune
