#include "jukebox/console/CFormUtils.h"

#include "jukebox/settings/MGeneral.h"
#include "jukebox/settings/MJukebox.h"
#include "jukebox/settings/MRegistry.h"

namespace brambletune {

MoveSettings FormMoveSettings;

namespace {

const std::string kWindowKey = std::string(kSettingsRoot) + "Window";

// The options dialog offers 0 to 100 pixels; the stored record is not checked.
std::int32_t SnapDistance() {
    return Clamp(FormMoveSettings.SnapDistance, 0, 100);
}

WindowState ToState(std::int32_t stored) {
    switch (stored) {
    case 1: return WindowState::Minimized;
    case 2: return WindowState::Maximized;
    default: return WindowState::Normal;
    }
}

WindowRect PixelsToTwips(const WindowRect& b, const ScreenMetrics& screen) {
    return {b.left * screen.twipsPerPixelX, b.top * screen.twipsPerPixelY,
            b.width * screen.twipsPerPixelX, b.height * screen.twipsPerPixelY};
}

}  // namespace

CFormUtils::CFormUtils(FormWindow& window, RegistryStore& registry)
    : window_(window), registry_(registry) {}

CFormUtils::~CFormUtils() {
    UnSubClass();
}

void CFormUtils::Flash() {
    window_.Flash();
}

void CFormUtils::Move() {
    if (!FormMoveSettings.EasyMove || window_.State() == WindowState::Maximized) return;
    moving_ = true;
    window_.DragMove();
    moving_ = false;
    if (FormMoveSettings.SnapEnabled) SnapToEdges();
}

void CFormUtils::ReadWindowSettings(const std::string& windowName, std::int32_t dLeft,
                                    std::int32_t dTop, std::int32_t dWidth, std::int32_t dHeight) {
    const auto read = [&](const char* field, std::int32_t def) {
        return GetRegDword(registry_, RegistryStore::kCurrentUser, kWindowKey, windowName + field,
                           def);
    };
    WindowRect bounds{read("Left", dLeft), read("Top", dTop), read("Width", dWidth),
                      read("Height", dHeight)};
    const std::int32_t state = read("State", 0);
    // A size that is not positive is damage, and would leave the window invisible.
    if (bounds.width <= 0) bounds.width = dWidth;
    if (bounds.height <= 0) bounds.height = dHeight;

    const ScreenMetrics screen = window_.Screen();
    bounds = KeepOnScreen(bounds, screen.width * screen.twipsPerPixelX,
                          screen.height * screen.twipsPerPixelY);
    MoveInTwips(bounds);
    window_.SetState(ToState(state));
}

void CFormUtils::SaveWindowSettings(const std::string& windowName, bool useGiven,
                                    std::int32_t dLeft, std::int32_t dTop, std::int32_t dWidth,
                                    std::int32_t dHeight) {
    const auto write = [&](const char* field, std::int32_t value) {
        SetRegValue(registry_, RegistryStore::kCurrentUser, kWindowKey, windowName + field, value,
                    RegistryStore::kDword);
    };
    write("State", static_cast<std::int32_t>(window_.State()));
    const WindowRect bounds = useGiven ? WindowRect{dLeft, dTop, dWidth, dHeight} : BoundsInTwips();
    write("Left", bounds.left);
    write("Top", bounds.top);
    write("Width", bounds.width);
    write("Height", bounds.height);
}

void CFormUtils::SetForeground() {
    window_.SetForeground();
}

void CFormUtils::SetLeftRightOfParent(const FormWindow& owner) {
    const ScreenMetrics screen = window_.Screen();
    MoveInTwips(BesideOwner(BoundsInTwips(), PixelsToTwips(owner.Bounds(), screen),
                            WorkArea(screen), screen.width * screen.twipsPerPixelX));
}

void CFormUtils::SetMinMaxSize(std::int32_t minX, std::int32_t minY, std::int32_t maxX,
                               std::int32_t maxY) {
    const ScreenMetrics screen = window_.Screen();
    minX_ = minX;
    minY_ = minY;
    maxX_ = maxX != 0 ? maxX : screen.width * screen.twipsPerPixelX;
    maxY_ = maxY != 0 ? maxY : screen.height * screen.twipsPerPixelY;
}

void CFormUtils::SubClass() {
    window_.Subclass(*this);
}

void CFormUtils::UnSubClass() {
    window_.Unsubclass();
}

void CFormUtils::ZNormal() {
    window_.SetTopmost(false);
}

void CFormUtils::ZOnTop() {
    window_.SetTopmost(true);
}

TrackingLimits CFormUtils::Limits() const {
    const ScreenMetrics screen = window_.Screen();
    const std::int32_t tx = screen.twipsPerPixelX > 0 ? screen.twipsPerPixelX : 1;
    const std::int32_t ty = screen.twipsPerPixelY > 0 ? screen.twipsPerPixelY : 1;
    return {minX_ / tx, minY_ / ty, maxX_ / tx, maxY_ / ty};
}

WindowRect CFormUtils::WhileMoving(const WindowRect& proposed) const {
    if (!moving_ || !FormMoveSettings.SnapEnabled) return proposed;
    return brambletune::SnapToEdges(proposed, window_.Screen().workArea, SnapDistance());
}

ScreenArea CFormUtils::WorkArea(const ScreenMetrics& screen) const {
    const ScreenArea& w = screen.workArea;
    return {w.left * screen.twipsPerPixelX, w.top * screen.twipsPerPixelY,
            w.right * screen.twipsPerPixelX, w.bottom * screen.twipsPerPixelY};
}

WindowRect CFormUtils::BoundsInTwips() const {
    return PixelsToTwips(window_.Bounds(), window_.Screen());
}

void CFormUtils::MoveInTwips(const WindowRect& bounds) {
    const ScreenMetrics screen = window_.Screen();
    window_.MoveTo({TwipsToPixels(bounds.left, screen.twipsPerPixelX),
                    TwipsToPixels(bounds.top, screen.twipsPerPixelY),
                    TwipsToPixels(bounds.width, screen.twipsPerPixelX),
                    TwipsToPixels(bounds.height, screen.twipsPerPixelY)});
}

void CFormUtils::SnapToEdges() {
    const ScreenMetrics screen = window_.Screen();
    const WindowRect current = BoundsInTwips();
    const WindowRect snapped =
        brambletune::SnapToEdges(current, WorkArea(screen), SnapDistance() * screen.twipsPerPixelX);
    if (snapped != current) MoveInTwips(snapped);
}

}  // namespace brambletune
