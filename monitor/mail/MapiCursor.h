#pragma once

namespace vigilon {

// The mouse cursor as a MAPI send sees it: the hourglass while the send runs.
class MapiCursor {
public:
    virtual ~MapiCursor() = default;

    virtual void ShowHourglass() = 0;
    // Puts back the cursor that was shown before ShowHourglass.
    virtual void Restore() = 0;
};

}  // namespace vigilon
