#include "jukebox/console/ListImages.h"

#include <shellapi.h>

#include "jukebox/console/IconCacheKey.h"

namespace brambletune {
namespace {

// SHGFI_SYSICONINDEX | SHGFI_TYPENAME | SHGFI_DISPLAYNAME | SHGFI_SHELLICONSIZE | SHGFI_SMALLICON
constexpr UINT kIconQuery = 0x4605;
constexpr COLORREF kMaskColor = RGB(255, 0, 255);

// A memory DC drawing on a bitmap for as long as it lives; the bitmap is
// free again afterwards, as an image list needs it.
class BitmapPainter {
public:
    explicit BitmapPainter(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
        previous_ = SelectObject(dc_, bitmap);
    }
    ~BitmapPainter() {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    BitmapPainter(const BitmapPainter&) = delete;
    BitmapPainter& operator=(const BitmapPainter&) = delete;

    void Fill(const RECT& area, COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        FillRect(dc_, &area, brush);
        DeleteObject(brush);
    }
    void Polygon(const POINT* points, int count, COLORREF color) {
        HBRUSH brush = CreateSolidBrush(color);
        HPEN pen = CreatePen(PS_SOLID, 1, color);
        HGDIOBJ oldBrush = SelectObject(dc_, brush);
        HGDIOBJ oldPen = SelectObject(dc_, pen);
        ::Polygon(dc_, points, count);
        SelectObject(dc_, oldPen);
        SelectObject(dc_, oldBrush);
        DeleteObject(pen);
        DeleteObject(brush);
    }

private:
    HDC dc_;
    HGDIOBJ previous_ = nullptr;
};

// A square of the mask colour, deleted with the object.
class SquareBitmap {
public:
    explicit SquareBitmap(int size) : size_(size) {
        HDC screen = GetDC(nullptr);
        bitmap_ = CreateCompatibleBitmap(screen, size, size);
        ReleaseDC(nullptr, screen);
        BitmapPainter(bitmap_).Fill(RECT{0, 0, size, size}, kMaskColor);
    }
    ~SquareBitmap() { DeleteObject(bitmap_); }
    SquareBitmap(const SquareBitmap&) = delete;
    SquareBitmap& operator=(const SquareBitmap&) = delete;

    HBITMAP Handle() const { return bitmap_; }
    void DrawTriangle(bool pointsUp) {
        const int left = size_ / 4, right = size_ - size_ / 4, mid = size_ / 2;
        const int top = size_ / 3, bottom = size_ - size_ / 3;
        const POINT up[] = {{left, bottom}, {right, bottom}, {mid, top}};
        const POINT down[] = {{left, top}, {right, top}, {mid, bottom}};
        BitmapPainter(bitmap_).Polygon(pointsUp ? up : down, 3, GetSysColor(COLOR_BTNSHADOW));
    }

private:
    int size_;
    HBITMAP bitmap_ = nullptr;
};

}  // namespace

ListImages::ListImages(std::int32_t sortImgStart)
    : sortImgStart_(sortImgStart < 0 ? 0 : sortImgStart), size_(GetSystemMetrics(SM_CXSMICON)) {
    list_ = ImageList_Create(size_, size_, ILC_COLOR32 | ILC_MASK, sortImgStart_ + 2, 16);
    while (ImageList_GetImageCount(list_) < sortImgStart_) AddBlank();
    AddTriangle(true);
    AddTriangle(false);
}

ListImages::~ListImages() {
    ImageList_Destroy(list_);
}

void ListImages::AddBlank() {
    const SquareBitmap blank(size_);
    ImageList_AddMasked(list_, blank.Handle(), kMaskColor);
}

void ListImages::AddTriangle(bool pointsUp) {
    SquareBitmap triangle(size_);
    triangle.DrawTriangle(pointsUp);
    ImageList_AddMasked(list_, triangle.Handle(), kMaskColor);
}

std::int32_t ListImages::ImageOf(const std::string& path) {
    const auto known = byPath_.find(path);
    if (known != byPath_.end()) return known->second;
    const std::int32_t image = Load(path);
    byPath_.emplace(path, image);
    return image;
}

std::int32_t ListImages::Load(const std::string& path) {
    SHFILEINFOA info{};
    const auto system = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA(path.c_str(), 0, &info, sizeof info, kIconQuery));
    if (system == nullptr) return -1;
    const std::string key = IconCacheKey(textCase_, info.szTypeName, path);
    const auto cached = byType_.find(key);
    if (cached != byType_.end()) return cached->second;
    HICON icon = ImageList_GetIcon(system, info.iIcon, ILD_TRANSPARENT);
    if (icon == nullptr) return -1;
    const int image = ImageList_AddIcon(list_, icon);
    DestroyIcon(icon);
    if (image < 0) return -1;
    byType_.emplace(key, image);
    return image;
}

}  // namespace brambletune
