#pragma once

#include "jukebox/console/MousePointer.h"

namespace brambletune {

// Shows the hourglass while at least one instance lives: create one at the start
// of a lengthy operation; instances may nest.
class CWaitCursor {
public:
    explicit CWaitCursor(MousePointer& pointer);
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

    // Shows the hourglass again after something else changed the pointer.
    void Restore() const;
    // Instances alive in the program.
    static int Count() { return count_; }

private:
    MousePointer& pointer_;
    static int count_;
};

}  // namespace brambletune
