#include "jukebox/settings/OptionsForm.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstring>
#include <vector>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/doubles/MemoryRegistryStore.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {
namespace {

using testing::MemoryRegistryStore;

// Choosers that answer as a user would: a colour chooser that also edits the
// first custom slot, a font chooser that picks font.
class ScriptedChoosers : public OptionsChoosers {
public:
    bool PickColor(std::uint32_t& colour, std::array<std::uint32_t, 16>& custom) override {
        custom[0] = 0x00123456;
        if (!ok) return false;
        colour = pickColour;
        return true;
    }
    bool PickFont(ChosenFont& chosen) override {
        if (!ok) return false;
        chosen = font;
        return true;
    }
    bool ok = true;
    std::uint32_t pickColour = 0x00FF0000;
    ChosenFont font;
};

class RecordingWindows : public OpenWindows {
public:
    void DisplayStateChanged(std::int32_t state) override {
        calls.push_back("state " + std::to_string(state));
    }
    void ColorsChanged() override { calls.push_back("colors"); }
    void FontChanged(int slot) override { calls.push_back("font " + std::to_string(slot)); }
    void OnTopChanged(bool onTop) override { calls.push_back(onTop ? "on top" : "normal"); }
    void RecentCountChanged(std::int32_t count) override {
        calls.push_back("recent " + std::to_string(count));
    }
    void LyricsChecksChanged() override { calls.push_back("lyrics checks"); }
    std::vector<std::string> calls;
};

class OptionsFormTest : public ::testing::Test {
protected:
    OptionsRecord options = DefaultOptions();
    ScriptedChoosers choosers;
    RecordingWindows windows;
    MemoryRegistryStore registry;
    OptionsForm form{options, choosers, {windows, registry, "C:\\Jukebox\\Brambletune", nullptr}};
};

TEST_F(OptionsFormTest, ApplyOfUnchangedControlsLeavesEveryByteAndTellsTheWindows) {
    options.SetDisplayState(2);
    options.SetGuessMode(1);
    options.SetErrorAction(2);
    options.SetSegueSeconds(7);
    options.SetFirstDot(false);
    options.SetLyricsExtension("txt");
    options.SetFileType(3, true);
    options.SetFontName(1, "Arial");
    const OptionsRecord before = options;
    const OptionsControls controls = form.ShowOptions();
    EXPECT_FALSE(form.Apply(controls));
    EXPECT_EQ(options, before);
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"state 2", "on top", "recent 4"}));
}

TEST_F(OptionsFormTest, TheLyricsWindowHearsOfAChangeToItsCheckBoxes) {
    for (const int box : {9, 10}) {
        OptionsControls controls = form.ShowOptions();
        controls.chk[static_cast<std::size_t>(box)] ^= 1;  // ticked is 1
        windows.calls.clear();
        form.Apply(controls);
        EXPECT_EQ(std::count(windows.calls.begin(), windows.calls.end(), "lyrics checks"), 1)
            << box;
    }
}

TEST_F(OptionsFormTest, ColoursAndFontsAreAppliedOnlyAfterTheirChooserSaidOk) {
    OptionsControls controls = form.ShowOptions();
    options.SetBackgroundColor(0x00ABCDEF);  // changed meanwhile by another window
    options.SetFontName(0, "Kept");
    form.Apply(controls);
    EXPECT_EQ(options.BackgroundColor(), 0x00ABCDEFu);
    EXPECT_EQ(options.FontName(0), "Kept");

    choosers.font = {"Courier New", 9.75, true, false, false, 700, 1};
    form.cmd_Click(3, controls);  // display font
    form.cmd_Click(1, controls);  // text colour
    windows.calls.clear();
    EXPECT_TRUE(form.Apply(controls));
    EXPECT_EQ(options.TextColor(), 0x00FF0000u);
    EXPECT_EQ(options.BackgroundColor(), 0u);  // both samples are taken, as the dialog shows them
    EXPECT_EQ(windows.calls[1], "colors");
    EXPECT_EQ(windows.calls[2], "font 1");
    EXPECT_EQ(options.FontName(0), "Kept");

    // The display slot, byte for byte at the record's offsets.
    const auto& b = options.bytes();
    const std::int64_t size = 97500;
    EXPECT_EQ(std::memcmp(&b[OptionsRecord::Offset::FontSize + 8], &size, 8), 0);
    EXPECT_EQ(std::memcmp(&b[OptionsRecord::Offset::FontName + 32], "Courier New\0", 12), 0);
    EXPECT_EQ(b[OptionsRecord::Offset::FontItalic + 2], 0xFF);
    EXPECT_EQ(b[OptionsRecord::Offset::FontItalic + 3], 0xFF);
    EXPECT_EQ(b[OptionsRecord::Offset::FontCharset + 2], 1);
    EXPECT_EQ(b[OptionsRecord::Offset::FontWeight + 2], 700 & 0xFF);
    EXPECT_EQ(b[OptionsRecord::Offset::FontWeight + 3], 700 >> 8);
}

