#include "jukebox/console/CRecentFiles.h"

#include <gtest/gtest.h>

#include <memory>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

using testing::AsciiTextCase;
using testing::MemoryRegistryStore;
using Files = std::vector<std::string>;

const std::string kRecentKey = std::string(kSettingsRoot) + "Recent Files";

class ShownMenu : public RecentMenu {
public:
    void Show(const Files& entries) override { shown = entries; }
    Files shown{"not shown yet"};
};

class CRecentFilesTest : public ::testing::Test {
protected:
    std::unique_ptr<CRecentFiles> MakeRecent() {
        return std::make_unique<CRecentFiles>(menu, registry, textCase, [](const std::string& p) {
            return p == "C:\\ALBUMS~1\\JAZZ.ALB" ? std::string("C:\\Albums old\\Jazz.alb") : p;
        });
    }
    void Store(int position, const std::string& path) {
        SetRegValue(registry, RegistryStore::kCurrentUser, kRecentKey, std::to_string(position),
                    path, RegistryStore::kSz);
    }
    // The stored list as Read would see it: "1", "2", ... up to the first missing value.
    Files Stored() {
        Files files;
        for (int i = 1;; ++i) {
            const auto* v =
                registry.Find(RegistryStore::kCurrentUser, kRecentKey, std::to_string(i));
            if (v == nullptr) return files;
            EXPECT_EQ(v->type, RegistryStore::kSz);
            EXPECT_EQ(v->data.back(), 0) << "stored with its NUL";
            files.emplace_back(v->data.begin(), v->data.end() - 1);
        }
    }
    static std::string Album(int n) { return "C:\\Music\\album" + std::to_string(n) + ".alb"; }

    MemoryRegistryStore registry;
    AsciiTextCase textCase;
    ShownMenu menu;
};

TEST_F(CRecentFilesTest, KeepsTheNewestUpToEveryLimitAndStoresThemInOrder) {
    for (int max = 1; max <= 20; ++max) {
        auto recent = MakeRecent();
        recent->Init(max);
        for (int n = 1; n <= 25; ++n) recent->Add(Album(n));
        Files expected;
        for (int n = 25; n > 25 - max; --n) expected.push_back(Album(n));
        EXPECT_EQ(recent->Files(), expected) << "MaxRecent " << max;
        EXPECT_EQ(menu.shown, expected) << "MaxRecent " << max;
        recent.reset();
        EXPECT_EQ(Stored(), expected) << "MaxRecent " << max;
    }
}

TEST_F(CRecentFilesTest, ReopenedAlbumMovesToTheTopWithoutDuplicate) {
    auto recent = MakeRecent();
    recent->Init(4);
    for (int n = 1; n <= 5; ++n) recent->Add(Album(n));
    EXPECT_EQ(recent->Files(), (Files{Album(5), Album(4), Album(3), Album(2)}));

    recent->Add("c:\\MUSIC\\ALBUM3.ALB");
    EXPECT_EQ(recent->Files(), (Files{"c:\\MUSIC\\ALBUM3.ALB", Album(5), Album(4), Album(2)}));

    recent->Add("C:\\ALBUMS~1\\JAZZ.ALB");
    recent->Add("C:\\Albums old\\Jazz.alb");
    recent->Add("");
    EXPECT_EQ(recent->Files(),
              (Files{"C:\\Albums old\\Jazz.alb", "c:\\MUSIC\\ALBUM3.ALB", Album(5), Album(4)}));
}

TEST_F(CRecentFilesTest, ReadsUpToTheLimitTheFirstGapOrAValueOfAnotherType) {
    for (int n = 1; n <= 6; ++n) Store(n, Album(n));
    {
        auto recent = MakeRecent();
        recent->Init(4);
        EXPECT_EQ(recent->Files(), (Files{Album(1), Album(2), Album(3), Album(4)}));
    }
    EXPECT_EQ(Stored().size(), 4u) << "the entries beyond the limit are gone from the key";

    Store(2, "C:\\MUSIC\\ALBUM1.ALB");  // the same album twice
    Store(3, "");
    Store(5, Album(5));
    auto recent = MakeRecent();
    recent->Init(20);
    EXPECT_EQ(recent->Files(), (Files{Album(1)}));

    Store(1, Album(7));
    SetRegValue(registry, RegistryStore::kCurrentUser, kRecentKey, "2", 42, RegistryStore::kDword);
    recent->Read();
    EXPECT_EQ(recent->Files(), (Files{Album(7)}));
}

TEST_F(CRecentFilesTest, LimitIsKeptWithinOneToTwentyAndLoweringItDropsTheOldest) {
    auto recent = MakeRecent();
    recent->Init(0);
    EXPECT_EQ(recent->MaxRecent(), 1);
    recent->SetMaxRecent(1000);
    EXPECT_EQ(recent->MaxRecent(), 20);
    for (int n = 1; n <= 6; ++n) recent->Add(Album(n));
    recent->SetMaxRecent(2);
    EXPECT_EQ(recent->Files(), (Files{Album(6), Album(5)}));
    EXPECT_EQ(menu.shown, recent->Files());
}

TEST_F(CRecentFilesTest, AnObjectThatNeverReadTheListLeavesItStored) {
    Store(1, Album(1));
    MakeRecent().reset();
    EXPECT_EQ(Stored(), (Files{Album(1)}));
}

}  // namespace
}  // namespace brambletune
