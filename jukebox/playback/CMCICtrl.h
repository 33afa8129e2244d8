#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace brambletune {

class MMCICtrl;

// One MCI device: opens a media file or an audio-CD track given as a .cda
// file, plays it from a position, pauses, stops and reports mode, position and
// length, all in milliseconds. Operations return the MCI error code (0 for
// success) and never throw; with no device open they do nothing and return 0.
// The end of a play command arrives later as the Notify event.
class CMCICtrl {
public:
    static constexpr std::int32_t kNoDevice = -2;

    explicit CMCICtrl(MMCICtrl& module);
    // Terminates the instance if it is still registered.
    ~CMCICtrl();
    CMCICtrl(const CMCICtrl&) = delete;
    CMCICtrl& operator=(const CMCICtrl&) = delete;

    // Registers the instance for completion notices. Call once before anything else.
    void Init();
    // Closes the device and unregisters the instance.
    void Terminate();

    // Opens path on this instance, closing whatever was open. A path ending in
    // ".cda" selects the CD track that file names.
    std::uint32_t OpenFile(const std::string& path);
    // Stops and closes the device.
    std::uint32_t CloseFile();
    // Plays from the position to the end, with a completion notice.
    std::uint32_t Play(std::int32_t from);
    // Pauses while playing; while paused, plays from the position.
    std::uint32_t Pause(std::int32_t from);
    // Stops without closing.
    std::uint32_t StopPlay();
    std::uint32_t OpenDoor();
    std::uint32_t CloseDoor();
    // The system's text for an MCI error code; "" when it has none.
    std::string ErrorString(std::uint32_t code) const;

    std::int32_t deviceID() const { return deviceID_; }
    const std::string& fileName() const { return fileName_; }
    std::int32_t Length() const { return length_; }
    std::int32_t LengthS() const { return length_ / 1000; }
    // The MCI mode (mci::kModePlay, ...); 0 when closed or when the device does not say.
    std::int32_t Mode();
    // The position in milliseconds (from the track's start for a CD track); 0
    // when closed or when the device does not say.
    std::int32_t Position();

    // Raised with the notice's flags when a play command on this device ends.
    std::function<void(std::uint32_t flags)> Notify;

private:
    friend class MMCICtrl;
    bool IsOpen() const { return deviceID_ != kNoDevice; }
    bool HasDevice(std::uint32_t id) const;
    void OnNotice(std::uint32_t flags);
    std::uint16_t ReadCdTrackNumber(const std::string& path) const;
    void ReadLength();
    void ReadTrackStart();
    // MCI_STATUS on the open device; false when the command fails.
    bool QueryStatus(std::uint32_t flags, std::uint32_t item, std::uintptr_t& value);

    MMCICtrl& module_;
    std::int32_t deviceID_ = kNoDevice;
    std::string fileName_;
    std::int32_t length_ = 0;
    bool isCd_ = false;
    std::uint16_t track_ = 0;
    std::int32_t trackStart_ = 0;
    bool paused_ = false;
};

}  // namespace brambletune
