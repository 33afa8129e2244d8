// CMCICtrl over Win32Mci: generated PCM tones played on real MCI wave devices,
// completion notices received through the hidden notify window.
#include <gtest/gtest.h>
#include <windows.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "jukebox/model/Win32FileSystem.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/playback/CMCICtrl.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/playback/MciApi.h"
#include "jukebox/playback/Win32Mci.h"
#include "jukebox/playback/Win32PathNames.h"
#include "platform/playback/ToneFiles.h"

namespace brambletune {
namespace {

using testing::PumpUntil;
using testing::ToneWav;

constexpr std::uint32_t kFileNotFound = 275;       // MCIERR_FILE_NOT_FOUND
constexpr std::uint32_t kExtensionNotFound = 281;  // MCIERR_EXTENSION_NOT_FOUND
constexpr std::uint32_t kInvalidFile = 296;        // MCIERR_INVALID_FILE

class MciPlaybackTest : public ::testing::Test {
protected:
    std::string dir;
    std::vector<std::string> written;
    Win32Mci mci;
    Win32FileSystem files;
    Win32PathNames paths;
    Win32TextCase textCase;
    MMCICtrl module{mci, files, paths, textCase};
    CMCICtrl device{module};
    std::vector<std::uint32_t> notices;

    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        dir = std::string(temp) + "mci platform " + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
        device.Init();
        device.Notify = [this](std::uint32_t flags) { notices.push_back(flags); };
    }
    void TearDown() override {
        device.Terminate();
        for (const auto& path : written) DeleteFileA(path.c_str());
        RemoveDirectoryA(dir.c_str());
    }
    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = dir + name;
        std::ofstream(path.c_str(), std::ios::binary) << bytes;
        written.push_back(path);
        return path;
    }
    HWND NotifyWindow() const { return reinterpret_cast<HWND>(module.NotifyWindow()); }
};

TEST_F(MciPlaybackTest, OpensToneByItsLongNameAndReportsLength) {
    const std::string path = Write("a tone with a long name.wav", ToneWav(400));
    const std::string shortPath = paths.ShortPath(path);
    EXPECT_NE(shortPath, "");
    EXPECT_EQ(shortPath.find(' '), std::string::npos) << shortPath;
    ASSERT_EQ(device.OpenFile(path), 0u) << device.ErrorString(device.OpenFile(path));
    EXPECT_GT(device.deviceID(), 0);
    EXPECT_EQ(device.fileName(), path);
    EXPECT_NEAR(device.Length(), 400, 2);
    EXPECT_EQ(device.LengthS(), 0);
    EXPECT_EQ(device.Mode(), mci::kModeStop);
    EXPECT_EQ(device.Position(), 0);
}

TEST_F(MciPlaybackTest, PlaysToEndAndNotifiesThroughHiddenWindow) {
    ASSERT_EQ(device.OpenFile(Write("tone.wav", ToneWav(300))), 0u);
    ASSERT_EQ(device.Play(0), 0u);
    ASSERT_TRUE(PumpUntil([&] { return !notices.empty(); })) << "no MM_MCINOTIFY arrived";
    EXPECT_EQ(notices, (std::vector<std::uint32_t>{mci::kNotifySuccessful}));
    EXPECT_EQ(device.Mode(), mci::kModeStop);
    EXPECT_EQ(device.Position(), device.Length());
    EXPECT_GT(device.deviceID(), 0);  // a file stays open for the next play
}

TEST_F(MciPlaybackTest, HiddenWindowIsMessageOnlyAndPassesOtherMessagesOn) {
    const HWND hwnd = NotifyWindow();
    ASSERT_TRUE(IsWindow(hwnd));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    char text[32] = {};
    // WM_GETTEXT reaches the window's own procedure through the replacement.
    EXPECT_EQ(SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)), 10);
    EXPECT_STREQ(text, "frmMCICtrl");

    device.Terminate();
    EXPECT_FALSE(IsWindow(hwnd));
    device.Init();
    EXPECT_TRUE(IsWindow(NotifyWindow()));
}

TEST_F(MciPlaybackTest, NoticeThatClosesTheLastDeviceKeepsTheWindowUntilItReturns) {
    const HWND hwnd = NotifyWindow();
    bool windowDuringNotice = false;
    device.Notify = [&](std::uint32_t flags) {
        notices.push_back(flags);
        device.Terminate();
        windowDuringNotice = IsWindow(hwnd) != FALSE;
    };
    ASSERT_EQ(device.OpenFile(Write("last.wav", ToneWav(300))), 0u);
    ASSERT_EQ(device.Play(0), 0u);
    ASSERT_TRUE(PumpUntil([&] { return !notices.empty(); })) << "no MM_MCINOTIFY arrived";
    EXPECT_EQ(notices, (std::vector<std::uint32_t>{mci::kNotifySuccessful}));
    EXPECT_TRUE(windowDuringNotice) << "destroyed during its own notice";
    EXPECT_FALSE(IsWindow(hwnd)) << "left behind after the notice";
    EXPECT_EQ(module.NotifyWindow(), 0u);
    EXPECT_EQ(device.deviceID(), CMCICtrl::kNoDevice);
}

