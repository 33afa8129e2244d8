#pragma once

#include "jukebox/playback/MciApi.h"

namespace brambletune {

// MciApi over mciSendCommandA and mciGetErrorStringA; notices arrive on a
// Win32MciNotifyWindow.
class Win32Mci : public MciApi {
public:
    std::uint32_t Open(std::uint32_t flags, MciOpenParams& params) override;
    std::uint32_t Set(std::uint32_t deviceID, std::uint32_t flags,
                      const MciSetParams& params) override;
    std::uint32_t Status(std::uint32_t deviceID, std::uint32_t flags,
                         MciStatusParams& params) override;
    std::uint32_t Play(std::uint32_t deviceID, std::uint32_t flags,
                       const MciPlayParams& params) override;
    std::uint32_t Pause(std::uint32_t deviceID, std::uint32_t flags,
                        const MciGenericParams& params) override;
    std::uint32_t Stop(std::uint32_t deviceID, std::uint32_t flags,
                       const MciGenericParams& params) override;
    std::uint32_t Close(std::uint32_t deviceID, std::uint32_t flags,
                        const MciGenericParams& params) override;
    // Fills text with the whole 128-character buffer, NULs included.
    bool ErrorString(std::uint32_t code, std::string& text) override;
    std::unique_ptr<MciNotifyWindow> CreateNotifyWindow(MciNoticeHandler handler) override;
};

}  // namespace brambletune
