#pragma once

#include <cstdint>
#include <string>

#include "jukebox/console/FormWindow.h"
#include "jukebox/settings/RegistryStore.h"

namespace brambletune {

// Drag and snap behaviour shared by every window; the engine and the options
// dialog copy EasyMove, SnapEnabled and SnapDistance from the options here.
struct MoveSettings {
    bool EasyMove = false;
    bool SnapEnabled = false;
    std::int32_t SnapDistance = 20;  // pixels
};
extern MoveSettings FormMoveSettings;

// A window's saved placement, tracking size limits, drag-anywhere moving with
// edge snapping, z-order and placement beside another window. Sizes and
// positions are in twips. The window must outlive this object, which ends its
// subclassing when it is destroyed.
class CFormUtils : public FormWindowRules {
public:
    CFormUtils(FormWindow& window, RegistryStore& registry);
    ~CFormUtils();
    CFormUtils(const CFormUtils&) = delete;
    CFormUtils& operator=(const CFormUtils&) = delete;

    std::int32_t MMFormsMinX() const { return minX_; }
    std::int32_t MMFormsMaxX() const { return maxX_; }
    std::int32_t MMFormsMinY() const { return minY_; }
    std::int32_t MMFormsMaxY() const { return maxY_; }

    void Flash();
    // Call on a left-button press anywhere on the window.
    void Move();
    void ReadWindowSettings(const std::string& windowName, std::int32_t dLeft, std::int32_t dTop,
                            std::int32_t dWidth, std::int32_t dHeight);
    // Writes the given bounds when useGiven (a minimised or maximised window
    // passes its last normal bounds), else the window's current ones.
    void SaveWindowSettings(const std::string& windowName, bool useGiven, std::int32_t dLeft,
                            std::int32_t dTop, std::int32_t dWidth, std::int32_t dHeight);
    void SetForeground();
    void SetLeftRightOfParent(const FormWindow& owner);
    // A maximum of 0 stands for the screen's size.
    void SetMinMaxSize(std::int32_t minX, std::int32_t minY, std::int32_t maxX, std::int32_t maxY);
    void SubClass();
    void UnSubClass();
    void ZNormal();
    void ZOnTop();

    TrackingLimits Limits() const override;
    // Snaps only inside Move: a drag by the caption goes where the user takes it.
    WindowRect WhileMoving(const WindowRect& proposed) const override;

private:
    ScreenArea WorkArea(const ScreenMetrics& screen) const;
    WindowRect BoundsInTwips() const;
    void MoveInTwips(const WindowRect& bounds);
    void SnapToEdges();

    FormWindow& window_;
    RegistryStore& registry_;
    std::int32_t minX_ = 0;
    std::int32_t maxX_ = 0;
    std::int32_t minY_ = 0;
    std::int32_t maxY_ = 0;
    bool moving_ = false;  // inside Move's drag
};

}  // namespace brambletune
