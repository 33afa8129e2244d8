#pragma once

namespace brambletune {

class CSong;

// The lyrics window as the engine drives it when songs change.
class LyricsView {
public:
    virtual ~LyricsView() = default;
    virtual bool IsShown() const = 0;
    virtual void Show() = 0;
    virtual void Close() = 0;
    // Shows the lyrics file of the song.
    virtual void LoadSong(const CSong& song) = 0;
};

}  // namespace brambletune
