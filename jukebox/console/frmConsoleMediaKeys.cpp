// The console's side of the media keys: as key presses in any of its windows,
// as application commands and, while it is hidden, as hot keys.
#include "jukebox/console/frmConsole.h"

namespace brambletune {

bool frmConsole::TakeMediaKey(const MSG& msg) {
    const bool keyDown = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
    const bool repeat = (msg.lParam & (LPARAM{1} << 30)) != 0;
    const auto key = static_cast<std::uint32_t>(msg.wParam);
    const MediaCommand command = mediaKeys_.MessageTaken(keyDown, key, repeat);
    if (!keyDown || MediaCommandOfKey(key) == MediaCommand::kNone) return false;
    // Taken even when it runs nothing, so that no second command is made of it.
    RunMediaCommand(command);
    return true;
}

bool frmConsole::OnAppCommand(LPARAM lParam) {
    const MediaCommand command = MediaCommandOfAppCommand(GET_APPCOMMAND_LPARAM(lParam));
    if (command == MediaCommand::kNone) return false;
    mediaKeys_.AppCommandRan(command, GET_DEVICE_LPARAM(lParam) == FAPPCOMMAND_KEY);
    RunMediaCommand(command);
    return true;
}

void frmConsole::OnShowWindow(bool shown) {
    if (shown) {
        hotKeys_.Unregister();
    } else if (!unloading_) {
        hotKeys_.Register(hwnd_);
    }
}

void frmConsole::RunMediaCommand(MediaCommand command) {
    // A disabled console has a modal window open or is closing.
    if (command == MediaCommand::kNone || !commands_ || !IsWindowEnabled(hwnd_)) return;
    try {
        commands_->MediaKey(command);
    } catch (const std::exception& e) {
        // Run from the message loop as well as from the window procedure.
        platform_.messages.Show(e.what(), "Brambletune", MessageBoxService::kIconError);
    } catch (...) {
        platform_.messages.Show("The media key failed.", "Brambletune",
                                MessageBoxService::kIconError);
    }
}

}  // namespace brambletune
