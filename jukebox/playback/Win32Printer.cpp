#include "jukebox/playback/Win32Printer.h"

#include <cmath>

namespace brambletune {

Win32Printer::Win32Printer(HDC dc, DcOwnership ownership) : dc_(dc), ownership_(ownership) {
    DOCINFOA doc{};
    doc.cbSize = sizeof(doc);
    doc.lpszDocName = "Brambletune Playlist";
    docStarted_ = StartDocA(dc_, &doc) > 0;
}

Win32Printer::~Win32Printer() {
    if (pageStarted_) EndPage(dc_);
    if (docStarted_) EndDoc(dc_);
    if (font_ != nullptr) {
        SelectObject(dc_, originalFont_);
        DeleteObject(font_);
    }
    if (ownership_ == DcOwnership::Take) DeleteDC(dc_);
}

std::int32_t Win32Printer::Width() const {
    return GetDeviceCaps(dc_, HORZRES);
}

std::int32_t Win32Printer::Height() const {
    return GetDeviceCaps(dc_, VERTRES);
}

void Win32Printer::SetFont(const PrintFont& font) {
    // A negative height asks for the character height, as point sizes mean.
    const double pixels = font.points * GetDeviceCaps(dc_, LOGPIXELSY) / 72.0;
    const int height = -static_cast<int>(std::nearbyint(pixels));
    HFONT created =
        CreateFontA(height, 0, 0, 0, font.weight, font.italic, font.underline, FALSE,
                    static_cast<BYTE>(font.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, font.name.c_str());
    Check(created != nullptr);
    if (created == nullptr) return;
    HGDIOBJ previous = SelectObject(dc_, created);
    if (font_ == nullptr) {
        originalFont_ = previous;
    } else {
        DeleteObject(font_);
    }
    font_ = created;
}

std::int32_t Win32Printer::LineHeight() const {
    TEXTMETRICA metrics{};
    if (!GetTextMetricsA(dc_, &metrics)) return 0;
    return metrics.tmHeight + metrics.tmExternalLeading;
}

void Win32Printer::Text(std::int32_t x, std::int32_t y, const std::string& text,
                        std::int32_t maxWidth) {
    StartPageOnce();
    if (text.empty()) return;
    const RECT clip{x, y, x + maxWidth, y + LineHeight()};
    Check(ExtTextOutA(dc_, x, y, ETO_CLIPPED, &clip, text.c_str(), static_cast<UINT>(text.size()),
                      nullptr));
}

void Win32Printer::HorizontalLine(std::int32_t y) {
    StartPageOnce();
    Check(MoveToEx(dc_, 0, y, nullptr) && LineTo(dc_, Width(), y));
}

void Win32Printer::NewPage() {
    if (pageStarted_) Check(EndPage(dc_) > 0);
    pageStarted_ = false;
    StartPageOnce();
}

void Win32Printer::StartPageOnce() {
    if (pageStarted_ || !docStarted_) return;
    pageStarted_ = StartPage(dc_) > 0;
    Check(pageStarted_);
}

void Win32Printer::Check(bool succeeded) {
    if (!succeeded) failed_ = true;
}

}  // namespace brambletune
