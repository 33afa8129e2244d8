#pragma once

#include <array>
#include <cstdint>

namespace brambletune {

// The media keys the console answers, as its Play-or-Pause, Stop, Next and
// Back commands.
enum class MediaCommand { kNone, kPlayOrPause, kStop, kNext, kPrevious };

// The command of a virtual key (VK_MEDIA_*), kNone for any other key.
MediaCommand MediaCommandOfKey(std::uint32_t virtualKey);
// The command of an application command (APPCOMMAND_MEDIA_*), kNone for another.
MediaCommand MediaCommandOfAppCommand(std::uint32_t appCommand);

// The keys registered as hot keys while the console is hidden, with the
// command of each.
struct MediaHotKey {
    std::uint32_t virtualKey;
    MediaCommand command;
};
extern const std::array<MediaHotKey, 4> kMediaHotKeys;

// A media key press can arrive twice: some systems send the application command
// made from it while the key message is being taken from the queue, before the
// message loop sees the key itself. The filter lets each press run once.
class MediaKeyFilter {
public:
    // An application command ran; fromKey: it was made from a key press.
    void AppCommandRan(MediaCommand command, bool fromKey);
    // A message taken from the queue: for a media key press (not a repeat of a
    // held key), its command unless the application command made from this
    // press already ran it; kNone for anything else.
    MediaCommand MessageTaken(bool keyDown, std::uint32_t virtualKey, bool repeat);

private:
    MediaCommand ranFromKey_ = MediaCommand::kNone;
};

}  // namespace brambletune
