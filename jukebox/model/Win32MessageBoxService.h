#pragma once

#include "jukebox/model/MessageBoxService.h"

namespace brambletune {

// MessageBoxA owned by a window (or by none).
class Win32MessageBoxService : public MessageBoxService {
public:
    explicit Win32MessageBoxService(void* owner = nullptr) : owner_(owner) {}
    void SetOwner(void* owner) { owner_ = owner; }
    int Show(const std::string& text, const std::string& caption, std::uint32_t style) override;
    int ShowOwned(std::uintptr_t owner, const std::string& text, const std::string& caption,
                  std::uint32_t style) override;

private:
    void* owner_;  // HWND
};

}  // namespace brambletune
