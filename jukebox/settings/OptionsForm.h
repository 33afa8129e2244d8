#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "jukebox/settings/FileAssociations.h"
#include "jukebox/settings/OptionsRecord.h"
#include "jukebox/settings/RegistryStore.h"

namespace brambletune {

// What the options dialog's controls hold, by the index of each control array.
// Check boxes hold their button state: only 1 counts as checked.
struct OptionsControls {
    static constexpr int kOpts = 13;
    static constexpr int kChecks = 11;
    static constexpr int kTexts = 4;

    std::array<bool, kOpts> opt{};            // option buttons
    std::array<std::int32_t, kChecks> chk{};  // check boxes
    std::array<std::string, kTexts> txt;      // text boxes
    std::array<std::uint32_t, 2> shp{};       // colour samples: background, text
    std::array<bool, kAssocFileTypes> lst{};  // file-type list check marks
    std::array<std::int32_t, 2> sld{};        // icon sliders: album, file
};

// Which of the snap controls the EasyMove and snap boxes leave enabled.
struct SnapControlsState {
    bool snapBox = false;   // chk(3)
    bool distance = false;  // txt(1) and its two labels
};

// A font as the font chooser returns it.
struct ChosenFont {
    std::string name;
    double size = 0;  // points
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    std::int16_t weight = 0;
    std::int16_t charset = 0;
};

// The common colour and font choosers; false when the user cancelled.
class OptionsChoosers {
public:
    virtual ~OptionsChoosers() = default;
    // The colour chooser, starting at colour; custom is edited in place whatever the outcome.
    virtual bool PickColor(std::uint32_t& colour, std::array<std::uint32_t, 16>& custom) = 0;
    // The font chooser, starting with nothing selected.
    virtual bool PickFont(ChosenFont& font) = 0;
};

// The windows that show the options: the console and whichever other windows
// are open. Apply tells them what changed at once.
class OpenWindows {
public:
    virtual ~OpenWindows() = default;
    virtual void DisplayStateChanged(std::int32_t state) = 0;
    virtual void ColorsChanged() = 0;
    // Slot 0 playlist, 1 display, 2 lyrics.
    virtual void FontChanged(int slot) = 0;
    virtual void OnTopChanged(bool onTop) = 0;
    virtual void RecentCountChanged(std::int32_t count) = 0;
    // The lyrics window's two check boxes (open and close with the song) changed.
    virtual void LyricsChecksChanged() = 0;
};

// Where Apply puts its results besides the options record.
struct OptionsTargets {
    OpenWindows& windows;
    RegistryStore& registry;
    std::string programPath;  // see ProgramPathOf
    std::function<void()> notifyAssocChanged;
};

// The options dialog without its window: loads the controls from the options
// record, runs the choosers and copies the controls back on Apply.
class OptionsForm {
public:
    static constexpr int kChoosers = 5;  // cmd(0)..cmd(4)

    OptionsForm(OptionsRecord& options, OptionsChoosers& choosers, OptionsTargets targets);

    // The controls as the record says; clears the change marks and both change flags.
    OptionsControls ShowOptions();
    // chk_Click(2) and chk_Click(3): the snap controls follow the two boxes.
    static SnapControlsState SnapControls(const OptionsControls& controls);
    // cmd_Click: a colour chooser (0, 1) or a font chooser (2..4).
    void cmd_Click(int index, OptionsControls& controls);
    void chkAlbum_Click() { change_.albumAssocChanged = true; }
    void lst_ItemCheck() { change_.typesAssocChanged = true; }
    // Copies the controls into the record and tells the open windows; true when
    // the colours changed, so that the dialog recolours itself too.
    bool Apply(const OptionsControls& controls);

    bool Marked(int index) const { return marks_[static_cast<std::size_t>(index)]; }
    const AssociationChange& Change() const { return change_; }

private:
    void ApplyFonts();

    OptionsRecord& options_;
    OptionsChoosers& choosers_;
    OptionsTargets targets_;
    std::array<bool, kChoosers> marks_{};
    std::array<ChosenFont, 3> fonts_;
    AssociationChange change_;
};

}  // namespace brambletune
