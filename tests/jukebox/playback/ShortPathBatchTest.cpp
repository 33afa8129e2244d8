// A batch gives every path the short form a probe of that path alone would
// give, though it judges plain paths in missing folders by the folder.
#include "jukebox/playback/ShortPathBatch.h"

#include <gtest/gtest.h>

#include "jukebox/doubles/AsciiTextCase.h"
#include "jukebox/playback/PathNames.h"
#include "jukebox/playback/doubles/ScriptedMci.h"

namespace brambletune {
namespace {

using testing::DbcsTextCase;
using testing::TablePathNames;

// C:\Music\Long Folder\Long song.mp3 and C:\Top.mp3 exist; C:\Gone does not.
// The other existing entries are spellings a folder cannot vouch for.
TablePathNames Disk() {
    TablePathNames paths;
    paths.shortForms = {
        {"C:\\Music", "C:\\MUSIC"},
        {"C:\\Music\\Long Folder", "C:\\MUSIC\\LONGFO~1"},
        {"C:\\Music\\Long Folder\\Long song.mp3", "C:\\MUSIC\\LONGFO~1\\LONGSO~1.MP3"},
        {"C:\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone\\..\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone\\.\\..\\Top.mp3", "C:\\TOP.MP3"},
        {"C:/Gone/../Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone.\\..\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone \\..\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone\\\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\G?ne\\Top.mp3", "C:\\TOP.MP3"},
        {"\\\\server\\share\\s.mp3", "\\\\server\\share\\S.MP3"},
        {"C:\\\x95\\\\s.mp3", "C:\\\x95\\\\S.MP3"},  // the folder's last byte is a trail byte
    };
    return paths;
}

TEST(ShortPathBatchTest, GivesWhatAProbeOfThePathAloneGives) {
    const struct {
        const char* path;
        const char* shortPath;
    } cases[] = {
        {"C:\\Music\\Long Folder\\Long song.mp3", "C:\\MUSIC\\LONGFO~1\\LONGSO~1.MP3"},
        {"C:\\Music\\Long Folder\\Missing song.mp3", "C:\\Music\\Long Folder\\Missing song.mp3"},
        {"C:\\Gone\\Deeper\\song.mp3", "C:\\Gone\\Deeper\\song.mp3"},
        {"C:\\Gone\\song.mp3", "C:\\Gone\\song.mp3"},
        {"C:\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone\\..\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone\\.\\..\\Top.mp3", "C:\\TOP.MP3"},
        {"C:/Gone/../Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone.\\..\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone \\..\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\Gone\\\\Top.mp3", "C:\\TOP.MP3"},
        {"C:\\G?ne\\Top.mp3", "C:\\TOP.MP3"},
        {"\\\\server\\share\\s.mp3", "\\\\server\\share\\S.MP3"},
        {"C:\\\x95\\\\s.mp3", "C:\\\x95\\\\S.MP3"},
        {"relative\\song.mp3", "relative\\song.mp3"},
    };
    const TablePathNames paths = Disk();
    const DbcsTextCase textCase;
    ShortPathBatch batch(paths, textCase);
    for (const auto& c : cases) {
        EXPECT_EQ(batch.ShortPath(c.path), c.shortPath) << c.path;
        EXPECT_EQ(GetShortPath(paths, c.path), c.shortPath) << c.path;
    }
}

}  // namespace
}  // namespace brambletune
