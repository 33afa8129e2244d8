#pragma once

#include <cstdint>
#include <string>

namespace brambletune {

// The about window's version line: "v" + major.minor.revision; the build
// number (the third field of a version resource) is left out.
std::string VersionText(std::uint16_t major, std::uint16_t minor, std::uint16_t build,
                        std::uint16_t revision);

}  // namespace brambletune
