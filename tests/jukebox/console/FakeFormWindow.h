#pragma once

#include "jukebox/console/FormWindow.h"

namespace brambletune::testing {

// A window on a 1024 x 768 pixel screen at 15 twips per pixel whose task bar
// takes the bottom 30 pixels. DragMove puts the window at dragTo, or, when
// subclassed, where the rules say while moving (as the system's move loop does),
// and keeps that position in dropped.
class FakeFormWindow : public FormWindow {
public:
    ScreenMetrics screen{15, 15, 1024, 768, {0, 0, 1024, 738}};
    WindowRect bounds{100, 100, 400, 300};
    WindowState state = WindowState::Normal;
    WindowRect dragTo{};
    WindowRect dropped{};
    int drags = 0;
    bool topmost = false;
    const FormWindowRules* rules = nullptr;

    ScreenMetrics Screen() const override { return screen; }
    WindowRect Bounds() const override { return bounds; }
    void MoveTo(const WindowRect& b) override { bounds = b; }
    WindowState State() const override { return state; }
    void SetState(WindowState s) override { state = s; }
    void DragMove() override {
        ++drags;
        dropped = rules != nullptr ? rules->WhileMoving(dragTo) : dragTo;
        bounds = dropped;
    }
    void SetTopmost(bool on) override { topmost = on; }
    void SetForeground() override {}
    void Flash() override {}
    void Subclass(const FormWindowRules& r) override { rules = &r; }
    void Unsubclass() override { rules = nullptr; }
};

}  // namespace brambletune::testing
