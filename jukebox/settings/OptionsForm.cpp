#include "jukebox/settings/OptionsForm.h"

#include <charconv>
#include <cstddef>

#include "jukebox/console/CFormUtils.h"
#include "jukebox/settings/MGeneral.h"

namespace brambletune {

namespace {

constexpr std::int32_t kChecked = 1;

std::size_t At(int i) {
    return static_cast<std::size_t>(i);
}

// The index of the chosen option among opt(first)..opt(last), less first; -1 when none is.
int ChosenOption(const OptionsControls& controls, int first, int last) {
    for (int i = first; i <= last; ++i)
        if (controls.opt[At(i)]) return i - first;
    return -1;
}

void ChooseOption(OptionsControls& controls, int first, int last, std::int32_t offset) {
    if (offset >= 0 && offset <= last - first) controls.opt[At(first + offset)] = true;
}

bool Checked(const OptionsControls& controls, int i) {
    return controls.chk[At(i)] == kChecked;
}

std::int32_t Check(bool on) {
    return on ? kChecked : 0;
}

// A few boxes are ticked only by the exact true value 0xFFFF, not by any non-zero one.
bool ExactlyTrue(const OptionsRecord& record, std::size_t offset) {
    return record.bytes()[offset] == 0xFF && record.bytes()[offset + 1] == 0xFF;
}

// A text box's number; false when the box holds none (it may be empty).
bool ReadNumber(const std::string& text, std::int32_t& out) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return false;
    out = value;
    return true;
}

}  // namespace

OptionsForm::OptionsForm(OptionsRecord& options, OptionsChoosers& choosers, OptionsTargets targets)
    : options_(options), choosers_(choosers), targets_(std::move(targets)) {}

OptionsControls OptionsForm::ShowOptions() {
    const OptionsRecord& o = options_;
    OptionsControls c;
    ChooseOption(c, 4, 7, o.DisplayState());
    c.shp = {o.BackgroundColor(), o.TextColor()};
    c.opt[ExactlyTrue(o, OptionsRecord::Offset::FirstDot) ? 11 : 12] = true;
    c.txt[3] = o.LyricsExtension();
    ChooseOption(c, 0, 3, o.GuessMode());
    c.chk[2] = Check(ExactlyTrue(o, OptionsRecord::Offset::EasyMove));
    c.chk[3] = Check(ExactlyTrue(o, OptionsRecord::Offset::SnapEnabled));
    c.txt[1] = std::to_string(o.SnapDistance());
    c.chk[4] = Check(ExactlyTrue(o, OptionsRecord::Offset::OnTop));
    ChooseOption(c, 8, 10, o.ErrorAction());
    c.chk[1] = Check(o.AutoSave());
    c.chk[0] = Check(o.AllowDuplicates());
    c.chk[8] = Check(o.RemoveDuplicatesOnLoad());
    c.chk[7] = Check(o.AutoPlay());
    c.txt[0] = std::to_string(o.SegueSeconds());
    c.chk[9] = Check(o.AutoOpenLyrics());
    c.chk[10] = Check(o.AutoCloseLyrics());
    for (int i = 0; i < kAssocFileTypes; ++i) c.lst[At(i)] = o.FileType(i);
    c.chk[6] = Check(o.AssociateAlbums());
    c.sld = {o.AlbumIcon(), o.FileIcon()};
    c.txt[2] = std::to_string(o.RecentCount());
    c.chk[5] = Check(o.SaveOptionsOnClose());
    change_ = {};
    marks_.fill(false);
    return c;
}

SnapControlsState OptionsForm::SnapControls(const OptionsControls& controls) {
    const bool easyMove = Checked(controls, 2);
    return {easyMove, easyMove && Checked(controls, 3)};
}

