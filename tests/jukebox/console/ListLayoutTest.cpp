// The persisted list layout: value names, defaults and what a save writes.
#include "jukebox/console/ListLayout.h"

#include <gtest/gtest.h>

#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

using testing::MemoryRegistryStore;

const std::string kWindowKey = std::string(kSettingsRoot) + "Window";
const std::vector<std::int32_t> kPlaylistWidths{150, 100, 100, 45, 350};

class ListLayoutTest : public ::testing::Test {
protected:
    void Store(const std::string& name, std::int32_t value) {
        SetRegValue(registry, RegistryStore::kCurrentUser, kWindowKey, name, value,
                    RegistryStore::kDword);
    }
    const MemoryRegistryStore::Value* Stored(const std::string& name) const {
        return registry.Find(RegistryStore::kCurrentUser, kWindowKey, name);
    }
    std::int32_t StoredDword(const std::string& name) {
        return GetRegDword(registry, RegistryStore::kCurrentUser, kWindowKey, name, -12345);
    }

    MemoryRegistryStore registry;
};

TEST_F(ListLayoutTest, ValueNamesCarryTheListName) {
    EXPECT_EQ(ListWidthValue("Songs", 0), "lvSongs0");
    EXPECT_EQ(ListWidthValue("Songs", 4), "lvSongs4");
    EXPECT_EQ(ListOrderValue("Songs", 1), "lvSongsCol1");
    EXPECT_EQ(ListOrderValue("Songs", 5), "lvSongsCol5");
    EXPECT_EQ(ListSortIdxValue("Songs"), "lvSongsSortIdx");
    EXPECT_EQ(ListSortOrdValue("Songs"), "lvSongsSortOrd");
}

TEST_F(ListLayoutTest, NothingStoredGivesTheCallersWidthsNaturalOrderAndTitleAscending) {
    const ListLayout layout = ReadListLayout(registry, "Songs", kPlaylistWidths);
    EXPECT_EQ(layout.widths, kPlaylistWidths);
    EXPECT_EQ(layout.order, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(layout.sortIdx, 1);
    EXPECT_EQ(layout.sortOrd, 0);
    EXPECT_EQ(registry.OpenHandles(), 0u);
}

TEST_F(ListLayoutTest, StoredValuesWinValueByValueAndOtherListsAreNotRead) {
    Store("lvSongs1", 220);
    Store("lvSongsCol1", 4);
    Store("lvSongsCol5", 0);
    Store("lvSongsSortIdx", 3);
    Store("lvSongsSortOrd", 1);
    Store("lvOther0", 999);
    const ListLayout layout = ReadListLayout(registry, "Songs", kPlaylistWidths);
    EXPECT_EQ(layout.widths, (std::vector<std::int32_t>{150, 220, 100, 45, 350}));
    EXPECT_EQ(layout.order, (std::vector<std::int32_t>{4, 1, 2, 3, 0}));
    EXPECT_EQ(layout.sortIdx, 3);
    EXPECT_EQ(layout.sortOrd, 1);
}

TEST_F(ListLayoutTest, ASaveWritesDwordsThatReadBackAsTheSameLayout) {
    ListLayout saved;
    saved.widths = {10, 20, 30, 40, 50};
    saved.order = {2, 0, 1, 4, 3};
    saved.sortIdx = 5;
    saved.sortOrd = 1;
    SaveListLayout(registry, "Songs", saved);

    for (const char* name : {"lvSongs0", "lvSongs4", "lvSongsCol1", "lvSongsCol5", "lvSongsSortIdx",
                             "lvSongsSortOrd"}) {
        const auto* value = Stored(name);
        ASSERT_NE(value, nullptr) << name;
        EXPECT_EQ(value->type, RegistryStore::kDword) << name;
        EXPECT_EQ(value->data.size(), 4u) << name;
    }
    EXPECT_EQ(StoredDword("lvSongsCol1"), 2);
    EXPECT_EQ(StoredDword("lvSongs3"), 40);

    const ListLayout read = ReadListLayout(registry, "Songs", kPlaylistWidths);
    EXPECT_EQ(read.widths, saved.widths);
    EXPECT_EQ(read.order, saved.order);
    EXPECT_EQ(read.sortIdx, 5);
    EXPECT_EQ(read.sortOrd, 1);
}

TEST_F(ListLayoutTest, AnOrderTheControlCouldNotReportLeavesTheStoredOrderAlone) {
    Store("lvSongsCol1", 3);
    ListLayout saved;
    saved.widths = {10, 20, 30, 40, 50};
    SaveListLayout(registry, "Songs", saved);
    EXPECT_EQ(StoredDword("lvSongsCol1"), 3);
    EXPECT_EQ(Stored("lvSongsCol2"), nullptr);
    EXPECT_EQ(StoredDword("lvSongs4"), 50);
    EXPECT_EQ(StoredDword("lvSongsSortIdx"), 1);
}

}  // namespace
}  // namespace brambletune
