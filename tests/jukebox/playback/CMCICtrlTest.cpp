// CMCICtrl over a scripted MCI: the commands each operation sends, error codes,
// CD tracks and the routing of completion notices.
#include <gtest/gtest.h>

#include <optional>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/MemoryFileSystem.h"
#include "jukebox/playback/CMCICtrl.h"
#include "jukebox/playback/MMCICtrl.h"
#include "jukebox/playback/doubles/ScriptedMci.h"

namespace brambletune {
namespace {

using testing::MciCall;
using testing::ScriptedMci;
using Strings = std::vector<std::string>;

constexpr std::uint32_t kFileNotFound = 275;  // MCIERR_FILE_NOT_FOUND

MciCall Status(std::uint32_t id, std::uint32_t flags, std::uint32_t item, std::uint32_t track = 0) {
    MciCall call{"status", id, flags};
    call.item = item;
    call.track = track;
    return call;
}

MciCall Play(std::uint32_t id, std::uint32_t flags, std::uint32_t from, std::uint32_t to = 0) {
    MciCall call{"play", id, flags};
    call.from = from;
    call.to = to;
    call.callback = ScriptedMci::kWindowHandle;
    return call;
}

MciCall SetMilliseconds(std::uint32_t id) {
    MciCall call{"set", id, 0x400};
    call.timeFormat = 0;
    return call;
}

// A .cda file whose bytes 21 and 22 are high and low.
std::string CdaFile(unsigned char high, unsigned char low) {
    std::string bytes(44, '\0');
    bytes.replace(0, 4, "RIFF");
    bytes[21] = static_cast<char>(high);
    bytes[22] = static_cast<char>(low);
    return bytes;
}

class CMCICtrlTest : public ::testing::Test {
protected:
    ScriptedMci mci;
    testing::MemoryFileSystem files;
    testing::TablePathNames paths;
    testing::DbcsTextCase textCase;
    MMCICtrl module{mci, files, paths, textCase};
    CMCICtrl device{module};
    std::vector<std::uint32_t> notices;

