#pragma once

namespace brambletune {

// The screen's mouse pointer.
class MousePointer {
public:
    virtual ~MousePointer() = default;
    virtual void ShowHourglass() = 0;
    virtual void ShowDefault() = 0;
};

}  // namespace brambletune
