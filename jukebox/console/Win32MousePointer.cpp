#include "jukebox/console/Win32MousePointer.h"

#include <windows.h>

namespace brambletune {

void Win32MousePointer::ShowHourglass() {
    SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void Win32MousePointer::ShowDefault() {
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace brambletune
