#pragma once

namespace brambletune {

// Lets the window system handle what is waiting, so that windows stay
// responsive during a lengthy operation on the window thread.
class MessagePump {
public:
    virtual ~MessagePump() = default;
    // Handles the window messages pending now and returns without waiting.
    virtual void ProcessPendingMessages() = 0;
};

}  // namespace brambletune
