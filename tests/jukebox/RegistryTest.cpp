#include <gtest/gtest.h>

#include "jukebox/doubles/Latin1CodePages.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/settings/MGeneral.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

using testing::MemoryRegistryStore;
constexpr std::uint32_t HKCU = RegistryStore::kCurrentUser;
const std::string kWindowKey = std::string(kSettingsRoot) + "Window";

class RegistryTest : public ::testing::Test {
protected:
    MemoryRegistryStore store;
    void TearDown() override { EXPECT_EQ(store.OpenHandles(), 0u) << "every key is closed"; }
};

TEST_F(RegistryTest, SettingsRootPath) {
    EXPECT_STREQ(kSettingsRoot, "Software\\Tallowmere\\Brambletune\\2\\w\\");
    EXPECT_EQ(kOptionsKey, "Software\\Tallowmere\\Brambletune\\2\\w\\Options");
}

TEST_F(RegistryTest, StringValueIsStoredWithItsNulAndReadBackWithoutIt) {
    SetRegValue(store, HKCU, kWindowKey, "Name", std::string("abc"), 1);
    const auto* v = store.Find(HKCU, kWindowKey, "Name");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, 1u);
    EXPECT_EQ(v->data, (std::vector<std::uint8_t>{'a', 'b', 'c', 0}));
    EXPECT_EQ(GetRegString(store, HKCU, kWindowKey, "Name", "def"), "abc");
    // An existing empty string reads as empty, not as the default.
    SetRegValue(store, HKCU, kWindowKey, "Empty", std::string(), 1);
    EXPECT_EQ(store.Find(HKCU, kWindowKey, "Empty")->data.size(), 1u);
    EXPECT_EQ(GetRegString(store, HKCU, kWindowKey, "Empty", "def"), "");
    // A number stored as text.
    SetRegValue(store, HKCU, kWindowKey, "Num", std::int32_t{-12}, 1);
    EXPECT_EQ(GetRegString(store, HKCU, kWindowKey, "Num", ""), "-12");
}

TEST_F(RegistryTest, ForeignStringValuesAreReadUpToTheirFirstNul) {
    store.Put(HKCU, kWindowKey, "NoNul", 1, {'a', 'b', 'c'});
    store.Put(HKCU, kWindowKey, "TwoNuls", 1, {'a', 'b', 0, 0});
    store.Put(HKCU, kWindowKey, "Nothing", 1, {});
    EXPECT_EQ(GetRegString(store, HKCU, kWindowKey, "NoNul", "def"), "abc");
    EXPECT_EQ(GetRegString(store, HKCU, kWindowKey, "TwoNuls", "def"), "ab");
    EXPECT_EQ(GetRegString(store, HKCU, kWindowKey, "Nothing", "def"), "");
}

