#include <windows.h>
#include <mmsystem.h>

#include "jukebox/playback/Win32Mci.h"
#include "jukebox/playback/Win32MciNotifyWindow.h"

namespace brambletune {
namespace {

static_assert(mci::kNotify == MCI_NOTIFY && mci::kWait == MCI_WAIT && mci::kFrom == MCI_FROM &&
              mci::kTo == MCI_TO && mci::kTrack == MCI_TRACK);
static_assert(mci::kOpenShareable == MCI_OPEN_SHAREABLE && mci::kOpenElement == MCI_OPEN_ELEMENT &&
              mci::kOpenType == MCI_OPEN_TYPE);
static_assert(mci::kStatusItem == MCI_STATUS_ITEM && mci::kSetDoorOpen == MCI_SET_DOOR_OPEN &&
              mci::kSetDoorClosed == MCI_SET_DOOR_CLOSED &&
              mci::kSetTimeFormat == MCI_SET_TIME_FORMAT);
static_assert(mci::kFormatMilliseconds == MCI_FORMAT_MILLISECONDS &&
              mci::kStatusLength == MCI_STATUS_LENGTH &&
              mci::kStatusPosition == MCI_STATUS_POSITION && mci::kStatusMode == MCI_STATUS_MODE);
static_assert(mci::kModeNotReady == MCI_MODE_NOT_READY && mci::kModePlay == MCI_MODE_PLAY &&
              mci::kModePause == MCI_MODE_PAUSE && mci::kModeOpen == MCI_MODE_OPEN);
static_assert(mci::kNotifySuccessful == MCI_NOTIFY_SUCCESSFUL &&
              mci::kNotifySuperseded == MCI_NOTIFY_SUPERSEDED &&
              mci::kNotifyAborted == MCI_NOTIFY_ABORTED &&
              mci::kNotifyFailure == MCI_NOTIFY_FAILURE);

constexpr std::size_t kErrorTextSize = 128;

const char* TextOrNull(const std::string& text) {
    return text.empty() ? nullptr : text.c_str();
}

std::uint32_t Send(std::uint32_t deviceID, UINT message, std::uint32_t flags, void* params) {
    return mciSendCommandA(deviceID, message, flags, reinterpret_cast<DWORD_PTR>(params));
}

std::uint32_t SendGeneric(std::uint32_t deviceID, UINT message, std::uint32_t flags,
                          const MciGenericParams& params) {
    MCI_GENERIC_PARMS generic{};
    generic.dwCallback = params.callback;
    return Send(deviceID, message, flags, &generic);
}

}  // namespace

std::uint32_t Win32Mci::Open(std::uint32_t flags, MciOpenParams& params) {
    MCI_OPEN_PARMSA open{};
    open.dwCallback = params.callback;
    open.lpstrDeviceType = TextOrNull(params.deviceType);
    open.lpstrElementName = TextOrNull(params.elementName);
    open.lpstrAlias = TextOrNull(params.alias);
    const std::uint32_t err = Send(0, MCI_OPEN, flags, &open);
    if (err == 0) params.deviceID = open.wDeviceID;
    return err;
}

std::uint32_t Win32Mci::Set(std::uint32_t deviceID, std::uint32_t flags,
                            const MciSetParams& params) {
    MCI_SET_PARMS set{};
    set.dwCallback = params.callback;
    set.dwTimeFormat = params.timeFormat;
    set.dwAudio = params.audio;
    return Send(deviceID, MCI_SET, flags, &set);
}

std::uint32_t Win32Mci::Status(std::uint32_t deviceID, std::uint32_t flags,
                               MciStatusParams& params) {
    MCI_STATUS_PARMS status{};
    status.dwCallback = params.callback;
    status.dwItem = params.item;
    status.dwTrack = params.track;
    const std::uint32_t err = Send(deviceID, MCI_STATUS, flags, &status);
    if (err == 0) params.returnValue = status.dwReturn;
    return err;
}

std::uint32_t Win32Mci::Play(std::uint32_t deviceID, std::uint32_t flags,
                             const MciPlayParams& params) {
    MCI_PLAY_PARMS play{};
    play.dwCallback = params.callback;
    play.dwFrom = params.from;
    play.dwTo = params.to;
    return Send(deviceID, MCI_PLAY, flags, &play);
}

std::uint32_t Win32Mci::Pause(std::uint32_t deviceID, std::uint32_t flags,
                              const MciGenericParams& params) {
    return SendGeneric(deviceID, MCI_PAUSE, flags, params);
}

std::uint32_t Win32Mci::Stop(std::uint32_t deviceID, std::uint32_t flags,
                             const MciGenericParams& params) {
    return SendGeneric(deviceID, MCI_STOP, flags, params);
}

std::uint32_t Win32Mci::Close(std::uint32_t deviceID, std::uint32_t flags,
                              const MciGenericParams& params) {
    return SendGeneric(deviceID, MCI_CLOSE, flags, params);
}

bool Win32Mci::ErrorString(std::uint32_t code, std::string& text) {
    char buffer[kErrorTextSize] = {};
    if (!mciGetErrorStringA(code, buffer, kErrorTextSize)) return false;
    text.assign(buffer, kErrorTextSize);
    return true;
}

std::unique_ptr<MciNotifyWindow> Win32Mci::CreateNotifyWindow(MciNoticeHandler handler) {
    return std::make_unique<Win32MciNotifyWindow>(std::move(handler));
}

}  // namespace brambletune
