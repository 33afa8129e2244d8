#include "jukebox/windows/VersionText.h"

namespace brambletune {

std::string VersionText(std::uint16_t major, std::uint16_t minor, std::uint16_t /*build*/,
                        std::uint16_t revision) {
    return "v" + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision);
}

}  // namespace brambletune
