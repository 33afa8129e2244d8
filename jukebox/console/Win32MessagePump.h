#pragma once

#include "jukebox/console/MessagePump.h"

namespace brambletune {

// Dispatches the calling thread's pending messages with PeekMessageA.
class Win32MessagePump : public MessagePump {
public:
    // A WM_QUIT met here is posted again and ends the pumping, so that the
    // program's own message loop still sees it and ends.
    void ProcessPendingMessages() override;
};

}  // namespace brambletune
