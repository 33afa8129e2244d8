#include "jukebox/console/CFormUtils.h"

#include <gtest/gtest.h>

#include <limits>

#include "jukebox/console/FakeFormWindow.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

using testing::FakeFormWindow;
using testing::MemoryRegistryStore;

const std::string kWindowKey = std::string(kSettingsRoot) + "Window";

class CFormUtilsTest : public ::testing::Test {
protected:
    void SetUp() override { FormMoveSettings = {true, true, 20}; }
    void TearDown() override { FormMoveSettings = {}; }

    void Store(const std::string& name, std::int32_t value) {
        SetRegValue(registry, RegistryStore::kCurrentUser, kWindowKey, name, value,
                    RegistryStore::kDword);
    }
    std::int32_t Stored(const std::string& name) {
        return GetRegDword(registry, RegistryStore::kCurrentUser, kWindowKey, name, -12345);
    }

    MemoryRegistryStore registry;
    FakeFormWindow window;
    CFormUtils utils{window, registry};
};

// The window is 400 x 300 pixels; the work area 1024 x 738; snapping at 20 pixels.
struct SnapCase {
    const char* where;
    WindowRect droppedAt;
    WindowRect expected;
};

TEST_F(CFormUtilsTest, DragEndsFlushWithEveryNearOrCrossedEdge) {
    const SnapCase cases[] = {
        {"top", {300, 10, 400, 300}, {300, 0, 400, 300}},
        {"bottom", {300, 425, 400, 300}, {300, 438, 400, 300}},
        {"left", {19, 200, 400, 300}, {0, 200, 400, 300}},
        {"right", {610, 200, 400, 300}, {624, 200, 400, 300}},
        {"top left", {5, 5, 400, 300}, {0, 0, 400, 300}},
        {"top right", {620, -3, 400, 300}, {624, 0, 400, 300}},
        {"bottom left", {-40, 430, 400, 300}, {0, 438, 400, 300}},
        {"bottom right", {615, 430, 400, 300}, {624, 438, 400, 300}},
        {"just outside the distance", {20, 20, 400, 300}, {20, 20, 400, 300}},
        {"taller and wider than the work area", {30, 40, 1100, 800}, {0, 0, 1100, 800}},
    };
    for (const SnapCase& c : cases) {
        window.dragTo = c.droppedAt;
        utils.Move();
        EXPECT_EQ(window.bounds, c.expected) << c.where;
    }
    // Subclassed, the window already snaps while Move drags it.
    utils.SubClass();
    for (const SnapCase& c : cases) {
        window.dragTo = c.droppedAt;
        utils.Move();
        EXPECT_EQ(window.dropped, c.expected) << c.where;
    }
}

TEST_F(CFormUtilsTest, DragByTheCaptionNeverSnaps) {
    utils.SubClass();
    const WindowRect nearTop{300, 10, 400, 300};
    for (bool easyMove : {false, true}) {
        FormMoveSettings.EasyMove = easyMove;
        EXPECT_EQ(utils.WhileMoving(nearTop), nearTop) << "EasyMove " << easyMove;
    }
    window.dragTo = nearTop;
    utils.Move();  // a drag through Move snaps, and afterwards a caption drag still does not
    EXPECT_EQ(window.dropped, (WindowRect{300, 0, 400, 300}));
    EXPECT_EQ(utils.WhileMoving(nearTop), nearTop);
}

TEST_F(CFormUtilsTest, MoveOnlyDragsWithEasyMoveAndSnapsOnlyWhenAsked) {
    window.dragTo = {300, 10, 400, 300};
    FormMoveSettings.SnapEnabled = false;
    utils.SubClass();
    utils.Move();
    EXPECT_EQ(window.bounds, window.dragTo);

    FormMoveSettings.EasyMove = false;
    utils.Move();
    window.state = WindowState::Maximized;
    FormMoveSettings.EasyMove = true;
    utils.Move();
    EXPECT_EQ(window.drags, 1);
}

