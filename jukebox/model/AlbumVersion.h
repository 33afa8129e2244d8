#pragma once

#include <string_view>

namespace brambletune {

// The magic texts of the album file versions.
inline constexpr std::string_view kMagic27 = "Brambl27";
inline constexpr std::string_view kMagic25 = "Brambl25";
inline constexpr std::string_view kMagic2a = "Brambletune 2a";

enum class AlbumVersion { kUnknown, k27, k25, k2a };

inline AlbumVersion VersionOf(std::string_view magic) {
    if (magic == kMagic27) return AlbumVersion::k27;
    if (magic == kMagic25) return AlbumVersion::k25;
    if (magic == kMagic2a) return AlbumVersion::k2a;
    return AlbumVersion::kUnknown;
}

}  // namespace brambletune
