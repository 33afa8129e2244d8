#include "jukebox/console/MediaKeys.h"

#include <utility>

namespace brambletune {
namespace {

// VK_MEDIA_NEXT_TRACK, VK_MEDIA_PREV_TRACK, VK_MEDIA_STOP, VK_MEDIA_PLAY_PAUSE.
constexpr std::uint32_t kKeyNext = 0xB0, kKeyPrevious = 0xB1, kKeyStop = 0xB2, kKeyPlayPause = 0xB3;
// APPCOMMAND_MEDIA_NEXTTRACK, _PREVIOUSTRACK, _STOP, _PLAY_PAUSE.
constexpr std::uint32_t kAppNext = 11, kAppPrevious = 12, kAppStop = 13, kAppPlayPause = 14;

}  // namespace

const std::array<MediaHotKey, 4> kMediaHotKeys = {{
    {kKeyPlayPause, MediaCommand::kPlayOrPause},
    {kKeyStop, MediaCommand::kStop},
    {kKeyNext, MediaCommand::kNext},
    {kKeyPrevious, MediaCommand::kPrevious},
}};

MediaCommand MediaCommandOfKey(std::uint32_t virtualKey) {
    for (const MediaHotKey& key : kMediaHotKeys) {
        if (key.virtualKey == virtualKey) return key.command;
    }
    return MediaCommand::kNone;
}

MediaCommand MediaCommandOfAppCommand(std::uint32_t appCommand) {
    switch (appCommand) {
    case kAppPlayPause: return MediaCommand::kPlayOrPause;
    case kAppStop: return MediaCommand::kStop;
    case kAppNext: return MediaCommand::kNext;
    case kAppPrevious: return MediaCommand::kPrevious;
    default: return MediaCommand::kNone;
    }
}

void MediaKeyFilter::AppCommandRan(MediaCommand command, bool fromKey) {
    ranFromKey_ = fromKey ? command : MediaCommand::kNone;
}

MediaCommand MediaKeyFilter::MessageTaken(bool keyDown, std::uint32_t virtualKey, bool repeat) {
    // The record names only the press whose key message comes next.
    const MediaCommand ran = std::exchange(ranFromKey_, MediaCommand::kNone);
    const MediaCommand command = keyDown ? MediaCommandOfKey(virtualKey) : MediaCommand::kNone;
    if (command == MediaCommand::kNone || repeat || command == ran) return MediaCommand::kNone;
    return command;
}

}  // namespace brambletune
