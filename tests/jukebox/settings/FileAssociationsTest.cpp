#include "jukebox/settings/FileAssociations.h"

#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

using testing::MemoryRegistryStore;

constexpr std::uint32_t kRoot = RegistryStore::kClassesRoot;
const std::string kProgram = "C:\\Program Files\\Bramble Tune\\Brambletune";

class FileAssociationsTest : public ::testing::Test {
protected:
    void Register(const AssociationChange& change) {
        RegisterFileTypes(registry, kProgram, options, change, [this] { ++notified; });
    }
    std::string Default(const std::string& key) {
        return GetRegString(registry, kRoot, key, "", "<missing>");
    }
    void Point(const std::string& key, const std::string& cls) {
        SetRegValue(registry, kRoot, key, "", cls, RegistryStore::kSz);
    }

    MemoryRegistryStore registry;
    OptionsRecord options = DefaultOptions();
    int notified = 0;
};

TEST_F(FileAssociationsTest, WithoutChangesWritesTheFourClassKeysOnlyWithThePathUnquoted) {
    options.SetAlbumIcon(3);
    options.SetFileType(9, true);  // mp3
    Register({});
    EXPECT_EQ(Default("Brambletune\\DefaultIcon"), kProgram + ".exe,3");
    EXPECT_EQ(Default("Brambletune.File\\DefaultIcon"), kProgram + ".exe,10");
    EXPECT_EQ(Default("Brambletune\\Shell\\Open\\Command"), kProgram + ".exe %1");
    EXPECT_EQ(Default("Brambletune.File\\Shell\\Open\\Command"), kProgram + ".exe %1");
    EXPECT_FALSE(registry.HasKey(kRoot, ".alb"));
    EXPECT_FALSE(registry.HasKey(kRoot, ".mp3"));
    EXPECT_EQ(notified, 1);
}

TEST_F(FileAssociationsTest, CheckedTypesAreClaimedAndUncheckedOnesGivenUpOnlyWhenStillOurs) {
    Point(".mp3", "OtherPlayer.mp3");
    Point(".wav", "Brambletune.File");
    Point(".avi", "Brambletune.File");
    options.SetFileType(11, true);  // mpeg
    options.SetFileType(4, true);   // avi
    Register({false, true});
    EXPECT_EQ(Default(".mp3"), "OtherPlayer.mp3");
    EXPECT_FALSE(registry.HasKey(kRoot, ".wav"));
    EXPECT_EQ(Default(".mpeg"), "Brambletune.File");
    EXPECT_EQ(Default(".avi"), "Brambletune.File");
    EXPECT_FALSE(registry.HasKey(kRoot, ".alb"));
}

TEST_F(FileAssociationsTest, AlbumExtensionFollowsTheBoxWhenItWasClicked) {
    options.SetAssociateAlbums(false);
    Register({true, false});
    EXPECT_FALSE(registry.HasKey(kRoot, ".alb"));  // missing: nothing to delete, nothing made

    Point(".alb", "brambletune");  // not exactly our class
    Register({true, false});
    EXPECT_EQ(Default(".alb"), "brambletune");

    options.SetAssociateAlbums(true);
    Register({true, false});
    EXPECT_EQ(Default(".alb"), "Brambletune");

    options.SetAssociateAlbums(false);
    Register({true, false});
    EXPECT_FALSE(registry.HasKey(kRoot, ".alb"));
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST(ProgramPathTest, DropsOnlyTheFileNamesExtension) {
    const testing::DbcsTextCase dbcs;
    EXPECT_EQ(ProgramPathOf("C:\\My Apps\\v1.2\\Brambletune.exe", dbcs),
              "C:\\My Apps\\v1.2\\Brambletune");
    EXPECT_EQ(ProgramPathOf("C:\\My Apps\\v1.2\\Brambletune", dbcs),
              "C:\\My Apps\\v1.2\\Brambletune");
    // A trail byte '.' after the last backslash is part of a character, not a dot.
    EXPECT_EQ(ProgramPathOf("C:\\v1.2\\Tune\x81.", dbcs), "C:\\v1.2\\Tune\x81.");
}

}  // namespace
}  // namespace brambletune
