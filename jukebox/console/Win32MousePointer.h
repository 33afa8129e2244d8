#pragma once

#include "jukebox/console/MousePointer.h"

namespace brambletune {

// The system's hourglass and arrow cursors through SetCursor. From the
// hourglass until the default, a hook on the calling thread answers every
// window's WM_SETCURSOR with the hourglass, so it stays while the mouse moves.
class Win32MousePointer : public MousePointer {
public:
    void ShowHourglass() override;
    void ShowDefault() override;
};

}  // namespace brambletune
