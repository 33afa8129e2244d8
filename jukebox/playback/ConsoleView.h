#pragma once

#include <cstdint>
#include <string>

namespace brambletune {

// The console window as the engine sees it: the labels it writes, the position
// slider, the caption and tray tip, the playlist commands and the mode controls.
class ConsoleView {
public:
    // The console labels the engine writes, by their index on the console.
    enum Label : int {
        kTimeModeLabel = 0,  // "Elapsed" / "Remaining"
        kStatusLabel = 4,    // "Playing", "Paused", "Stopped"
        kModeLabel = 5,      // "Normal", "Shuffle", "Repeat 1"
        kTimeLabel = 7,      // time of the playing song
        kLengthLabel = 8,    // length of the playing song or of the selection
        kTrackLabel = 9,     // row number of the playing song
        kCountLabel = 10,    // number of songs
    };

    virtual ~ConsoleView() = default;

    virtual void SetLabel(Label label, const std::string& text) = 0;
    virtual std::int32_t SliderMax() const = 0;
    virtual std::int32_t SliderValue() const = 0;
    virtual void SetSliderValue(std::int32_t value) = 0;
    // The window caption and the tray icon's tooltip.
    virtual void SetCaption(const std::string& text) = 0;
    virtual void SetTrayTip(const std::string& text) = 0;
    // Commands that need songs in the playlist.
    virtual void EnablePlaylistCommands(bool enable) = 0;

    // The Mode menu's play-mode item (0 Normal, 1 Shuffle, 2 Repeat 1), as the user would choose
    // it.
    virtual void RunPlayModeCommand(std::int32_t playMode) = 0;
    // Ticks or clears the Repeat All box; its handler sets the song list's switch.
    virtual void SetRepeatAllBox(bool on) = 0;
    // The Mode menu's time-display item (0 elapsed, 1 remaining).
    virtual void RunTimeModeCommand(std::int32_t timeMode) = 0;
    // Stay-on-top and the display layout from the options.
    virtual void ApplyWindowSettings() = 0;
    // Rearranges the console for display layout 0..3.
    virtual void ApplyDisplayState(std::int32_t state) = 0;

    // The Album menu's close command, which offers to save a changed album.
    // False when the user cancelled.
    virtual bool CloseAlbum() = 0;
    virtual void AddRecentAlbum(const std::string& path) = 0;
    // The most recent album, "" when there is none.
    virtual std::string MostRecentAlbum() const = 0;
    // The text of a string resource (100.. play modes, 200.. time displays).
    virtual std::string ResourceString(std::int32_t id) const = 0;
};

}  // namespace brambletune