TEST_F(OptionsFormTest, ColourChooserKeepsCustomColoursEvenWhenNothingIsApplied) {
    OptionsControls controls = form.ShowOptions();
    choosers.ok = false;
    form.cmd_Click(0, controls);
    EXPECT_FALSE(form.Marked(0));
    EXPECT_EQ(controls.shp[0], 0u);
    choosers.ok = true;
    form.cmd_Click(0, controls);  // chosen, then the dialog is cancelled: no Apply
    EXPECT_TRUE(form.Marked(0));
    EXPECT_EQ(options.BackgroundColor(), 0u);
    EXPECT_EQ(options.CustomColor(0), 0x00123456u);
    EXPECT_EQ(form.ShowOptions().shp[0], 0u);
    EXPECT_FALSE(form.Marked(0));
}

TEST_F(OptionsFormTest, NumbersAreClampedAndAnEmptyBoxKeepsItsField) {
    OptionsControls controls = form.ShowOptions();
    controls.txt[1] = "99";  // snap distance 0..100
    controls.txt[2] = "0";   // recent files 1..20
    controls.txt[0] = "";    // segue
    options.SetSegueSeconds(5);
    form.Apply(controls);
    EXPECT_EQ(options.SnapDistance(), 99);
    EXPECT_EQ(options.RecentCount(), 1);
    EXPECT_EQ(options.SegueSeconds(), 5);
    EXPECT_EQ(FormMoveSettings.SnapDistance, 99);
    controls.txt[0] = "99";
    controls.txt[2] = "";
    windows.calls.clear();
    form.Apply(controls);
    EXPECT_EQ(options.SegueSeconds(), 15);
    EXPECT_EQ(options.RecentCount(), 1);
    EXPECT_EQ(windows.calls.back(), "on top");  // an empty recent-files box tells nobody
}

TEST_F(OptionsFormTest, ChecksAndOptionsReachTheirFields) {
    OptionsControls controls = form.ShowOptions();
    controls.chk = {};
    controls.chk[2] = 1;  // EasyMove on, snap off
    controls.chk[3] = 2;  // greyed does not count as checked
    controls.opt = {};
    controls.opt[7] = controls.opt[2] = controls.opt[9] = controls.opt[12] = true;
    controls.lst[20] = true;
    controls.sld = {2, 5};
    form.Apply(controls);
    const auto& b = options.bytes();
    EXPECT_EQ(options.DisplayState(), 3);
    EXPECT_EQ(options.GuessMode(), 2);
    EXPECT_EQ(options.ErrorAction(), 1);
    EXPECT_FALSE(options.FirstDot());
    EXPECT_EQ(b[OptionsRecord::Offset::FileTypes + 40], 0xFF);
    EXPECT_EQ(b[OptionsRecord::Offset::FileTypes + 41], 0xFF);
    EXPECT_EQ(b[OptionsRecord::Offset::FileTypes], 0);
    EXPECT_EQ(options.AlbumIcon(), 2);
    EXPECT_EQ(options.FileIcon(), 5);
    for (std::size_t at = OptionsRecord::Offset::OnTop; at < OptionsRecord::Offset::Reserved; ++at)
        EXPECT_EQ(b[at], 0) << "offset " << at;
    EXPECT_TRUE(FormMoveSettings.EasyMove);
    EXPECT_FALSE(FormMoveSettings.SnapEnabled);
    EXPECT_EQ(GetRegString(registry, RegistryStore::kClassesRoot, "Brambletune.File\\DefaultIcon",
                           "", ""),
              "C:\\Jukebox\\Brambletune.exe,5");
}

TEST_F(OptionsFormTest, SnapControlsFollowEasyMoveThenTheSnapBox) {
    options.SetSnapEnabled(false);
    OptionsControls controls = form.ShowOptions();
    EXPECT_TRUE(OptionsForm::SnapControls(controls).snapBox);
    EXPECT_FALSE(OptionsForm::SnapControls(controls).distance);
    controls.chk[3] = 1;
    EXPECT_TRUE(OptionsForm::SnapControls(controls).distance);
    controls.chk[2] = 0;
    EXPECT_FALSE(OptionsForm::SnapControls(controls).snapBox);
    EXPECT_FALSE(OptionsForm::SnapControls(controls).distance);
}

TEST_F(OptionsFormTest, FirstDotShowsLastDotUnlessExactlyTrue) {
    options.bytes()[OptionsRecord::Offset::FirstDot] = 1;
    options.bytes()[OptionsRecord::Offset::FirstDot + 1] = 0;
    const OptionsControls controls = form.ShowOptions();
    EXPECT_TRUE(controls.opt[12]);
    EXPECT_FALSE(controls.opt[11]);
}

TEST_F(OptionsFormTest, ChangeFlagsLastOnlyUntilTheNextLoad) {
    form.ShowOptions();
    form.chkAlbum_Click();
    form.lst_ItemCheck();
    EXPECT_TRUE(form.Change().albumAssocChanged && form.Change().typesAssocChanged);
    form.ShowOptions();
    EXPECT_FALSE(form.Change().albumAssocChanged || form.Change().typesAssocChanged);
}

}  // namespace
}  // namespace brambletune
