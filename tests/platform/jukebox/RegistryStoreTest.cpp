// Win32RegistryStore and the options life cycle against Wine's registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"
#include "jukebox/settings/Win32RegistryStore.h"

namespace brambletune {
namespace {

constexpr std::uint32_t HKCU = RegistryStore::kCurrentUser;
const char* const kOptionsPath = "Software\\Tallowmere\\Brambletune\\2\\w\\Options";

// Reads a value with the plain Win32 API, independently of the store.
bool RawQuery(const char* path, const char* name, DWORD& type, std::vector<BYTE>& data) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    LONG status = RegQueryValueExA(key, name, nullptr, &type, nullptr, &size);
    if (status == ERROR_SUCCESS) {
        data.assign(size, 0);
        status = RegQueryValueExA(key, name, nullptr, &type, data.data(), &size);
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

void RawSetBinary(const char* path, const char* name, const std::vector<BYTE>& data) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(
        RegSetValueExA(key, name, 0, REG_BINARY, data.data(), static_cast<DWORD>(data.size())),
        ERROR_SUCCESS);
    RegCloseKey(key);
}

// Runs Wine's own reg.exe, a reader independent of this program.
std::string RegExeQuery(const std::string& path, const std::string& name) {
    const std::string command = "reg query \"HKCU\\" + path + "\" /v " + name + " 2>&1";
    std::string out;
    if (FILE* pipe = _popen(command.c_str(), "r")) {
        char buffer[512];
        while (std::fgets(buffer, sizeof buffer, pipe)) out += buffer;
        _pclose(pipe);
    }
    return out;
}

std::string Hex(const OptionsRecord::Bytes& bytes) {
    std::string s;
    char two[3];
    for (auto b : bytes) {
        std::snprintf(two, sizeof two, "%02X", b);
        s += two;
    }
    return s;
}

class Win32RegistryTest : public ::testing::Test {
protected:
    Win32RegistryStore store;
    void SetUp() override { RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsPath); }
    void TearDown() override { RegDeleteKeyA(HKEY_CURRENT_USER, kOptionsPath); }
};

TEST_F(Win32RegistryTest, SaveOptionsWritesA332ByteBinaryValueUnderTheSettingsRoot) {
    ASSERT_EQ(kOptionsKey, kOptionsPath);
    Options = DefaultOptions();
    Options.SetGuessMode(2);
    Options.SetFontName(1, "Courier New");
    Options.SetFontSize(1, 9.75);
    Options.SetBackgroundColor(0x00123456);
    SaveOptions(store);

    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(RawQuery(kOptionsPath, "Options", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(data.size(), 332u);
    EXPECT_TRUE(std::equal(data.begin(), data.end(), Options.bytes().begin()));
    EXPECT_EQ(data[208], 2);
    EXPECT_EQ(data[68], 0x56);

    // Read back through the store.
    const OptionsRecord saved = Options;
    Options = OptionsRecord();
    ReadOptions(store);
    EXPECT_EQ(Options, saved);
    EXPECT_EQ(Options.FontName(1), "Courier New");
    EXPECT_EQ(Options.FontSizeRaw(1), 97500);
}

TEST_F(Win32RegistryTest, RegExeSeesTheSameBytes) {
    OptionsRecord record = DefaultOptions();
    record.SetRecentCount(7);
    Options = record;
    SaveOptions(store);
    const std::string out = RegExeQuery(kOptionsPath, "Options");
    EXPECT_NE(out.find("REG_BINARY"), std::string::npos) << out;
    EXPECT_NE(out.find(Hex(record.bytes())), std::string::npos) << out;
}

TEST_F(Win32RegistryTest, WrongSizedValuesGiveTheDefaults) {
    for (std::size_t size : {331u, 333u}) {
        RawSetBinary(kOptionsPath, "Options", std::vector<BYTE>(size, 0x5A));
        Options.SetGuessMode(77);
        ReadOptions(store);
        EXPECT_EQ(Options, DefaultOptions()) << size;
        // Shutdown with the default save flag replaces it with a 332-byte value.
        SaveOptions(store);
        DWORD type = 0;
        std::vector<BYTE> data;
        ASSERT_TRUE(RawQuery(kOptionsPath, "Options", type, data));
        EXPECT_EQ(data.size(), 332u);
    }
}

TEST_F(Win32RegistryTest, MissingValueGivesTheDefaults) {
    Options.SetGuessMode(77);
    ReadOptions(store);
    EXPECT_EQ(Options, DefaultOptions());
    EXPECT_FALSE(KeyExists(kOptionsPath));  // reading creates nothing
}

TEST_F(Win32RegistryTest, SaveFlagOffLeavesTheStoredRecord) {
    Options = DefaultOptions();
    Options.SetRecentCount(9);
    SaveOptions(store);
    Options.SetRecentCount(3);
    Options.SetSaveOptionsOnClose(false);
    SaveOptions(store);
    OptionsRecord back;
    ASSERT_TRUE(GetRegBinary(store, HKCU, kOptionsPath, "Options", back));
    EXPECT_EQ(back.RecentCount(), 9);
}

TEST_F(Win32RegistryTest, DeleteRegKeyRemovesTheKeyAndItsValues) {
    Options = DefaultOptions();
    SaveOptions(store);
    ASSERT_TRUE(KeyExists(kOptionsPath));
    DeleteRegKey(store, HKCU, kOptionsPath);
    EXPECT_FALSE(KeyExists(kOptionsPath));
    OptionsRecord back;
    EXPECT_FALSE(GetRegBinary(store, HKCU, kOptionsPath, "Options", back));
    EXPECT_TRUE(KeyExists("Software\\Tallowmere\\Brambletune\\2\\w"));
}

TEST_F(Win32RegistryTest, StringAndDwordValues) {
    const std::string window = std::string(kSettingsRoot) + "Window";
    SetRegValue(store, HKCU, window, "ConsoleLeft", std::int32_t{-1440}, 4);
    SetRegValue(store, HKCU, window, "Title", std::string("Brambletune"), 1);
    SetRegValue(store, HKCU, window, "Empty", std::string(), 1);
    DWORD type = 0;
    std::vector<BYTE> data;
    ASSERT_TRUE(RawQuery(window.c_str(), "ConsoleLeft", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(data, (std::vector<BYTE>{0x60, 0xFA, 0xFF, 0xFF}));
    ASSERT_TRUE(RawQuery(window.c_str(), "Title", type, data));
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(data.size(), 12u);  // the NUL is counted
    EXPECT_EQ(GetRegDword(store, HKCU, window, "ConsoleLeft", 0), -1440);
    EXPECT_EQ(GetRegString(store, HKCU, window, "Title", "x"), "Brambletune");
    EXPECT_EQ(GetRegString(store, HKCU, window, "Empty", "x"), "");
    EXPECT_EQ(GetRegDword(store, HKCU, window, "Missing", 11), 11);
    EXPECT_EQ(GetRegDword(store, HKCU, "Software\\Tallowmere\\NoSuchKey", "x", 12), 12);
    // The root with its trailing backslash works as a key path.
    SetRegValue(store, HKCU, kSettingsRoot, "Instances", std::string("C:\\a.mp3"), 1);
    EXPECT_EQ(GetRegString(store, HKCU, kSettingsRoot, "Instances", ""), "C:\\a.mp3");
    ASSERT_TRUE(RawQuery("Software\\Tallowmere\\Brambletune\\2\\w", "Instances", type, data));
    DeleteRegKey(store, HKCU, window);
    EXPECT_FALSE(KeyExists(window.c_str()));
    HKEY root = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kSettingsRoot, 0, KEY_ALL_ACCESS, &root),
              ERROR_SUCCESS);
    RegDeleteValueA(root, "Instances");
    RegCloseKey(root);
}

TEST_F(Win32RegistryTest, ReadAccessReadsButCannotChange) {
    const std::string window = std::string(kSettingsRoot) + "Window";
    SetRegValue(store, HKCU, window, "ConsoleTop", std::int32_t{15}, 4);
    RegistryStore::Key key = 0;
    ASSERT_EQ(store.OpenKey(HKCU, window, RegistryStore::kReadAccess, key), ERROR_SUCCESS);
    std::uint8_t data[4] = {};
    std::uint32_t type = 0;
    std::uint32_t size = sizeof data;
    EXPECT_EQ(store.QueryValue(key, "ConsoleTop", type, data, size), ERROR_SUCCESS);
    EXPECT_EQ(data[0], 15);
    EXPECT_EQ(store.SetValue(key, "ConsoleTop", REG_DWORD, data, 4), ERROR_ACCESS_DENIED);
    store.CloseKey(key);
    DeleteRegKey(store, HKCU, window);

    // The help folder's base is read from HKEY_LOCAL_MACHINE.
    EXPECT_NE(GetRegString(store, RegistryStore::kLocalMachine,
                           "Software\\Microsoft\\Windows\\CurrentVersion", "CommonFilesDir", ""),
              "");
}

}  // namespace
}  // namespace brambletune
