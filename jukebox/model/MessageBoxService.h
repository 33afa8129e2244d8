#pragma once

#include <cstdint>
#include <string>

namespace brambletune {

// Modal message boxes as the model reports to the user. Style and result use
// the Win32 MessageBox codes.
class MessageBoxService {
public:
    static constexpr std::uint32_t kOk = 0x00000000;               // MB_OK
    static constexpr std::uint32_t kYesNoCancel = 0x00000003;      // MB_YESNOCANCEL
    static constexpr std::uint32_t kYesNo = 0x00000004;            // MB_YESNO
    static constexpr std::uint32_t kIconError = 0x00000010;        // MB_ICONERROR
    static constexpr std::uint32_t kIconQuestion = 0x00000020;     // MB_ICONQUESTION
    static constexpr std::uint32_t kIconExclamation = 0x00000030;  // MB_ICONEXCLAMATION
    static constexpr std::uint32_t kIconInformation = 0x00000040;  // MB_ICONINFORMATION
    static constexpr int kIdCancel = 2;                            // IDCANCEL
    static constexpr int kIdYes = 6;                               // IDYES
    static constexpr int kIdNo = 7;                                // IDNO

    virtual ~MessageBoxService() = default;
    // Shows the box and returns the button chosen (1 = IDOK).
    virtual int Show(const std::string& text, const std::string& caption, std::uint32_t style) = 0;
    // The same box owned by the given window (a HWND) instead of the usual owner.
    virtual int ShowOwned(std::uintptr_t owner, const std::string& text, const std::string& caption,
                          std::uint32_t style) = 0;
};

}  // namespace brambletune
