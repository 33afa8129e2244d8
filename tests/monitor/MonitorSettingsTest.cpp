#include <gtest/gtest.h>

#include "monitor/doubles/FakePasswordVault.h"
#include "monitor/doubles/MemorySettingsStore.h"
#include "monitor/watch/MonitorSettings.h"

namespace vigilon {
namespace {

using testing::MemorySettingsStore;
using Lines = std::vector<std::string>;

TEST(ParseSettingInteger, ReadsDecimalAndHexadecimal) {
    EXPECT_EQ(ParseSettingInteger("0"), 0);
    EXPECT_EQ(ParseSettingInteger("1"), 1);
    EXPECT_EQ(ParseSettingInteger("-1"), -1);
    EXPECT_EQ(ParseSettingInteger("+17"), 17);
    EXPECT_EQ(ParseSettingInteger("0x1"), 1);
    EXPECT_EQ(ParseSettingInteger("0X1f"), 31);
    EXPECT_EQ(ParseSettingInteger("0xFFFFFFFF"), -1);
    EXPECT_EQ(ParseSettingInteger("2147483647"), 2147483647);
    EXPECT_EQ(ParseSettingInteger("-2147483648"), -2147483647 - 1);
}

TEST(ParseSettingInteger, RejectsWhatIsNotAnInteger) {
    for (const char* text : {"", "yes", "0x", "0X", "1.5", " 1", "1 ", "12a", "0x1G", "-",
                             "2147483648", "0x100000000", "99999999999999999999"}) {
        EXPECT_EQ(ParseSettingInteger(text), std::nullopt) << '"' << text << '"';
    }
}

TEST(SecondsFromText, ClampsAndFallsBack) {
    EXPECT_EQ(SecondsFromText("60"), 60);
    EXPECT_EQ(SecondsFromText("5"), 5);
    EXPECT_EQ(SecondsFromText("4"), 5);
    EXPECT_EQ(SecondsFromText("-30"), 5);
    EXPECT_EQ(SecondsFromText("600"), 600);
    EXPECT_EQ(SecondsFromText("601"), 600);
    EXPECT_EQ(SecondsFromText("0x10"), 16);
    EXPECT_EQ(SecondsFromText("soon"), 60);
    EXPECT_EQ(SecondsFromText(""), 60);
}

TEST(ReadSettings, FirstRunGivesEveryDefault) {
    MemorySettingsStore store;
    const MonitorSettings s = ReadSettings(store);
    EXPECT_EQ(s, MonitorSettings{});
    for (const auto& dir : s.dirs) EXPECT_EQ(dir, "");
    EXPECT_EQ(s.nSecs, 60);
    EXPECT_TRUE(s.notifyNew && s.notifyChange && s.notifyDelete);
    EXPECT_FALSE(s.autoStart);
    EXPECT_TRUE(s.soundAlarm);
    EXPECT_TRUE(s.mapi);
    EXPECT_TRUE(s.recipients.empty());
}

TEST(ReadSettings, FlagsReadAsIntegersWithDefaultsForWords) {
    MemorySettingsStore store;
    store.sections["Opts"] = {{"New", "0x0"},       {"Change", "maybe"},  {"Delete", "0"},
                              {"AutoStart", "0x1"}, {"SoundAlarm", "-5"}, {"MAPI", "no"}};
    const MonitorSettings s = ReadSettings(store);
    EXPECT_FALSE(s.notifyNew);
    EXPECT_TRUE(s.notifyChange);
    EXPECT_FALSE(s.notifyDelete);
    EXPECT_TRUE(s.autoStart);
    EXPECT_TRUE(s.soundAlarm);
    EXPECT_TRUE(s.mapi);
    EXPECT_TRUE(ReadAutoStart(store));
}

TEST(ReadSettings, RecipientsSkipEmptyLinesAndStopAtNumRecip) {
    MemorySettingsStore store;
    store.sections["Opts"] = {{"NumRecip", "3"},
                              {"Recip1", "a@x"},
                              {"Recip2", ""},
                              {"Recip3", "c@x"},
                              {"Recip4", "stale@x"}};
    EXPECT_EQ(ReadSettings(store).recipients, (Lines{"a@x", "c@x"}));
}

TEST(ReadSettings, RecipientsWithMalformedCounts) {
    MemorySettingsStore store;
    store.sections["Opts"] = {
        {"Recip1", "a@x"}, {"RECIP2", "b@x"}, {"Recip03", "c@x"}, {"Recip10", "j@x"}};
    EXPECT_TRUE(ReadSettings(store).recipients.empty());  // NumRecip missing: -1
    store.sections["Opts"]["NumRecip"] = "0";
    EXPECT_TRUE(ReadSettings(store).recipients.empty());
    store.sections["Opts"]["NumRecip"] = "many";
    EXPECT_TRUE(ReadSettings(store).recipients.empty());
    store.sections["Opts"]["NumRecip"] = "2147483647";
    EXPECT_EQ(ReadSettings(store).recipients, (Lines{"a@x", "b@x", "j@x"}));
    store.sections["Opts"]["NumRecip"] = "0xA";
    EXPECT_EQ(ReadSettings(store).recipients, (Lines{"a@x", "b@x", "j@x"}));
}

TEST(WriteSettings, WritesEveryEntryInOrder) {
    MemorySettingsStore store;
    MonitorSettings s;
    s.dirs[0] = "C:\\in";
    s.notifyChange = false;
    s.wav = "C:\\ding.wav";
    s.nSecs = 15;
    s.autoStart = true;
    s.mapi = false;
    s.server = "mail:2525";
    s.sender = "Me";
    s.senderEmail = "me@x";
    s.subject = "Files";
    s.recipients = {"a@x", "", "b@x"};
    s.security = 2;
    s.user = "ann";
    s.password = {'V', 'x', 0};
    WriteSettings(store, s);

    Lines expected{"Start\\Dir1=C:\\in"};
    for (int i = 2; i <= 20; ++i) expected.push_back("Start\\Dir" + std::to_string(i) + "=");
    for (const char* w :
         {"Opts\\New=1", "Opts\\Change=0", "Opts\\Delete=1", "Opts\\Wav=C:\\ding.wav",
          "Opts\\Nsecs=15", "Opts\\AutoStart=1", "Opts\\SoundAlarm=1", "Opts\\MAPI=0",
          "Opts\\Server=mail:2525", "Opts\\Sender=Me", "Opts\\SendEmail=me@x",
          "Opts\\Subject=Files", "Opts\\NumRecip=3", "Opts\\Recip1=a@x", "Opts\\Recip2=",
          "Opts\\Recip3=b@x", "Opts\\Security=2", "Opts\\User=ann", "Opts\\Password=<3 bytes>"}) {
        expected.push_back(w);
    }
    EXPECT_EQ(store.writes, expected);

    s.recipients = {"a@x", "b@x"};
    MonitorSettings read = ReadSettings(store);
    EXPECT_EQ(read.recipients, (Lines{"a@x", "b@x"}));  // the blank line is dropped on reading
    read.recipients = s.recipients;
    EXPECT_EQ(read, s);
}

TEST(WriteSettings, ShorterRecipientListLeavesStaleEntriesUnread) {
    MemorySettingsStore store;
    MonitorSettings s;
    s.recipients = {"1", "2", "3", "4", "5"};
    WriteSettings(store, s);
    s.recipients = {"x", "y"};
    WriteSettings(store, s);
    EXPECT_EQ(store.sections["Opts"]["NumRecip"], "2");
    EXPECT_EQ(store.sections["Opts"]["Recip5"], "5");
    EXPECT_EQ(ReadSettings(store).recipients, (Lines{"x", "y"}));
}

TEST(ReadSettings, SecurityOutsideItsThreeValuesMeansNone) {
    const std::pair<const char*, int> cases[] = {{"0", 0}, {"1", 1},  {"2", 2},  {"0x2", 2},
                                                 {"3", 0}, {"-1", 0}, {"tls", 0}};
    for (const auto& [text, security] : cases) {
        MemorySettingsStore store;
        store.sections["Opts"]["Security"] = text;
        EXPECT_EQ(ReadSettings(store).security, security) << text;
    }
}

TEST(PasswordVault, TheWindowsBoxEditsTheStoredPassword) {
    testing::FakePasswordVault vault;
    const std::vector<unsigned char> stored = *vault.Protect("old");
    struct Case {
        const char* typed;
        bool clear;
        std::string expected;  // "" when none is stored
    };
    const Case cases[] = {
        {"", false, "old"}, {"new", false, "new"}, {"", true, ""}, {"new", true, ""}};
    for (const Case& c : cases) {
        EXPECT_EQ(StoredPassword(EditedPassword(stored, c.typed, c.clear, vault), vault),
                  c.expected)
            << c.typed << c.clear;
    }
    vault.protectFails = true;
    EXPECT_EQ(EditedPassword(stored, "new", false, vault), stored);
    EXPECT_THROW(StoredPassword({'x'}, vault), std::runtime_error);
}

}  // namespace
}  // namespace vigilon
