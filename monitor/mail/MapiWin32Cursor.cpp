#include "monitor/mail/MapiWin32Cursor.h"

namespace vigilon {

void MapiWin32Cursor::ShowHourglass() {
    previous_ = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
}

void MapiWin32Cursor::Restore() {
    // With no cursor before, the arrow is the one a window of this program shows.
    SetCursor(previous_ != nullptr ? previous_ : LoadCursorA(nullptr, IDC_ARROW));
}

}  // namespace vigilon
