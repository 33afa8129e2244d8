#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brambletune {

class CodePages;
class FileSystem;

// One tone of the demo album.
struct DemoTone {
    const char* title;
    double frequency;  // Hz
    std::int32_t seconds;
};

// A few seconds each, at different pitches, so that play order, segue and
// the time display can be seen and heard without any media of others.
const std::vector<DemoTone>& DemoTones();

// Without a space, so that its path goes on a command line without quotes.
inline constexpr const char* kDemoAlbumName = "Demo.alb";

// A 16-bit mono PCM WAV file of a sine tone, faded in and out so it starts and
// ends without a click.
std::string ToneWav(double frequency, std::int32_t milliseconds);

// Writes one WAV file per demo tone and the album kDemoAlbumName listing
// them, all into folder (ending in a backslash). The album stores the paths as
// folder + file name, so folder should be absolute. Returns the album's path,
// or "" when a file could not be written.
std::string MakeDemoAlbum(FileSystem& files, const std::string& folder, const CodePages& pages);

}  // namespace brambletune
