#pragma once

#include "jukebox/console/PlaylistRows.h"

namespace brambletune {

// The user's case-insensitive word sort: LCMapStringA with LCMAP_SORTKEY and
// NORM_IGNORECASE in the user's default locale. Keys compare byte by byte.
PlaylistRows::SortKey Win32SortKey();

}  // namespace brambletune
