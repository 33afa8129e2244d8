#include "jukebox/model/Win32MessageBoxService.h"

#include <windows.h>

namespace brambletune {

int Win32MessageBoxService::Show(const std::string& text, const std::string& caption,
                                 std::uint32_t style) {
    return MessageBoxA(static_cast<HWND>(owner_), text.c_str(), caption.c_str(), style);
}

int Win32MessageBoxService::ShowOwned(std::uintptr_t owner, const std::string& text,
                                      const std::string& caption, std::uint32_t style) {
    return MessageBoxA(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), style);
}

}  // namespace brambletune
