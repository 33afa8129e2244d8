#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace brambletune {

// The MCI command set as CMCICtrl uses it. Flags and items carry the values of
// the Win32 constants they are named after, so the Win32 implementation passes
// them through unchanged.
namespace mci {
inline constexpr std::uint32_t kNotify = 0x1;            // MCI_NOTIFY
inline constexpr std::uint32_t kWait = 0x2;              // MCI_WAIT
inline constexpr std::uint32_t kFrom = 0x4;              // MCI_FROM
inline constexpr std::uint32_t kTo = 0x8;                // MCI_TO
inline constexpr std::uint32_t kTrack = 0x10;            // MCI_TRACK
inline constexpr std::uint32_t kOpenShareable = 0x100;   // MCI_OPEN_SHAREABLE
inline constexpr std::uint32_t kOpenElement = 0x200;     // MCI_OPEN_ELEMENT
inline constexpr std::uint32_t kOpenType = 0x2000;       // MCI_OPEN_TYPE
inline constexpr std::uint32_t kStatusItem = 0x100;      // MCI_STATUS_ITEM
inline constexpr std::uint32_t kSetDoorOpen = 0x100;     // MCI_SET_DOOR_OPEN
inline constexpr std::uint32_t kSetDoorClosed = 0x200;   // MCI_SET_DOOR_CLOSED
inline constexpr std::uint32_t kSetTimeFormat = 0x400;   // MCI_SET_TIME_FORMAT
inline constexpr std::uint32_t kFormatMilliseconds = 0;  // MCI_FORMAT_MILLISECONDS
inline constexpr std::uint32_t kStatusLength = 1;        // MCI_STATUS_LENGTH
inline constexpr std::uint32_t kStatusPosition = 2;      // MCI_STATUS_POSITION
inline constexpr std::uint32_t kStatusMode = 4;          // MCI_STATUS_MODE

// Device modes returned for kStatusMode (MCI_MODE_*).
inline constexpr std::int32_t kModeNotReady = 524;
inline constexpr std::int32_t kModeStop = 525;
inline constexpr std::int32_t kModePlay = 526;
inline constexpr std::int32_t kModeRecord = 527;
inline constexpr std::int32_t kModeSeek = 528;
inline constexpr std::int32_t kModePause = 529;
inline constexpr std::int32_t kModeOpen = 530;

// Flags of a completion notice (MCI_NOTIFY_*).
inline constexpr std::uint32_t kNotifySuccessful = 1;
inline constexpr std::uint32_t kNotifySuperseded = 2;
inline constexpr std::uint32_t kNotifyAborted = 4;
inline constexpr std::uint32_t kNotifyFailure = 8;
}  // namespace mci

// The parameter blocks of the commands. callback is the window that receives
// the completion notice of a command sent with mci::kNotify.
struct MciOpenParams {
    std::uintptr_t callback = 0;
    std::uint32_t deviceID = 0;  // out
    std::string deviceType;
    std::string elementName;
    std::string alias;
};

struct MciSetParams {
    std::uintptr_t callback = 0;
    std::uint32_t timeFormat = 0;
    std::uint32_t audio = 0;
};

struct MciStatusParams {
    std::uintptr_t callback = 0;
    std::uintptr_t returnValue = 0;  // out
    std::uint32_t item = 0;
    std::uint32_t track = 0;
};

struct MciPlayParams {
    std::uintptr_t callback = 0;
    std::uint32_t from = 0;
    std::uint32_t to = 0;
};

struct MciGenericParams {
    std::uintptr_t callback = 0;
};

// The hidden window that receives completion notices while it lives. It may be
// destroyed from inside its own handler (a notice that closes the last device):
// it then hands on no further notice and goes once the handler has returned.
class MciNotifyWindow {
public:
    virtual ~MciNotifyWindow() = default;
    // The value to pass as a command's callback.
    virtual std::uintptr_t Handle() const = 0;
};

// Receives each completion notice: the notice's flags and the device it is about.
using MciNoticeHandler = std::function<void(std::uint32_t flags, std::uint32_t deviceID)>;

// Every command returns the MCI error code, 0 for success.
class MciApi {
public:
    virtual ~MciApi() = default;
    virtual std::uint32_t Open(std::uint32_t flags, MciOpenParams& params) = 0;
    virtual std::uint32_t Set(std::uint32_t deviceID, std::uint32_t flags,
                              const MciSetParams& params) = 0;
    virtual std::uint32_t Status(std::uint32_t deviceID, std::uint32_t flags,
                                 MciStatusParams& params) = 0;
    virtual std::uint32_t Play(std::uint32_t deviceID, std::uint32_t flags,
                               const MciPlayParams& params) = 0;
    virtual std::uint32_t Pause(std::uint32_t deviceID, std::uint32_t flags,
                                const MciGenericParams& params) = 0;
    virtual std::uint32_t Stop(std::uint32_t deviceID, std::uint32_t flags,
                               const MciGenericParams& params) = 0;
    virtual std::uint32_t Close(std::uint32_t deviceID, std::uint32_t flags,
                                const MciGenericParams& params) = 0;
    // The system's text for an error code; false when it has none.
    virtual bool ErrorString(std::uint32_t code, std::string& text) = 0;
    // Creates the window that hands every notice posted to it to handler.
    virtual std::unique_ptr<MciNotifyWindow> CreateNotifyWindow(MciNoticeHandler handler) = 0;
};

}  // namespace brambletune
