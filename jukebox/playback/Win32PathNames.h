#pragma once

#include "jukebox/playback/PathNames.h"

namespace brambletune {

// PathNames over GetShortPathNameA.
class Win32PathNames : public PathNames {
public:
    std::string ShortPath(const std::string& path) const override;
};

}  // namespace brambletune
