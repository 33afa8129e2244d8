#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "monitor/watch/SettingsStore.h"

namespace vigilon {

inline constexpr int kFolderSlots = 20;
inline constexpr int kMinSeconds = 5;
inline constexpr int kMaxSeconds = 600;
inline constexpr int kDefaultSeconds = 60;
// How mail goes to the SMTP server: plain, STARTTLS required, TLS from the first byte.
inline constexpr int kSecurityNone = 0;
inline constexpr int kSecurityTls = 2;

// Everything the main window's controls hold, as stored under
// HKCU\Software\Quenmark\Vigilon2000.
struct MonitorSettings {
    std::array<std::string, kFolderSlots> dirs;  // ed1 .. ed20
    bool notifyNew = true;                       // cbNew
    bool notifyChange = true;                    // cbChange
    bool notifyDelete = true;                    // cbDelete
    std::string wav;                             // edWave
    int nSecs = kDefaultSeconds;                 // nSecs
    bool autoStart = false;                      // cbAutoStart
    bool soundAlarm = true;                      // rbSoundAlarm (else rbSendEmail)
    bool mapi = true;                            // rbMAPI (else rbSMTP)
    std::string server;                          // edServer
    std::string sender;                          // edSender
    std::string senderEmail;                     // edEmail
    std::string subject;                         // edSubject
    std::vector<std::string> recipients;         // meRecipients, one line each
    int security = kSecurityNone;                // cbSecurity
    std::string user;                            // edUser; empty: no login
    std::vector<unsigned char> password;         // as the PasswordVault protected it; empty: none

    bool operator==(const MonitorSettings&) const = default;
};

// An integer as the settings store writes it: optional sign and decimal digits,
// or "0x"/"0X" followed by hexadecimal digits. Anything else, or a value outside
// 32 bits, gives nothing.
std::optional<int> ParseSettingInteger(std::string_view text);

// The seconds field's value for a stored text: clamped to 5..600, 60 when the
// text is not a number.
int SecondsFromText(std::string_view text);

MonitorSettings ReadSettings(const SettingsStore& store);
void WriteSettings(SettingsStore& store, const MonitorSettings& settings);
// The one entry read before any window exists.
bool ReadAutoStart(const SettingsStore& store);

}  // namespace vigilon
