#pragma once

#include "jukebox/console/MousePointer.h"

namespace brambletune {

// The system's hourglass and arrow cursors through SetCursor.
class Win32MousePointer : public MousePointer {
public:
    void ShowHourglass() override;
    void ShowDefault() override;
};

}  // namespace brambletune