TEST_F(MciPlaybackTest, PausesResumesAndStops) {
    ASSERT_EQ(device.OpenFile(Write("long.wav", ToneWav(30000))), 0u);
    ASSERT_EQ(device.Play(1000), 0u);
    EXPECT_EQ(device.Mode(), mci::kModePlay);
    EXPECT_GE(device.Position(), 1000);

    ASSERT_EQ(device.Pause(0), 0u);
    EXPECT_EQ(device.Mode(), mci::kModePause);
    EXPECT_GE(device.Position(), 1000);
    // Wine reports wave positions in buffer steps; the last step lands shortly after the pause.
    std::int32_t settled = -1;
    ASSERT_TRUE(PumpUntil([&] {
        const std::int32_t before = device.Position();
        Sleep(100);
        settled = device.Position();
        return settled == before;
    }));
    Sleep(300);
    EXPECT_EQ(device.Position(), settled);
    EXPECT_EQ(device.Mode(), mci::kModePause);

    ASSERT_EQ(device.Pause(20000), 0u);  // resumes from the given position
    EXPECT_EQ(device.Mode(), mci::kModePlay);
    EXPECT_GE(device.Position(), 20000);

    ASSERT_EQ(device.StopPlay(), 0u);
    EXPECT_EQ(device.Mode(), mci::kModeStop);
    EXPECT_EQ(device.Pause(0), 0u);  // nothing to pause
    EXPECT_EQ(device.Mode(), mci::kModeStop);
    // Both play commands were cut short: neither may look like the end of the song.
    ASSERT_TRUE(PumpUntil([&] { return notices.size() >= 2; }));
    for (std::uint32_t flags : notices) {
        EXPECT_TRUE(flags == mci::kNotifyAborted || flags == mci::kNotifySuperseded) << flags;
    }
}

TEST_F(MciPlaybackTest, TwoDevicesPlayAtOnceAndEachHearsItsOwnEnd) {
    CMCICtrl other{module};
    other.Init();
    std::vector<std::uint32_t> otherNotices;
    other.Notify = [&](std::uint32_t flags) { otherNotices.push_back(flags); };

    ASSERT_EQ(device.OpenFile(Write("first.wav", ToneWav(3000))), 0u);
    ASSERT_EQ(other.OpenFile(Write("second.wav", ToneWav(300))), 0u);
    EXPECT_NE(device.deviceID(), other.deviceID());
    ASSERT_EQ(device.Play(0), 0u);
    ASSERT_EQ(other.Play(0), 0u);
    EXPECT_EQ(device.Mode(), mci::kModePlay);

    ASSERT_TRUE(PumpUntil([&] { return !otherNotices.empty(); }));
    EXPECT_EQ(otherNotices, (std::vector<std::uint32_t>{mci::kNotifySuccessful}));
    ASSERT_TRUE(PumpUntil([&] { return !notices.empty(); }));
    EXPECT_EQ(notices, (std::vector<std::uint32_t>{mci::kNotifySuccessful}));
    EXPECT_EQ(otherNotices.size(), 1u);
    other.Terminate();
    EXPECT_EQ(other.deviceID(), CMCICtrl::kNoDevice);
}

TEST_F(MciPlaybackTest, MissingFileReportsNotFound) {
    const std::uint32_t err = device.OpenFile(dir + "absent.wav");
    EXPECT_EQ(err, kFileNotFound);
    const std::string text = device.ErrorString(err);
    EXPECT_NE(text, "");
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_EQ(device.deviceID(), CMCICtrl::kNoDevice);
    EXPECT_EQ(device.fileName(), "");
}

TEST_F(MciPlaybackTest, NonMediaFilesAreRefused) {
    const std::pair<const char*, std::uint32_t> cases[] = {{"notes.txt", kExtensionNotFound},
                                                           {"fake.wav", kInvalidFile}};
    for (const auto& [name, expected] : cases) {
        const std::uint32_t err = device.OpenFile(Write(name, "just some text, not a sound\r\n"));
        EXPECT_EQ(err, expected) << name;
        EXPECT_NE(device.ErrorString(err), "") << name;
        EXPECT_EQ(device.deviceID(), CMCICtrl::kNoDevice) << name;
    }
}

}  // namespace
}  // namespace brambletune
