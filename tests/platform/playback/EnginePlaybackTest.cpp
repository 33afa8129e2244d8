// The engine on Wine's real MCI: an album of generated tones plays from end to
// end in Normal order, and a segue starts the next tone on the second device
// while the previous one still sounds.
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <set>

#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/doubles/RecordingMessageBox.h"
#include "jukebox/model/Win32FileSystem.h"
#include "jukebox/model/Win32TextCase.h"
#include "jukebox/playback/CJukeBox.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/playback/Win32Mci.h"
#include "jukebox/playback/Win32PathNames.h"
#include "jukebox/playback/doubles/EngineDoubles.h"
#include "jukebox/settings/MJukebox.h"
#include "platform/playback/ToneFiles.h"

namespace brambletune {
namespace {

using namespace testing;

// The real MCI, watched: each play command notes whether another device was
// sounding at that moment.
class WatchedMci : public MciApi {
public:
    Win32Mci real;
    std::set<std::uint32_t> open;
    std::vector<bool> playedOverAnother;

    std::uint32_t Open(std::uint32_t flags, MciOpenParams& p) override {
        const std::uint32_t err = real.Open(flags, p);
        if (err == 0) open.insert(p.deviceID);
        return err;
    }
    std::uint32_t Set(std::uint32_t id, std::uint32_t flags, const MciSetParams& p) override {
        return real.Set(id, flags, p);
    }
    std::uint32_t Status(std::uint32_t id, std::uint32_t flags, MciStatusParams& p) override {
        return real.Status(id, flags, p);
    }
    std::uint32_t Play(std::uint32_t id, std::uint32_t flags, const MciPlayParams& p) override {
        bool another = false;
        for (const std::uint32_t other : open)
            another = another || (other != id && Sounding(other));
        playedOverAnother.push_back(another);
        return real.Play(id, flags, p);
    }
    std::uint32_t Pause(std::uint32_t id, std::uint32_t flags, const MciGenericParams& p) override {
        return real.Pause(id, flags, p);
    }
    std::uint32_t Stop(std::uint32_t id, std::uint32_t flags, const MciGenericParams& p) override {
        return real.Stop(id, flags, p);
    }
    std::uint32_t Close(std::uint32_t id, std::uint32_t flags, const MciGenericParams& p) override {
        open.erase(id);
        return real.Close(id, flags, p);
    }
    bool ErrorString(std::uint32_t code, std::string& text) override {
        return real.ErrorString(code, text);
    }
    std::unique_ptr<MciNotifyWindow> CreateNotifyWindow(MciNoticeHandler handler) override {
        return real.CreateNotifyWindow(std::move(handler));
    }

private:
    bool Sounding(std::uint32_t id) {
        MciStatusParams status;
        status.item = mci::kStatusMode;
        return real.Status(id, mci::kWait | mci::kStatusItem, status) == 0 &&
               status.returnValue == static_cast<std::uintptr_t>(mci::kModePlay);
    }
};

class EnginePlaybackTest : public ::testing::Test, protected EngineDesk {
protected:
    std::string dir;
    std::vector<std::string> written;
    WatchedMci mci;
    Win32FileSystem files;
    Win32PathNames paths;
    Win32TextCase textCase;
    MMCICtrl module{mci, files, paths, textCase};
    CJukeBox box{Services(module, files, paths, textCase)};

    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        dir = std::string(temp) + "engine platform " + std::to_string(GetCurrentProcessId()) + "\\";
        ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
        box.Init();
        Options.SetErrorAction(0);
    }
    void TearDown() override {
        box.Terminate();
        for (const auto& path : written) DeleteFileA(path.c_str());
        RemoveDirectoryA(dir.c_str());
    }
    void Tone(const std::string& title, int milliseconds) {
        const std::string path = dir + title + ".wav";
        std::ofstream(path.c_str(), std::ios::binary) << ToneWav(milliseconds);
        written.push_back(path);
        box.AddByPath(path);
    }
    void PlayFirstRow() {
        rows.SetSelectedItem(1);
        box.SetCurrentSong();
        box.PlaySong(0);
    }
    // Pumps messages with the console's status timer until play stops.
    bool PlayToTheEnd(DWORD timeoutMs) {
        return PumpUntil(
            [&] {
                box.MMCStatusUpdate();
                return console.labels[ConsoleView::kStatusLabel] == "Stopped";
            },
            timeoutMs);
    }
    std::vector<std::string> TitlesHeard() const {
        std::vector<std::string> titles;
        for (const auto& caption : console.captions)
            titles.push_back(caption.substr(0, caption.find(' ')));
        return titles;
    }
};

TEST_F(EnginePlaybackTest, AnAlbumOfThreeTonesPlaysFromEndToEndInNormalOrder) {
    Options.SetSegueSeconds(0);
    Tone("one", 300);
    Tone("two", 300);
    Tone("three", 300);
    PlayFirstRow();
    ASSERT_TRUE(PlayToTheEnd(20000)) << "play did not stop; captions: " << console.captions.size();
    EXPECT_EQ(TitlesHeard(), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EnginePlaybackTest, ASegueStartsTheNextToneWhileThePreviousStillSounds) {
    Options.SetSegueSeconds(1);
    Tone("first", 3500);
    Tone("second", 3500);
    PlayFirstRow();
    ASSERT_TRUE(PlayToTheEnd(30000));
    EXPECT_EQ(TitlesHeard(), (std::vector<std::string>{"first", "second"}));
    ASSERT_EQ(mci.playedOverAnother.size(), 2u);
    EXPECT_FALSE(mci.playedOverAnother[0]);
    EXPECT_TRUE(mci.playedOverAnother[1]) << "the second tone started after the first had ended";
}

}  // namespace
}  // namespace brambletune