TEST_F(RegistryTest, DwordValueIsFourLittleEndianBytes) {
    SetRegValue(store, HKCU, kWindowKey, "ConsoleLeft", std::int32_t{-2}, 4);
    const auto* v = store.Find(HKCU, kWindowKey, "ConsoleLeft");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, 4u);
    EXPECT_EQ(v->data, (std::vector<std::uint8_t>{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(GetRegDword(store, HKCU, kWindowKey, "ConsoleLeft", 7), -2);
    SetRegValue(store, HKCU, kWindowKey, "FromText", std::string(" 1440 "), 4);
    EXPECT_EQ(GetRegDword(store, HKCU, kWindowKey, "FromText", 7), 1440);
    SetRegValue(store, HKCU, kWindowKey, "Bad", std::string("abc"), 4);
    EXPECT_EQ(store.Find(HKCU, kWindowKey, "Bad"), nullptr);
}

TEST_F(RegistryTest, MissingKeyOrValueGivesTheDefault) {
    EXPECT_EQ(GetRegDword(store, HKCU, "Software\\Nowhere", "x", 42), 42);
    EXPECT_FALSE(store.HasKey(HKCU, "Software\\Nowhere"));  // reads never create
    SetRegValue(store, HKCU, kWindowKey, "a", std::int32_t{1}, 4);
    EXPECT_EQ(GetRegDword(store, HKCU, kWindowKey, "missing", 5), 5);
    EXPECT_EQ(
        std::get<std::string>(GetRegValue(store, HKCU, kWindowKey, "missing", 1, std::string("d"))),
        "d");
}

TEST_F(RegistryTest, OnlyTypes1And4AndTheStoredTypeMustMatch) {
    SetRegValue(store, HKCU, kWindowKey, "dw", std::int32_t{5}, 4);
    SetRegValue(store, HKCU, kWindowKey, "sz", std::string("5"), 1);
    EXPECT_EQ(GetRegString(store, HKCU, kWindowKey, "dw", "def"), "def");
    EXPECT_EQ(GetRegDword(store, HKCU, kWindowKey, "sz", 9), 9);
    SetRegValue(store, HKCU, kWindowKey, "other", std::string("x"), 3);
    EXPECT_EQ(store.Find(HKCU, kWindowKey, "other"), nullptr);

    RegistryStore::Key key = 0;
    ASSERT_EQ(store.OpenKey(HKCU, kWindowKey, 0x3F, key), 0);
    RegValue out;
    EXPECT_EQ(QueryRegValue(store, key, "sz", 3, out), -1);
    EXPECT_EQ(QueryRegValue(store, key, "sz", 1, out), 0);
    EXPECT_EQ(std::get<std::string>(out), "5");
    EXPECT_EQ(QueryRegValue(store, key, "nope", 1, out), 2);
    EXPECT_EQ(std::get<std::string>(out), "");  // left empty on failure
    EXPECT_EQ(StoreRegValue(store, key, "x", 2, std::string("y")), -1);
    store.CloseKey(key);
}

TEST_F(RegistryTest, KeyAndValueNamesAreCaseInsensitive) {
    SetRegValue(store, HKCU, "Software\\Tallowmere\\Brambletune\\2\\w\\Window", "ConsoleTop",
                std::int32_t{3}, 4);
    EXPECT_EQ(GetRegDword(store, HKCU, "software\\TALLOWMERE\\brambletune\\2\\W\\window",
                          "consoletop", 0),
              3);
}

TEST_F(RegistryTest, BinaryRecordMustBeExactly332Bytes) {
    OptionsRecord r = DefaultOptions();
    r.SetGuessMode(1);
    SetRegBinary(store, HKCU, kOptionsKey, "Options", r);
    const auto* v = store.Find(HKCU, kOptionsKey, "Options");
    ASSERT_NE(v, nullptr);
    EXPECT_EQ(v->type, 3u);
    ASSERT_EQ(v->data.size(), 332u);
    EXPECT_EQ(v->data[208], 1);
    OptionsRecord back;
    ASSERT_TRUE(GetRegBinary(store, HKCU, kOptionsKey, "Options", back));
    EXPECT_EQ(back, r);

    for (std::size_t size : {0u, 331u, 333u, 664u}) {
        store.Put(HKCU, kOptionsKey, "Options", 3, std::vector<std::uint8_t>(size, 0x11));
        OptionsRecord x;
        EXPECT_FALSE(GetRegBinary(store, HKCU, kOptionsKey, "Options", x)) << size;
    }
    OptionsRecord x;
    EXPECT_FALSE(GetRegBinary(store, HKCU, "Software\\Missing", "Options", x));
}

TEST_F(RegistryTest, DeleteRegKeyRemovesOneKeyWithItsValues) {
    SetRegValue(store, HKCU, std::string(kSettingsRoot) + "Recent Files", "1", std::string("a.alb"),
                1);
    SetRegValue(store, HKCU, std::string(kSettingsRoot) + "Recent Files", "2", std::string("b.alb"),
                1);
    DeleteRegKey(store, HKCU, std::string(kSettingsRoot) + "Recent Files");
    EXPECT_FALSE(store.HasKey(HKCU, std::string(kSettingsRoot) + "Recent Files"));
    EXPECT_EQ(GetRegString(store, HKCU, std::string(kSettingsRoot) + "Recent Files", "1", ""), "");
    EXPECT_TRUE(store.HasKey(HKCU, kSettingsRoot));
}

TEST_F(RegistryTest, ReadsAskForReadAccessOnlyAndWritesFor0x3F) {
    constexpr std::uint32_t kKeyRead = 0x20019;
    // A standard user reads HKEY_LOCAL_MACHINE but cannot open it for changes.
    constexpr std::uint32_t HKLM = RegistryStore::kLocalMachine;
    const std::string current = "Software\\Microsoft\\Windows\\CurrentVersion";
    store.Put(HKLM, current, "CommonFilesDir", 1, {'C', ':', '\\', 'F', 0});
    store.readOnlyRoots.insert(HKLM);
    EXPECT_EQ(GetRegString(store, HKLM, current, "CommonFilesDir", "none"), "C:\\F");
    EXPECT_EQ(store.accessMasks, (std::vector<std::uint32_t>{kKeyRead}));

    store.accessMasks.clear();
    OptionsRecord record;
    SetRegValue(store, HKCU, kWindowKey, "ConsoleTop", std::int32_t{15}, 4);
    SetRegBinary(store, HKCU, kOptionsKey, "Options", record);
    EXPECT_EQ(GetRegDword(store, HKCU, kWindowKey, "ConsoleTop", 0), 15);
    EXPECT_TRUE(GetRegBinary(store, HKCU, kOptionsKey, "Options", record));
    EXPECT_EQ(store.accessMasks, (std::vector<std::uint32_t>{0x3F, 0x3F, kKeyRead, kKeyRead}));
}

TEST_F(RegistryTest, FailuresAreSilent) {
    store.failOpen = true;
    SetRegValue(store, HKCU, kWindowKey, "x", std::int32_t{1}, 4);
    EXPECT_EQ(GetRegDword(store, HKCU, kWindowKey, "x", 8), 8);
    OptionsRecord r;
    SetRegBinary(store, HKCU, kOptionsKey, "Options", r);
    EXPECT_FALSE(GetRegBinary(store, HKCU, kOptionsKey, "Options", r));
    DeleteRegKey(store, HKCU, kWindowKey);
}

// ---- options life cycle -------------------------------------------------------

TEST_F(RegistryTest, ReadOptionsWithoutAValueGivesTheDefaults) {
    Options.SetGuessMode(77);
    ReadOptions(store);
    EXPECT_EQ(Options, DefaultOptions());
    EXPECT_EQ(Options.BackgroundColor(), 0u);
    EXPECT_EQ(Options.TextColor(), 0x00FF00u);
    EXPECT_EQ(Options.DisplayState(), 0);
    EXPECT_EQ(Options.RecentCount(), 4);
    EXPECT_TRUE(Options.OnTop());
    EXPECT_EQ(Options.FontName(0), "");
}

TEST_F(RegistryTest, FontNamesAreReadByTheStoredTextRule) {
    OptionsRecord record = DefaultOptions();
    record.SetFontName(0, "Caf\xE9 Sans");       // written in the legacy code page
    record.SetFontName(1, "Caf\xC3\xA9 Serif");  // UTF-8
    record.SetFontName(2, "Arial");
    ReadFontNames(record, testing::Latin1CodePages());
    EXPECT_EQ(record.FontName(0), "Caf\xC3\xA9 Sans");
    EXPECT_EQ(record.FontName(1), "Caf\xC3\xA9 Serif");
    EXPECT_EQ(record.FontName(2), "Arial");
}

TEST_F(RegistryTest, StoredRecordIsUsedAsItIsEvenOutOfRange) {
    OptionsRecord stored = DefaultOptions();
    stored.SetGuessMode(99);
    stored.SetDisplayState(-5);
    stored.bytes()[330] = 0xAB;  // reserved bytes are kept as read
    store.Put(HKCU, kOptionsKey, "Options", 3,
              std::vector<std::uint8_t>(stored.bytes().begin(), stored.bytes().end()));
    ReadOptions(store);
    EXPECT_EQ(Options, stored);
    EXPECT_EQ(Options.GuessMode(), 99);
    SaveOptions(store);
    EXPECT_EQ(store.Find(HKCU, kOptionsKey, "Options")->data[330], 0xAB);
}

TEST_F(RegistryTest, WrongSizedValueIsIgnoredAndReplacedAtShutdown) {
    for (std::size_t size : {331u, 333u}) {
        store.Put(HKCU, kOptionsKey, "Options", 3, std::vector<std::uint8_t>(size, 0x22));
        ReadOptions(store);
        EXPECT_EQ(Options, DefaultOptions()) << size;
        SaveOptions(store);
        const auto* v = store.Find(HKCU, kOptionsKey, "Options");
        ASSERT_EQ(v->data.size(), 332u);
        EXPECT_EQ(v->type, 3u);
        EXPECT_TRUE(std::equal(v->data.begin(), v->data.end(), DefaultOptions().bytes().begin()));
    }
}

TEST_F(RegistryTest, SaveFlagOffWritesNothing) {
    OptionsRecord stored = DefaultOptions();
    stored.SetRecentCount(9);
    SetRegBinary(store, HKCU, kOptionsKey, "Options", stored);
    ReadOptions(store);
    Options.SetRecentCount(3);
    Options.SetSaveOptionsOnClose(false);
    SaveOptions(store);
    OptionsRecord back;
    ASSERT_TRUE(GetRegBinary(store, HKCU, kOptionsKey, "Options", back));
    EXPECT_EQ(back.RecentCount(), 9);
    EXPECT_TRUE(back.SaveOptionsOnClose());
    // Any non-zero flag value counts as set.
    Options.bytes()[328] = 1;
    Options.bytes()[329] = 0;
    SaveOptions(store);
    ASSERT_TRUE(GetRegBinary(store, HKCU, kOptionsKey, "Options", back));
    EXPECT_EQ(back.RecentCount(), 3);
}

TEST(WindowFlags, StartFalse) {
    EXPECT_FALSE(LyricsShowing);
    EXPECT_FALSE(SongShowing);
}

// ---- general helpers -------------------------------------------------------------

TEST(Clamp, Bounds) {
    EXPECT_EQ(Clamp(150, 0, 100), 100);
    EXPECT_EQ(Clamp(-3, 1, 20), 1);
    EXPECT_EQ(Clamp(5, 1, 20), 5);
    EXPECT_EQ(Clamp(1, 1, 20), 1);
    EXPECT_EQ(Clamp(20, 1, 20), 20);
    EXPECT_EQ(Clamp(5, 10, 0), 0);  // high is tested first
}

TEST(SplitString, StopsAtTheFirstEmptyFieldAndDropsTheTail) {
    std::vector<std::string> out;
    EXPECT_EQ(SplitString("a;b;;c", ';', out), 2);
    EXPECT_EQ(out, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(SplitString("a;b", ';', out), 1);
    EXPECT_EQ(out, (std::vector<std::string>{"a"}));
    EXPECT_EQ(SplitString(";a;", ';', out), 0);
    EXPECT_EQ(SplitString("", ';', out), 0);
    EXPECT_EQ(SplitString("abc", ';', out), 0);
    const std::string dialog("C:\\Music\\\0one.mp3\0two.mp3\0\0", 27);
    EXPECT_EQ(SplitString(dialog, '\0', out), 3);
    EXPECT_EQ(out, (std::vector<std::string>{"C:\\Music\\", "one.mp3", "two.mp3"}));
    EXPECT_EQ(SplitString(dialog, '\0', out, 11), 2);
    EXPECT_EQ(out, (std::vector<std::string>{"one.mp3", "two.mp3"}));
    EXPECT_EQ(SplitString("a;b;", ';', out, 3), 1);
    EXPECT_EQ(out, (std::vector<std::string>{"b"}));
    EXPECT_EQ(SplitString("a;b;", ';', out, 99), 0);
    EXPECT_EQ(SplitString("a;b;", ';', out, 0), 2);
}

}  // namespace
}  // namespace brambletune
