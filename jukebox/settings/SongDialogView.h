#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brambletune {

// The song dialog's window as its rules use it. Boxes are numbered as the
// song's text fields: 0 title, 1 path, 2 artist, 3 album, 4 year, 5 lyrics,
// 6 comments. Buttons 0..4: the two mode buttons, Close, ID3, the picture button.
class SongDialogView {
public:
    virtual ~SongDialogView() = default;
    // The window, as the owner of message boxes.
    virtual std::uintptr_t Handle() const = 0;
    virtual std::string Text(int box) const = 0;
    virtual void SetText(int box, const std::string& text) = 0;
    virtual void SetGenreNames(const std::vector<std::string>& names) = 0;
    // The selected genre entry; -1 for none.
    virtual int GenreSelection() const = 0;
    virtual void SelectGenre(int index) = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetButtonCaption(int button, const std::string& text) = 0;
    virtual void EnableButton(int button, bool enable) = 0;
    virtual void ShowButton(int button, bool show) = 0;
    // Shows the icon of the playlist row (1-based position).
    virtual void ShowRowIcon(std::int32_t row) = 0;
    virtual void PopupID3Menu() = 0;
    // Closes the window; its unload runs.
    virtual void Unload() = 0;
};

}  // namespace brambletune
