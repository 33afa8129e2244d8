#pragma once

#include <windows.h>

#include "monitor/mail/MapiCursor.h"

namespace vigilon {

// The system's hourglass cursor, then the cursor shown before it.
class MapiWin32Cursor : public MapiCursor {
public:
    void ShowHourglass() override;
    void Restore() override;

private:
    HCURSOR previous_ = nullptr;
};

}  // namespace vigilon
