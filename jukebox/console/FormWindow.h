#pragma once

#include <cstdint>

#include "jukebox/console/WindowGeometry.h"

namespace brambletune {

enum class WindowState : std::int32_t { Normal = 0, Minimized = 1, Maximized = 2 };

// The primary screen in pixels and the twips each pixel takes.
struct ScreenMetrics {
    std::int32_t twipsPerPixelX = 15;
    std::int32_t twipsPerPixelY = 15;
    std::int32_t width = 0;
    std::int32_t height = 0;
    ScreenArea workArea;
};

// Tracking size limits in pixels; a 0 leaves the system's own limit.
struct TrackingLimits {
    std::int32_t minWidth = 0;
    std::int32_t minHeight = 0;
    std::int32_t maxWidth = 0;
    std::int32_t maxHeight = 0;
};

// What a subclassed window asks its owner while the user sizes or drags it.
class FormWindowRules {
public:
    virtual TrackingLimits Limits() const = 0;
    // Where a window the user is dragging to proposed (pixels) goes instead.
    virtual WindowRect WhileMoving(const WindowRect& proposed) const = 0;

protected:
    ~FormWindowRules() = default;
};

// A top-level window as the window utilities see it, in pixels.
class FormWindow {
public:
    virtual ~FormWindow() = default;
    virtual ScreenMetrics Screen() const = 0;
    virtual WindowRect Bounds() const = 0;
    virtual void MoveTo(const WindowRect& bounds) = 0;
    virtual WindowState State() const = 0;
    virtual void SetState(WindowState state) = 0;
    // Lets the user drag the window as if by its caption; returns when the drag ends.
    virtual void DragMove() = 0;
    virtual void SetTopmost(bool topmost) = 0;
    virtual void SetForeground() = 0;
    // Flashes the caption once and waits half a second, handling pending
    // messages; a quit request ends the wait and stays for the message loop.
    virtual void Flash() = 0;
    // Routes the window's size and move messages through rules until Unsubclass;
    // rules must outlive the subclassing. A second call changes nothing.
    virtual void Subclass(const FormWindowRules& rules) = 0;
    virtual void Unsubclass() = 0;
};

}  // namespace brambletune
