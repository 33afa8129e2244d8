#include "monitor/watch/MonitorSettings.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace vigilon {
namespace {

const std::string kStart = "Start";
const std::string kOpts = "Opts";

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<int> ParseHex(std::string_view digits) {
    if (digits.empty() || digits.size() > 8) return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        const int d = HexDigit(c);
        if (d < 0) return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(d);
    }
    return static_cast<int>(value);
}

std::optional<int> ParseDecimal(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<int>(value);
}

std::string ReadText(const SettingsStore& store, const std::string& section,
                     const std::string& entry) {
    return store.ReadString(section, entry).value_or("");
}

int ReadNumber(const SettingsStore& store, const std::string& section, const std::string& entry,
               int fallback) {
    const auto text = store.ReadString(section, entry);
    if (!text) return fallback;
    return ParseSettingInteger(*text).value_or(fallback);
}

bool ReadFlag(const SettingsStore& store, const std::string& entry, bool fallback) {
    return ReadNumber(store, kOpts, entry, fallback ? 1 : 0) != 0;
}

void WriteFlag(SettingsStore& store, const std::string& entry, bool value) {
    store.WriteString(kOpts, entry, value ? "1" : "0");
}

std::string DirEntryName(int slot) {
    return "Dir" + std::to_string(slot + 1);
}
std::string RecipEntryName(std::size_t line) {
    return "Recip" + std::to_string(line + 1);
}

// The K of an entry named "Recip" + K (registry names ignore case), or 0.
int RecipNumber(const std::string& name) {
    if (name.size() < 6) return 0;
    for (std::size_t i = 0; i < 5; ++i) {
        if (std::tolower(static_cast<unsigned char>(name[i])) != "recip"[i]) return 0;
    }
    const std::string_view digits = std::string_view(name).substr(5);
    if (digits[0] == '0') return 0;
    const auto k = ParseDecimal(digits);
    if (!k || digits[0] == '+' || digits[0] == '-') return 0;
    return *k;
}

// Reads Recip1 .. RecipN in order, skipping empty ones. Only entries that exist
// are visited, so a malformed huge NumRecip costs nothing.
std::vector<std::string> ReadRecipients(const SettingsStore& store) {
    const int count = ReadNumber(store, kOpts, "NumRecip", -1);
    std::vector<std::string> lines;
    if (count < 1) return lines;
    // Each K with the entry's name as stored.
    std::vector<std::pair<int, std::string>> present;
    for (const auto& name : store.EntryNames(kOpts)) {
        const int k = RecipNumber(name);
        if (k >= 1 && k <= count) present.emplace_back(k, name);
    }
    std::sort(present.begin(), present.end());
    for (const auto& [k, name] : present) {
        std::string line = ReadText(store, kOpts, name);
        if (!line.empty()) lines.push_back(std::move(line));
    }
    return lines;
}

}  // namespace

std::optional<int> ParseSettingInteger(std::string_view text) {
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        return ParseHex(text.substr(2));
    }
    return ParseDecimal(text);
}

int SecondsFromText(std::string_view text) {
    const auto value = ParseSettingInteger(text);
    if (!value) return kDefaultSeconds;
    return std::clamp(*value, kMinSeconds, kMaxSeconds);
}

MonitorSettings ReadSettings(const SettingsStore& store) {
    MonitorSettings s;
    for (int i = 0; i < kFolderSlots; ++i) s.dirs[i] = ReadText(store, kStart, DirEntryName(i));
    s.wav = ReadText(store, kOpts, "Wav");
    s.nSecs = SecondsFromText(store.ReadString(kOpts, "Nsecs").value_or("60"));
    s.notifyNew = ReadFlag(store, "New", true);
    s.notifyChange = ReadFlag(store, "Change", true);
    s.notifyDelete = ReadFlag(store, "Delete", true);
    s.autoStart = ReadFlag(store, "AutoStart", false);
    s.soundAlarm = ReadFlag(store, "SoundAlarm", true);
    s.mapi = ReadFlag(store, "MAPI", true);
    s.server = ReadText(store, kOpts, "Server");
    s.sender = ReadText(store, kOpts, "Sender");
    s.senderEmail = ReadText(store, kOpts, "SendEmail");
    s.subject = ReadText(store, kOpts, "Subject");
    s.recipients = ReadRecipients(store);
    s.security = ReadNumber(store, kOpts, "Security", kSecurityNone);
    if (s.security < kSecurityNone || s.security > kSecurityTls) s.security = kSecurityNone;
    s.user = ReadText(store, kOpts, "User");
    s.password = store.ReadBinary(kOpts, "Password").value_or(std::vector<unsigned char>{});
    return s;
}

void WriteSettings(SettingsStore& store, const MonitorSettings& s) {
    for (int i = 0; i < kFolderSlots; ++i) store.WriteString(kStart, DirEntryName(i), s.dirs[i]);
    WriteFlag(store, "New", s.notifyNew);
    WriteFlag(store, "Change", s.notifyChange);
    WriteFlag(store, "Delete", s.notifyDelete);
    store.WriteString(kOpts, "Wav", s.wav);
    store.WriteString(kOpts, "Nsecs", std::to_string(s.nSecs));
    WriteFlag(store, "AutoStart", s.autoStart);
    WriteFlag(store, "SoundAlarm", s.soundAlarm);
    WriteFlag(store, "MAPI", s.mapi);
    store.WriteString(kOpts, "Server", s.server);
    store.WriteString(kOpts, "Sender", s.sender);
    store.WriteString(kOpts, "SendEmail", s.senderEmail);
    store.WriteString(kOpts, "Subject", s.subject);
    store.WriteString(kOpts, "NumRecip", std::to_string(s.recipients.size()));
    for (std::size_t i = 0; i < s.recipients.size(); ++i) {
        store.WriteString(kOpts, RecipEntryName(i), s.recipients[i]);
    }
    store.WriteString(kOpts, "Security", std::to_string(s.security));
    store.WriteString(kOpts, "User", s.user);
    store.WriteBinary(kOpts, "Password", s.password);
}

bool ReadAutoStart(const SettingsStore& store) {
    return ReadFlag(store, "AutoStart", false);
}

}  // namespace vigilon
