#pragma once

#include "jukebox/playback/PathNames.h"

namespace brambletune {

// PathNames over GetShortPathNameA and FindFirstFileA.
class Win32PathNames : public PathNames {
public:
    std::string ShortPath(const std::string& path) const override;
    std::string LongName(const std::string& path) const override;
};

}  // namespace brambletune
