#pragma once

#include <cstdint>
#include <string>

namespace brambletune {

class CSong;
class CodePages;
class FileSystem;
class MessageBoxService;

// The lyrics window as its rules see it: one text box and a caption.
class LyricsText {
public:
    virtual ~LyricsText() = default;
    virtual std::string Text() const = 0;
    virtual void SetText(const std::string& text) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // The window that owns the questions (a HWND; 0 for none).
    virtual std::uintptr_t Handle() const = 0;
};

// What the lyrics window does with a song's lyrics file: shows it, tracks the
// user's edits and writes them back when the user agrees.
class LyricsEditor {
public:
    static constexpr const char* kNotFound = "Lyrics file was not found";

    // Lyrics files are read by the stored-text rule and written in UTF-8.
    LyricsEditor(LyricsText& view, FileSystem& files, MessageBoxService& messages,
                 const CodePages& pages);

    const std::string& LyricsPath() const { return lyricsPath_; }
    bool LyricsChanged() const { return lyricsChanged_; }
    // The user changed the text.
    void TextEdited() { lyricsChanged_ = true; }

    // Offers to save pending edits, then shows the song's lyrics. False when
    // the user kept the previous song (its text and caption stay).
    bool ShowLyrics(const CSong& song);
    // Offers to save pending edits; true when the user cancelled, or when the
    // chosen save failed, so that the edits are not thrown away.
    bool QuerySaveLyrics();
    void LoadLyricsFile();
    // Writes the text box to LyricsPath; reports and returns false on failure.
    bool SaveLyricsFile();

    static std::string Caption(const CSong& song);

private:
    LyricsText& view_;
    FileSystem& files_;
    MessageBoxService& messages_;
    const CodePages& pages_;
    std::string lyricsPath_;
    bool lyricsChanged_ = false;
};

}  // namespace brambletune
