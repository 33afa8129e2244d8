#include "jukebox/playback/CMCICtrl.h"

#include <algorithm>

#include "jukebox/model/AnsiText.h"
#include "jukebox/model/FileSystem.h"
#include "jukebox/model/TextCase.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/playback/MciApi.h"
#include "jukebox/playback/PathNames.h"
#include "jukebox/settings/MGeneral.h"

namespace brambletune {
namespace {

// A .cda file names its track in the bytes at these offsets.
constexpr std::streamoff kCdaTrackOffset = 21;

// By character: in a double-byte code page a trail byte may equal '.'.
bool IsCdTrack(const std::string& path, const TextCase& textCase) {
    const std::string name = FileNameOf(path, textCase);
    const auto dot = LastDot(name, textCase);
    return dot != std::string::npos && textCase.Upper(name.substr(dot + 1)) == "CDA";
}

std::uint32_t NonNegative(std::int32_t value) {
    return value < 0 ? 0u : static_cast<std::uint32_t>(value);
}

}  // namespace

CMCICtrl::CMCICtrl(MMCICtrl& module) : module_(module) {}

CMCICtrl::~CMCICtrl() {
    if (module_.IsRegistered(*this)) Terminate();
}

void CMCICtrl::Init() {
    // deviceID_ is kNoDevice from construction and after every close; resetting
    // it here would lose a device that is still open.
    module_.Register(*this);
}

void CMCICtrl::Terminate() {
    CloseFile();
    module_.Unregister(*this);
}

std::uint32_t CMCICtrl::OpenFile(const std::string& path) {
    const bool cd = IsCdTrack(path, module_.Text());
    const std::uint16_t track = cd ? ReadCdTrackNumber(path) : 0;
    MciOpenParams open;
    std::uint32_t flags = mci::kWait;
    if (cd) {
        flags |= mci::kOpenType | mci::kOpenShareable;
        open.deviceType = "cdaudio";
    } else {
        // Without a device type MCI picks the device by the file's extension.
        flags |= mci::kOpenElement;
        const std::string shortPath = module_.Paths().ShortPath(path);
        open.elementName = shortPath.empty() ? path : shortPath;
    }
    // Opening over a device that would not close would lose it for good.
    if (const std::uint32_t err = CloseFile(); err != 0) return err;

    isCd_ = cd;
    track_ = track;
    if (const std::uint32_t err = module_.Mci().Open(flags, open); err != 0) return err;
    deviceID_ = static_cast<std::int32_t>(open.deviceID);
    fileName_ = path;
    module_.Mci().Set(open.deviceID, mci::kSetTimeFormat, {0, mci::kFormatMilliseconds, 0});
    ReadLength();
    if (isCd_) ReadTrackStart();
    paused_ = false;
    return 0;
}

std::uint16_t CMCICtrl::ReadCdTrackNumber(const std::string& path) const {
    unsigned char bytes[2] = {0, 0};
    if (auto in = module_.Files().OpenRead(path)) {
        in->seekg(kCdaTrackOffset);
        in->read(reinterpret_cast<char*>(bytes), sizeof bytes);
        if (!*in) bytes[0] = bytes[1] = 0;
    }
    return static_cast<std::uint16_t>(bytes[0] * 16 + bytes[1]);
}

void CMCICtrl::ReadLength() {
    const std::uint32_t flags = mci::kStatusItem | mci::kWait | (isCd_ ? mci::kTrack : 0);
    std::uintptr_t length = 0;
    if (QueryStatus(flags, mci::kStatusLength, length)) length_ = static_cast<std::int32_t>(length);
}

void CMCICtrl::ReadTrackStart() {
    std::uintptr_t start = 0;
    const bool known =
        QueryStatus(mci::kStatusItem | mci::kTrack | mci::kWait, mci::kStatusPosition, start);
    trackStart_ = known ? static_cast<std::int32_t>(start) : 0;
}

bool CMCICtrl::QueryStatus(std::uint32_t flags, std::uint32_t item, std::uintptr_t& value) {
    MciStatusParams status;
    status.item = item;
    status.track = isCd_ ? track_ : 0;
    if (module_.Mci().Status(static_cast<std::uint32_t>(deviceID_), flags, status) != 0) {
        return false;
    }
    value = status.returnValue;
    return true;
}

std::uint32_t CMCICtrl::CloseFile() {
    if (!IsOpen()) return 0;
    StopPlay();
    const std::uint32_t err =
        module_.Mci().Close(static_cast<std::uint32_t>(deviceID_), mci::kWait, {});
    if (err != 0) return err;
    deviceID_ = kNoDevice;
    fileName_.clear();
    length_ = 0;
    return 0;
}

std::uint32_t CMCICtrl::Play(std::int32_t from) {
    if (!IsOpen()) return 0;
    MciPlayParams play;
    play.callback = module_.NotifyWindow();
    std::uint32_t flags = mci::kNotify | mci::kFrom;
    play.from = NonNegative(from);
    if (isCd_) {
        flags |= mci::kTo;
        play.from = NonNegative(trackStart_ + from);
        play.to = NonNegative(trackStart_ + length_);
    }
    paused_ = false;
    return module_.Mci().Play(static_cast<std::uint32_t>(deviceID_), flags, play);
}

std::uint32_t CMCICtrl::Pause(std::int32_t from) {
    if (!IsOpen()) return 0;
    switch (Mode()) {
    case mci::kModePlay:
        paused_ = true;
        return module_.Mci().Pause(static_cast<std::uint32_t>(deviceID_), 0, {});
    // A paused CD track reports kModePause even when the drive says stopped.
    case mci::kModePause: return Play(from);
    default: return 0;
    }
}

std::uint32_t CMCICtrl::StopPlay() {
    if (!IsOpen()) return 0;
    paused_ = false;
    return module_.Mci().Stop(static_cast<std::uint32_t>(deviceID_), 0, {});
}

std::uint32_t CMCICtrl::OpenDoor() {
    if (!IsOpen()) return 0;
    return module_.Mci().Set(static_cast<std::uint32_t>(deviceID_), mci::kSetDoorOpen, {});
}

std::uint32_t CMCICtrl::CloseDoor() {
    if (!IsOpen()) return 0;
    return module_.Mci().Set(static_cast<std::uint32_t>(deviceID_), mci::kSetDoorClosed, {});
}

std::string CMCICtrl::ErrorString(std::uint32_t code) const {
    std::string text;
    if (!module_.Mci().ErrorString(code, text)) return "";
    return TrimNull(text);
}

std::int32_t CMCICtrl::Mode() {
    if (!IsOpen()) return 0;
    if (isCd_ && paused_) return mci::kModePause;
    std::uintptr_t mode = 0;
    return QueryStatus(mci::kStatusItem | mci::kWait, mci::kStatusMode, mode)
               ? static_cast<std::int32_t>(mode)
               : 0;
}

std::int32_t CMCICtrl::Position() {
    if (!IsOpen()) return 0;
    std::uintptr_t position = 0;
    if (!QueryStatus(mci::kStatusItem | mci::kWait, mci::kStatusPosition, position)) return 0;
    const std::int32_t value = static_cast<std::int32_t>(position);
    if (!isCd_) return value;
    return std::max(value - trackStart_, 0);
}

bool CMCICtrl::HasDevice(std::uint32_t id) const {
    return IsOpen() && static_cast<std::uint32_t>(deviceID_) == id;
}

void CMCICtrl::OnNotice(std::uint32_t flags) {
    // A CD track that played to its end frees the drive at once.
    if (flags == mci::kNotifySuccessful && isCd_) CloseFile();
    if (Notify) Notify(flags);
}

}  // namespace brambletune
