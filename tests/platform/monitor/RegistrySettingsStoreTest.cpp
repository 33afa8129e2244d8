#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "monitor/watch/DpapiPasswordVault.h"
#include "monitor/watch/MonitorSettings.h"
#include "monitor/watch/RegistrySettingsStore.h"

namespace vigilon {
namespace {

constexpr const char* kRoot = "Software\\Quenmark\\VigilonPlatformTest";

class RegistrySettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kRoot); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kRoot); }

    static void SetRaw(const char* section, const char* entry, DWORD type, const void* data,
                       DWORD size) {
        HKEY key;
        const std::string path = std::string(kRoot) + "\\" + section;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                                  nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExA(key, entry, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    static DWORD TypeOf(const char* section, const char* entry) {
        HKEY key;
        const std::string path = std::string(kRoot) + "\\" + section;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) {
            return REG_NONE;
        }
        DWORD type = REG_NONE;
        RegQueryValueExA(key, entry, nullptr, &type, nullptr, nullptr);
        RegCloseKey(key);
        return type;
    }
};

TEST_F(RegistrySettingsStoreTest, CreatesTheRootKeyAndWritesTextValues) {
    RegistrySettingsStore store(kRoot);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kRoot, 0, KEY_READ, &key), ERROR_SUCCESS);
    RegCloseKey(key);

    EXPECT_EQ(store.ReadString("Opts", "Nsecs"), std::nullopt);
    store.WriteString("Opts", "Nsecs", "45");
    store.WriteString("Opts", "Empty", "");
    EXPECT_EQ(store.ReadString("Opts", "Nsecs"), "45");
    EXPECT_EQ(store.ReadString("opts", "NSECS"), "45");
    EXPECT_EQ(store.ReadString("Opts", "Empty"), "");
    EXPECT_EQ(TypeOf("Opts", "Nsecs"), static_cast<DWORD>(REG_SZ));
}

TEST_F(RegistrySettingsStoreTest, ValuesThatAreNotTextReadAsMissing) {
    RegistrySettingsStore store(kRoot);
    const DWORD number = 1;
    SetRaw("Opts", "New", REG_DWORD, &number, sizeof number);
    SetRaw("Opts", "Blob", REG_BINARY, "\x01\x02", 2);
    SetRaw("Opts", "NoNul", REG_SZ, "abc", 3);
    SetRaw("Opts", "Inner", REG_SZ, "ab\0cd", 6);
    EXPECT_EQ(store.ReadString("Opts", "New"), std::nullopt);
    EXPECT_EQ(store.ReadString("Opts", "Blob"), std::nullopt);
    EXPECT_EQ(store.ReadString("Opts", "NoNul"), "abc");
    EXPECT_EQ(store.ReadString("Opts", "Inner"), "ab");
    // A REG_DWORD flag is not a text entry: the default applies.
    SetRaw("Opts", "Change", REG_DWORD, &number, sizeof number);
    const DWORD zero = 0;
    SetRaw("Opts", "Delete", REG_DWORD, &zero, sizeof zero);
    EXPECT_TRUE(ReadSettings(store).notifyDelete);
}

TEST_F(RegistrySettingsStoreTest, EntryNamesListTheSection) {
    RegistrySettingsStore store(kRoot);
    EXPECT_TRUE(store.EntryNames("Opts").empty());
    store.WriteString("Opts", "Recip1", "a");
    store.WriteString("Opts", "Recip2", "b");
    auto names = store.EntryNames("Opts");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Recip1", "Recip2"}));
}

TEST_F(RegistrySettingsStoreTest, SettingsRoundTripThroughTheRegistry) {
    RegistrySettingsStore store(kRoot);
    MonitorSettings s;
    s.dirs[0] = "C:\\watched folder";
    s.dirs[19] = "D:\\";
    s.notifyDelete = false;
    s.nSecs = 600;
    s.soundAlarm = false;
    s.recipients = {"a@example.org", "b@example.org"};
    s.subject = "Caf\xe9";
    WriteSettings(store, s);
    EXPECT_EQ(ReadSettings(store), s);
    EXPECT_EQ(TypeOf("Start", "Dir20"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(TypeOf("Opts", "NumRecip"), static_cast<DWORD>(REG_SZ));
}

// The password is stored as DPAPI made it (REG_BINARY, never the text) and
// read back into the same text.
TEST_F(RegistrySettingsStoreTest, PasswordGoesThroughDpapiIntoABinaryValue) {
    RegistrySettingsStore store(kRoot);
    DpapiPasswordVault vault;
    const std::string password = "app pass: 7\xe9x";
    const auto stored = vault.Protect(password);
    ASSERT_TRUE(stored);
    EXPECT_EQ(std::search(stored->begin(), stored->end(), password.begin(), password.end()),
              stored->end());
    MonitorSettings settings;
    settings.security = 1;
    settings.user = "ann@example.com";
    settings.password = *stored;
    WriteSettings(store, settings);
    EXPECT_EQ(TypeOf("Opts", "Password"), static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(TypeOf("Opts", "Security"), static_cast<DWORD>(REG_SZ));
    const MonitorSettings read = ReadSettings(store);
    EXPECT_EQ(read, settings);
    EXPECT_EQ(vault.Unprotect(read.password), password);
    EXPECT_EQ(vault.Unprotect({1, 2, 3}), std::nullopt);
    EXPECT_EQ(store.ReadBinary("Opts", "User"), std::nullopt);  // text is not bytes
}

}  // namespace
}  // namespace vigilon