void OptionsForm::cmd_Click(int index, OptionsControls& controls) {
    if (index < 0 || index >= kChoosers) return;
    if (index < 2) {
        std::array<std::uint32_t, 16> custom{};
        for (int i = 0; i < OptionsRecord::kCustomColors; ++i)
            custom[At(i)] = options_.CustomColor(i);
        std::uint32_t colour = controls.shp[At(index)];
        const bool chosen = choosers_.PickColor(colour, custom);
        for (int i = 0; i < OptionsRecord::kCustomColors; ++i)
            options_.SetCustomColor(i, custom[At(i)]);
        if (!chosen) return;
        controls.shp[At(index)] = colour;
    } else {
        ChosenFont font;
        if (!choosers_.PickFont(font)) return;
        fonts_[At(index - 2)] = font;
    }
    marks_[At(index)] = true;
}

bool OptionsForm::Apply(const OptionsControls& c) {
    OptionsRecord& o = options_;
    OpenWindows& windows = targets_.windows;
    if (const int state = ChosenOption(c, 4, 7); state >= 0) {
        o.SetDisplayState(state);
        windows.DisplayStateChanged(state);
    }
    const bool colours = marks_[0] || marks_[1];
    if (colours) {
        o.SetBackgroundColor(c.shp[0]);
        o.SetTextColor(c.shp[1]);
        windows.ColorsChanged();
    }
    ApplyFonts();
    o.SetFirstDot(c.opt[11]);
    o.SetLyricsExtension(c.txt[3]);
    if (const int mode = ChosenOption(c, 0, 3); mode >= 0) o.SetGuessMode(mode);
    o.SetEasyMove(Checked(c, 2));
    FormMoveSettings.EasyMove = o.EasyMove();
    o.SetSnapEnabled(Checked(c, 3));
    if (std::int32_t distance = 0; ReadNumber(c.txt[1], distance))
        o.SetSnapDistance(Clamp(distance, 0, 100));
    FormMoveSettings.SnapEnabled = o.SnapEnabled();
    FormMoveSettings.SnapDistance = o.SnapDistance();
    o.SetOnTop(Checked(c, 4));
    windows.OnTopChanged(o.OnTop());
    if (const int action = ChosenOption(c, 8, 10); action >= 0) o.SetErrorAction(action);
    if (std::int32_t segue = 0; ReadNumber(c.txt[0], segue)) o.SetSegueSeconds(Clamp(segue, 0, 15));
    o.SetAutoSave(Checked(c, 1));
    o.SetAllowDuplicates(Checked(c, 0));
    o.SetRemoveDuplicatesOnLoad(Checked(c, 8));
    o.SetAutoPlay(Checked(c, 7));
    const bool lyricsChecks =
        o.AutoOpenLyrics() != Checked(c, 9) || o.AutoCloseLyrics() != Checked(c, 10);
    o.SetAutoOpenLyrics(Checked(c, 9));
    o.SetAutoCloseLyrics(Checked(c, 10));
    if (lyricsChecks) windows.LyricsChecksChanged();
    for (int i = 0; i < kAssocFileTypes; ++i) o.SetFileType(i, c.lst[At(i)]);
    o.SetAssociateAlbums(Checked(c, 6));
    o.SetAlbumIcon(c.sld[0]);
    o.SetFileIcon(c.sld[1]);
    if (std::int32_t recent = 0; ReadNumber(c.txt[2], recent)) {
        o.SetRecentCount(Clamp(recent, 1, 20));
        windows.RecentCountChanged(o.RecentCount());
    }
    o.SetSaveOptionsOnClose(Checked(c, 5));
    RegisterFileTypes(targets_.registry, targets_.programPath, o, change_,
                      targets_.notifyAssocChanged);
    return colours;
}

void OptionsForm::ApplyFonts() {
    for (int slot = 0; slot < 3; ++slot) {
        if (!marks_[At(slot + 2)]) continue;
        const ChosenFont& font = fonts_[At(slot)];
        options_.SetFontCharset(slot, font.charset);
        options_.SetFontItalic(slot, font.italic);
        options_.SetFontSize(slot, font.size);
        options_.SetFontWeight(slot, font.weight);
        options_.SetFontName(slot, font.name);
        targets_.windows.FontChanged(slot);
    }
}

}  // namespace brambletune
