#include "jukebox/console/Win32MediaHotKeys.h"

namespace brambletune {
namespace {

// Hot key ids of a program lie below 0xC000; ours are this plus the key's index.
constexpr int kFirstId = 0x4D00;

}  // namespace

void Win32MediaHotKeys::Register(HWND owner) {
    if (owner_ != owner) Unregister();
    owner_ = owner;
    for (std::size_t i = 0; i < kMediaHotKeys.size(); ++i) {
        if (registered_[i]) continue;
        // Fails when another program holds the key: it is left to that program.
        registered_[i] = RegisterHotKey(owner, kFirstId + static_cast<int>(i), MOD_NOREPEAT,
                                        kMediaHotKeys[i].virtualKey) != FALSE;
    }
}

void Win32MediaHotKeys::Unregister() {
    for (std::size_t i = 0; i < kMediaHotKeys.size(); ++i) {
        if (registered_[i]) UnregisterHotKey(owner_, kFirstId + static_cast<int>(i));
        registered_[i] = false;
    }
    owner_ = nullptr;
}

MediaCommand Win32MediaHotKeys::CommandOf(WPARAM id) {
    if (id < kFirstId || id >= kFirstId + kMediaHotKeys.size()) return MediaCommand::kNone;
    return kMediaHotKeys[id - kFirstId].command;
}

}  // namespace brambletune