    void SetUp() override {
        device.Init();
        device.Notify = [this](std::uint32_t flags) { notices.push_back(flags); };
    }
    // Opens a file on device ID 1 with the given length, then forgets the commands.
    void OpenSong(std::uintptr_t length = 5000) {
        mci.status[{1, 1}] = length;
        ASSERT_EQ(device.OpenFile("C:\\Music\\song.wav"), 0u);
        mci.calls.clear();
    }
    void OpenTrack2(std::uintptr_t start, std::uintptr_t length) {
        files.files["D:\\Track02.cda"] = CdaFile(0, 2);
        mci.status[{1, 2}] = start;
        mci.status[{1, 1}] = length;
        ASSERT_EQ(device.OpenFile("D:\\Track02.cda"), 0u);
        mci.calls.clear();
    }
};

TEST_F(CMCICtrlTest, ClosedInstanceSendsNothingAndReportsZero) {
    EXPECT_EQ(device.deviceID(), -2);
    EXPECT_EQ(device.fileName(), "");
    EXPECT_EQ(device.Length(), 0);
    EXPECT_EQ(device.Mode(), 0);
    EXPECT_EQ(device.Position(), 0);
    mci.errors["play"] = mci.errors["stop"] = mci.errors["close"] = {263};
    EXPECT_EQ(device.Play(100), 0u);
    EXPECT_EQ(device.Pause(100), 0u);
    EXPECT_EQ(device.StopPlay(), 0u);
    EXPECT_EQ(device.CloseFile(), 0u);
    EXPECT_EQ(device.OpenDoor(), 0u);
    EXPECT_EQ(device.CloseDoor(), 0u);
    EXPECT_TRUE(mci.calls.empty());
}

TEST_F(CMCICtrlTest, OpensFileByShortPathInMilliseconds) {
    paths.shortForms["C:\\My Music\\Long song name.wav"] = "C:\\MYMUSI~1\\LONGSO~1.WAV";
    mci.status[{1, 1}] = 61999;
    EXPECT_EQ(device.OpenFile("C:\\My Music\\Long song name.wav"), 0u);

    const std::vector<MciCall> expected = {
        {"open", 0, 0x202, "", "C:\\MYMUSI~1\\LONGSO~1.WAV"},
        SetMilliseconds(1),
        Status(1, 0x102, 1),
    };
    EXPECT_EQ(mci.calls, expected);
    EXPECT_EQ(device.deviceID(), 1);
    EXPECT_EQ(device.fileName(), "C:\\My Music\\Long song name.wav");
    EXPECT_EQ(device.Length(), 61999);
    EXPECT_EQ(device.LengthS(), 61);
}

TEST_F(CMCICtrlTest, OpenWithoutShortFormUsesPathAndClosesPreviousDevice) {
    OpenSong();
    mci.status[{2, 1}] = 3000;
    EXPECT_EQ(device.OpenFile("C:\\b.wav"), 0u);
    EXPECT_EQ(mci.Commands(), (Strings{"stop", "close", "open", "set", "status"}));
    EXPECT_EQ(mci.calls[1], (MciCall{"close", 1, 2}));
    EXPECT_EQ(mci.calls[2].elementName, "C:\\b.wav");
    EXPECT_EQ(device.deviceID(), 2);
    EXPECT_EQ(device.Length(), 3000);
}

TEST_F(CMCICtrlTest, FailedOpenReturnsCodeAndLeavesDeviceClosed) {
    OpenSong();
    mci.errors["open"] = {kFileNotFound};
    EXPECT_EQ(device.OpenFile("C:\\missing.wav"), kFileNotFound);
    EXPECT_EQ(device.deviceID(), -2);
    EXPECT_EQ(device.fileName(), "");
    EXPECT_EQ(device.Length(), 0);
    EXPECT_EQ(mci.Commands(), (Strings{"stop", "close", "open"}));
}

TEST_F(CMCICtrlTest, FailedLengthQueryKeepsZeroLength) {
    mci.errors["status"] = {346};
    EXPECT_EQ(device.OpenFile("C:\\a.avi"), 0u);
    EXPECT_EQ(device.deviceID(), 1);
    EXPECT_EQ(device.Length(), 0);
    EXPECT_EQ(device.LengthS(), 0);
}

TEST_F(CMCICtrlTest, DeviceThatWillNotCloseIsNotOpenedOver) {
    OpenSong();
    mci.errors["close"] = {263};
    EXPECT_EQ(device.OpenFile("C:\\b.wav"), 263u);
    EXPECT_EQ(mci.Commands(), (Strings{"stop", "close"}));
    EXPECT_EQ(device.deviceID(), 1);
    EXPECT_EQ(device.fileName(), "C:\\Music\\song.wav");

    // Nor does the refused CD track change how the open file is addressed.
    files.files["D:\\Track02.cda"] = CdaFile(0, 2);
    mci.errors["close"] = {263};
    EXPECT_EQ(device.OpenFile("D:\\Track02.cda"), 263u);
    mci.calls.clear();
    EXPECT_EQ(device.Play(100), 0u);
    EXPECT_EQ(mci.calls, (std::vector<MciCall>{Play(1, 5, 100)}));
}

TEST_F(CMCICtrlTest, PlayAsksForNoticeFromPosition) {
    OpenSong();
    mci.errors["play"] = {0, 277};
    EXPECT_EQ(device.Play(1500), 0u);
    EXPECT_EQ(device.Play(-3), 277u);
    EXPECT_EQ(mci.calls, (std::vector<MciCall>{Play(1, 5, 1500), Play(1, 5, 0)}));
}

TEST_F(CMCICtrlTest, PauseDependsOnMode) {
    OpenSong();
    mci.status[{1, 4}] = 526;
    mci.errors["pause"] = {282};
    EXPECT_EQ(device.Pause(700), 282u);
    EXPECT_EQ(mci.calls, (std::vector<MciCall>{Status(1, 0x102, 4), {"pause", 1, 0}}));

    mci.calls.clear();
    mci.status[{1, 4}] = 529;
    EXPECT_EQ(device.Pause(700), 0u);
    EXPECT_EQ(mci.calls, (std::vector<MciCall>{Status(1, 0x102, 4), Play(1, 5, 700)}));

    mci.calls.clear();
    mci.status[{1, 4}] = 525;
    EXPECT_EQ(device.Pause(700), 0u);
    EXPECT_EQ(mci.Commands(), Strings{"status"});
}

TEST_F(CMCICtrlTest, ModeAndPositionReadStatusOrZeroOnFailure) {
    OpenSong();
    mci.status[{1, 4}] = 526;
    mci.status[{1, 2}] = 1234;
    EXPECT_EQ(device.Mode(), 526);
    EXPECT_EQ(device.Position(), 1234);
    EXPECT_EQ(mci.calls, (std::vector<MciCall>{Status(1, 0x102, 4), Status(1, 0x102, 2)}));
    mci.errors["status"] = {346, 346};
    EXPECT_EQ(device.Mode(), 0);
    EXPECT_EQ(device.Position(), 0);
}

TEST_F(CMCICtrlTest, CloseStopsClosesAndForgets) {
    OpenSong(61999);
    mci.errors["stop"] = {263};
    EXPECT_EQ(device.CloseFile(), 0u);
    EXPECT_EQ(mci.calls, (std::vector<MciCall>{{"stop", 1, 0}, {"close", 1, 2}}));
    EXPECT_EQ(device.deviceID(), -2);
    EXPECT_EQ(device.fileName(), "");
    EXPECT_EQ(device.LengthS(), 0);
    mci.calls.clear();
    EXPECT_EQ(device.CloseFile(), 0u);
    EXPECT_TRUE(mci.calls.empty());
}

TEST_F(CMCICtrlTest, FailedCloseKeepsEverything) {
    OpenSong(61999);
    mci.errors["close"] = {263};
    EXPECT_EQ(device.CloseFile(), 263u);
    EXPECT_EQ(device.deviceID(), 1);
    EXPECT_EQ(device.fileName(), "C:\\Music\\song.wav");
    EXPECT_EQ(device.Length(), 61999);
}

TEST_F(CMCICtrlTest, StopAndDoorCommands) {
    OpenSong();
    mci.errors["stop"] = {263};
    EXPECT_EQ(device.StopPlay(), 263u);
    EXPECT_EQ(device.OpenDoor(), 0u);
    EXPECT_EQ(device.CloseDoor(), 0u);
    EXPECT_EQ(mci.calls,
              (std::vector<MciCall>{{"stop", 1, 0}, {"set", 1, 0x100}, {"set", 1, 0x200}}));
}

TEST_F(CMCICtrlTest, ErrorStringIsTextUpToFirstNul) {
    mci.errorTexts[kFileNotFound] = std::string("The file was not found.\0junk", 28);
    EXPECT_EQ(device.ErrorString(kFileNotFound), "The file was not found.");
    EXPECT_EQ(device.ErrorString(9999), "");
}

TEST_F(CMCICtrlTest, CdTrackOpensAudioDeviceAndReadsTrackFromFile) {
    files.files["D:\\Track02.cda"] = CdaFile(0, 2);
    mci.status[{1, 1}] = 200000;
    mci.status[{1, 2}] = 180000;
    EXPECT_EQ(device.OpenFile("D:\\Track02.cda"), 0u);
    const std::vector<MciCall> expected = {
        {"open", 0, 0x2102, "cdaudio", ""},
        SetMilliseconds(1),
        Status(1, 0x112, 1, 2),
        Status(1, 0x112, 2, 2),
    };
    EXPECT_EQ(mci.calls, expected);
    EXPECT_EQ(device.fileName(), "D:\\Track02.cda");
    EXPECT_EQ(device.Length(), 200000);
}

TEST_F(CMCICtrlTest, CdTrackNumberUsesBothBytesAndAnyCaseOfExtension) {
    files.files["D:\\Track.CdA"] = CdaFile(1, 3);
    EXPECT_EQ(device.OpenFile("D:\\Track.CdA"), 0u);
    EXPECT_EQ(mci.calls[0].command, "open");
    EXPECT_EQ(mci.calls[2].track, 19u);

    mci.calls.clear();
    files.files["D:\\short.cda"] = std::string(22, '\0');  // ends before byte 22
    EXPECT_EQ(device.OpenFile("D:\\short.cda"), 0u);
    EXPECT_EQ(device.OpenFile("D:\\absent.cda"), 0u);
    for (const MciCall& call : mci.calls) {
        if (call.command != "status") continue;
        EXPECT_EQ(call.track, 0u);
    }
}

// The fixture's code page is double-byte: "\x81." is one character, not a dot.
TEST_F(CMCICtrlTest, TrailByteIsNotTheDotOfACdTrack) {
    files.files["D:\\Track\x81.cda"] = CdaFile(0, 2);
    EXPECT_EQ(device.OpenFile("D:\\Track\x81.cda"), 0u);
    ASSERT_FALSE(mci.calls.empty());
    EXPECT_EQ(mci.calls[0].deviceType, "");
}

TEST_F(CMCICtrlTest, CdTrackPlaysWithinTrackAndCountsFromItsStart) {
    OpenTrack2(180000, 200000);
    EXPECT_EQ(device.Play(5000), 0u);
    EXPECT_EQ(mci.calls, (std::vector<MciCall>{Play(1, 13, 185000, 380000)}));

    mci.status[{1, 2}] = 190500;
    EXPECT_EQ(device.Position(), 10500);
    mci.status[{1, 2}] = 100;  // the drive still seeking towards the track
    EXPECT_EQ(device.Position(), 0);
}

TEST_F(CMCICtrlTest, PausedCdTrackReportsPausedAndResumes) {
    OpenTrack2(180000, 200000);
    mci.status[{1, 4}] = 526;
    EXPECT_EQ(device.Pause(0), 0u);
    mci.status[{1, 4}] = 525;  // some drives report a paused disc as stopped
    EXPECT_EQ(device.Mode(), 529);

    mci.calls.clear();
    EXPECT_EQ(device.Pause(4000), 0u);
    EXPECT_EQ(mci.calls.back(), Play(1, 13, 184000, 380000));
    EXPECT_EQ(device.Mode(), 525);
}

TEST_F(CMCICtrlTest, NoticesReachTheInstanceWithThatDevice) {
    CMCICtrl other{module};
    other.Init();
    std::vector<std::uint32_t> otherNotices;
    other.Notify = [&](std::uint32_t flags) { otherNotices.push_back(flags); };
    CMCICtrl idle{module};  // registered, never opened
    idle.Init();
    idle.Notify = [](std::uint32_t) { ADD_FAILURE() << "notice for a closed instance"; };
    EXPECT_EQ(mci.windowsCreated, 1);
    OpenSong();
    ASSERT_EQ(other.OpenFile("C:\\next.wav"), 0u);

    EXPECT_TRUE(mci.Post(1, 2));
    EXPECT_TRUE(mci.Post(4, 1));
    EXPECT_TRUE(mci.Post(1, 7));           // no such device: dropped
    EXPECT_TRUE(mci.Post(1, 0xFFFFFFFE));  // never matches a closed instance
    EXPECT_EQ(otherNotices, (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(notices, (std::vector<std::uint32_t>{4}));
    EXPECT_EQ(device.deviceID(), 1);  // a file stays open after its notice
}

TEST_F(CMCICtrlTest, CdTrackThatEndsIsClosedBeforeNotify) {
    OpenTrack2(0, 1000);
    std::optional<std::int32_t> idDuringNotify;
    device.Notify = [&](std::uint32_t) { idDuringNotify = device.deviceID(); };
    mci.Post(2, 1);  // superseded: still open
    EXPECT_EQ(idDuringNotify, 1);
    mci.Post(1, 1);
    EXPECT_EQ(idDuringNotify, -2);
    EXPECT_EQ(mci.Commands(), (Strings{"stop", "close"}));
}

TEST_F(CMCICtrlTest, SharedDeviceNoticeGoesToFirstRegisteredInstance) {
    // Shareable CD opens may hand out the same device ID to several instances.
    CMCICtrl second{module}, third{module};
    second.Init();
    third.Init();
    int secondCount = 0, thirdCount = 0;
    second.Notify = [&](std::uint32_t) { ++secondCount; };
    third.Notify = [&](std::uint32_t) { ++thirdCount; };
    for (CMCICtrl* d : {&device, &second, &third}) {
        mci.nextDeviceID = 9;
        ASSERT_EQ(d->OpenFile("C:\\same.wav"), 0u);
    }
    mci.Post(2, 9);
    EXPECT_EQ(notices.size(), 1u);

    device.Terminate();  // the last instance takes the freed first slot
    mci.Post(2, 9);
    EXPECT_EQ(thirdCount, 1);
    EXPECT_EQ(secondCount, 0);
}

TEST_F(CMCICtrlTest, NotifyHandlerMayTerminateTheLastInstance) {
    OpenSong();
    device.Notify = [&](std::uint32_t flags) {
        notices.push_back(flags);
        device.Terminate();
    };
    EXPECT_TRUE(mci.Post(1, 1));
    EXPECT_EQ(notices, (std::vector<std::uint32_t>{1}));
    EXPECT_EQ(device.deviceID(), -2);
    EXPECT_EQ(module.Count(), 0u);
    EXPECT_EQ(mci.windowsLive, 0);
    EXPECT_FALSE(mci.Post(1, 1));
}

TEST_F(CMCICtrlTest, WindowLivesWhileAnyInstanceIsRegistered) {
    {
        CMCICtrl other{module};
        other.Init();
        EXPECT_EQ(module.Count(), 2u);
        OpenSong();
        ASSERT_EQ(other.OpenFile("C:\\next.wav"), 0u);
        mci.calls.clear();
    }  // the destructor closes the device and unregisters
    EXPECT_EQ(mci.Commands(), (Strings{"stop", "close"}));
    EXPECT_EQ(mci.calls[1].deviceID, 2u);
    EXPECT_EQ(module.Count(), 1u);
    EXPECT_EQ(mci.windowsLive, 1);

    device.Terminate();
    EXPECT_EQ(device.deviceID(), -2);
    EXPECT_EQ(module.NotifyWindow(), 0u);
    EXPECT_EQ(mci.windowsLive, 0);
    EXPECT_FALSE(mci.Post(1, 1));

    device.Init();
    EXPECT_EQ(mci.windowsCreated, 2);
    EXPECT_EQ(module.NotifyWindow(), ScriptedMci::kWindowHandle);
}

}  // namespace
}  // namespace brambletune