TEST_F(CFormUtilsTest, TrackingLimitsInPixelsWithScreenSizeForZero) {
    EXPECT_EQ(utils.Limits().maxWidth, 0) << "no limits before they are set";
    utils.SetMinMaxSize(3000, 2000, 0, 0);
    EXPECT_EQ(utils.MMFormsMaxX(), 1024 * 15);
    EXPECT_EQ(utils.MMFormsMaxY(), 768 * 15);
    const TrackingLimits limits = utils.Limits();
    EXPECT_EQ(limits.minWidth, 200);
    EXPECT_EQ(limits.minHeight, 133);  // 2000 / 15, rounded down
    EXPECT_EQ(limits.maxWidth, 1024);
    EXPECT_EQ(limits.maxHeight, 768);

    utils.SetMinMaxSize(1500, 1500, 9000, 6000);
    EXPECT_EQ(utils.Limits().maxWidth, 600);
    EXPECT_EQ(utils.Limits().maxHeight, 400);
}

TEST_F(CFormUtilsTest, PlacementRoundTripsThroughTheRegistry) {
    window.bounds = {20, 30, 500, 400};
    window.state = WindowState::Minimized;
    utils.SaveWindowSettings("Console", false, 0, 0, 0, 0);
    EXPECT_EQ(Stored("ConsoleLeft"), 300);
    EXPECT_EQ(Stored("ConsoleTop"), 450);
    EXPECT_EQ(Stored("ConsoleWidth"), 7500);
    EXPECT_EQ(Stored("ConsoleHeight"), 6000);
    EXPECT_EQ(Stored("ConsoleState"), 1);

    utils.SaveWindowSettings("Console", true, 1500, 1650, 6000, 4500);
    EXPECT_EQ(Stored("ConsoleLeft"), 1500);
    EXPECT_EQ(Stored("ConsoleHeight"), 4500);

    window.state = WindowState::Normal;
    utils.ReadWindowSettings("Console", 0, 0, 3000, 3000);
    EXPECT_EQ(window.bounds, (WindowRect{100, 110, 400, 300}));
    EXPECT_EQ(window.state, WindowState::Minimized);
}

TEST_F(CFormUtilsTest, DamagedOrOffScreenPlacementsComeBackVisible) {
    // Nothing stored: the defaults.
    utils.ReadWindowSettings("Lyrics", 1500, 3000, 4500, 6000);
    EXPECT_EQ(window.bounds, (WindowRect{100, 200, 300, 400}));
    EXPECT_EQ(window.state, WindowState::Normal);

    // Saved on a larger screen, far to the right; less than 150 twips below the bottom.
    Store("TipsLeft", 30000);
    Store("TipsTop", 768 * 15 - 149);
    utils.ReadWindowSettings("Tips", 0, 0, 3000, 3000);
    EXPECT_EQ(window.bounds, (WindowRect{10, 10, 200, 200}));

    // Off the left and top edge; sizes that are no sizes; an unknown state.
    Store("SongLeft", -5000);
    Store("SongTop", std::numeric_limits<std::int32_t>::max());
    Store("SongWidth", -300);
    Store("SongHeight", 0);
    Store("SongState", 7);
    window.state = WindowState::Maximized;
    utils.ReadWindowSettings("Song", 0, 0, 4500, 3000);
    EXPECT_EQ(window.bounds, (WindowRect{10, 10, 300, 200}));
    EXPECT_EQ(window.state, WindowState::Normal);
}

TEST_F(CFormUtilsTest, BesideOwnerRightLeftOrCentred) {
    FakeFormWindow owner;
    window.bounds = {0, 0, 200, 100};

    owner.bounds = {100, 200, 300, 400};
    utils.SetLeftRightOfParent(owner);
    EXPECT_EQ(window.bounds, (WindowRect{400, 350, 200, 100})) << "right of the owner";

    owner.bounds = {700, 600, 300, 200};
    utils.SetLeftRightOfParent(owner);
    EXPECT_EQ(window.bounds, (WindowRect{500, 638, 200, 100})) << "left, kept above the task bar";

    owner.bounds = {150, -300, 800, 300};
    utils.SetLeftRightOfParent(owner);
    EXPECT_EQ(window.bounds, (WindowRect{450, 0, 200, 100})) << "centred, kept below the top";
}

TEST(WindowGeometryTest, TwipsRoundToTheEvenPixelOnAHalf) {
    EXPECT_EQ(TwipsToPixels(5, 2), 2);
    EXPECT_EQ(TwipsToPixels(7, 2), 4);
    EXPECT_EQ(TwipsToPixels(23, 15), 2);
}

}  // namespace
}  // namespace brambletune
