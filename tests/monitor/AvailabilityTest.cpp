#include <gtest/gtest.h>

#include "monitor/WatcherFixture.h"
#include "monitor/watch/FolderAvailability.h"

namespace vigilon {
namespace {

using Lines = std::vector<std::string>;

TEST(ParentFolder, StopsAtDriveRootsSharesAndBareNames) {
    const struct {
        const char* folder;
        const char* parent;
    } cases[] = {
        {"C:\\data\\in", "C:\\data"},
        {"C:\\data\\in\\", "C:\\data"},
        {"C:\\data", "C:\\"},
        {"C:\\", ""},
        {"C:", ""},
        {"\\\\srv\\share\\in", "\\\\srv\\share"},
        {"\\\\srv\\share", ""},
        {"\\\\srv\\share\\", ""},
        {"   ", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(ParentFolder(c.folder), c.parent) << c.folder;
}

// Error codes as the system's directory search gives them.
constexpr ListError kAccessDenied = 5, kNotReady = 21, kBadNetPath = 53, kDevNotExist = 55,
                    kUnexpNetErr = 59, kNetNameDeleted = 64, kBadNetName = 67, kNoNetwork = 1222,
                    kNetworkUnreachable = 1231;

class AvailabilityTest : public testing::WatcherFixture {
protected:
    const std::string share = "\\\\srv\\share\\in";
    void SetUp() override {
        watcher.settings.soundAlarm = false;
        watcher.settings.dirs[2] = share;
        lister.Folder("\\\\srv\\share");
        lister.Put(share, "a", 1);
        lister.Put(share, "b", 2);
        watcher.ClearAndReload();
    }
    // The change lines of the mail this scan sends, if any.
    Lines Scan() {
        const std::size_t before = mail.sent.size();
        watcher.Timer1Timer();
        if (mail.sent.size() == before) return {};
        const Lines& body = mail.sent.back().body;
        return Lines(body.begin() + 2, body.end());
    }
};

TEST_F(AvailabilityTest, AFolderOutOfReachIsToldOnceAndNothingIsDeleted) {
    for (ListError error : {kAccessDenied, kNotReady, kBadNetPath, kDevNotExist, kUnexpNetErr,
                            kNetNameDeleted, kBadNetName, kNoNetwork, kNetworkUnreachable}) {
        lister.Fail(share, error);
        EXPECT_EQ(Scan(), Lines{"Unavailable " + share}) << error;
        EXPECT_EQ(Scan(), Lines{}) << error;
        lister.errors.clear();
        lister.Touch(share, "b", static_cast<std::int32_t>(error));
        EXPECT_EQ(Scan(), (Lines{"Available again " + share, "Changed " + share + "\\b"})) << error;
    }
}

TEST_F(AvailabilityTest, NotFoundIsDeletedOnlyWhenTheFolderAboveIsThere) {
    const struct {
        const char* why;
        ListError shareRoot;  // what listing "\\srv\share" gives
        Lines told;
    } cases[] = {
        {"parent readable", kListed, {"Deleted " + share + "\\a", "Deleted " + share + "\\b"}},
        {"parent empty root",
         kErrorFileNotFound,
         {"Deleted " + share + "\\a", "Deleted " + share + "\\b"}},
        {"parent out of reach", kNetNameDeleted, {"Unavailable " + share}},
        {"parent not found either", kErrorPathNotFound, {"Unavailable " + share}},
    };
    for (const auto& c : cases) {
        lister.errors = {{"\\\\srv\\share\\*.*", c.shareRoot},
                         {share + "\\*.*", kErrorPathNotFound}};
        EXPECT_EQ(Scan(), c.told) << c.why;
        lister.errors.clear();
        watcher.ClearAndReload();
    }
}

TEST_F(AvailabilityTest, EveryNotFoundCodeBelowAReadableFolderIsADeletion) {
    for (ListError error :
         {kErrorFileNotFound, kErrorPathNotFound, kErrorInvalidName, kErrorDirectory}) {
        lister.Fail(share, error);
        EXPECT_EQ(Scan(), (Lines{"Deleted " + share + "\\a", "Deleted " + share + "\\b"})) << error;
        lister.errors.clear();
        watcher.ClearAndReload();
    }
}

TEST_F(AvailabilityTest, AFolderDeletedWithItsParentIsDeleted) {
    watcher.settings.dirs[2] = "C:\\top\\mid\\in";
    lister.Folder("C:\\");
    lister.Put("C:\\top\\mid\\in", "x", 1);
    watcher.ClearAndReload();
    lister.folders.erase("C:\\top\\mid\\in\\*.*");
    EXPECT_EQ(Scan(), Lines{"Deleted C:\\top\\mid\\in\\x"});
}

TEST_F(AvailabilityTest, ADriveRootThatIsGoneIsOutOfReachAnEmptyOneIsNot) {
    watcher.settings.dirs[2] = "E:\\";
    lister.Put("E:\\", "x", 1);
    watcher.ClearAndReload();
    lister.Fail("E:\\", kErrorPathNotFound);
    EXPECT_EQ(Scan(), Lines{"Unavailable E:\\"});
    lister.Fail("E:\\", kErrorFileNotFound);
    EXPECT_EQ(Scan(), (Lines{"Available again E:\\", "Deleted E:\\x"}));
}

TEST_F(AvailabilityTest, OutOfReachAtActivationIsToldAtTheFirstScan) {
    lister.Fail(share, kBadNetPath);
    watcher.ClearAndReload();
    EXPECT_EQ(Scan(), Lines{"Unavailable " + share});
    lister.errors.clear();
    EXPECT_EQ(Scan(), (Lines{"Available again " + share, "Added " + share + "\\a",
                             "Added " + share + "\\b"}));
}

TEST_F(AvailabilityTest, OtherFoldersAreComparedAsUsualMeanwhile) {
    watcher.settings.dirs[0] = "C:\\local";
    lister.Put("C:\\local", "l", 1);
    watcher.ClearAndReload();
    lister.Fail(share, kNetNameDeleted);
    lister.Put("C:\\local", "m", 1);
    EXPECT_EQ(Scan(), (Lines{"Unavailable " + share, "Added C:\\local\\m"}));
    lister.Remove("C:\\local", "l");
    EXPECT_EQ(Scan(), Lines{"Deleted C:\\local\\l"});
}

}  // namespace
}  // namespace vigilon
