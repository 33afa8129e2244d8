#include "monitor/watch/PrinterTextJob.h"

#include <stdexcept>

#include "monitor/watch/SystemError.h"

namespace vigilon {

PrinterTextJob::PrinterTextJob(HDC printer, const char* documentName)
    : dc_(printer), placer_(GetDeviceCaps(printer, VERTRES)) {
    DOCINFOA info{};
    info.cbSize = sizeof info;
    info.lpszDocName = documentName;
    if (StartDocA(dc_, &info) <= 0) {
        const std::string text = SystemErrorText(GetLastError());
        DeleteDC(dc_);
        throw std::runtime_error(text);
    }
}

PrinterTextJob::~PrinterTextJob() {
    if (!ended_) AbortDoc(dc_);
    if (originalFont_) SelectObject(dc_, originalFont_);
    if (font_) DeleteObject(font_);
    DeleteDC(dc_);
}

void PrinterTextJob::Check(bool ok) const {
    if (!ok) throw std::runtime_error(SystemErrorText(GetLastError()));
}

void PrinterTextJob::SetFont(const TextFont& font) {
    const int height = -MulDiv(font.points, GetDeviceCaps(dc_, LOGPIXELSY), 72);
    HFONT created = CreateFontA(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                FALSE, ANSI_CHARSET, 0, 0, 0, 0, font.face.c_str());
    Check(created != nullptr);
    HGDIOBJ previous = SelectObject(dc_, created);
    if (!originalFont_) originalFont_ = previous;
    if (font_) DeleteObject(font_);
    font_ = created;
}

void PrinterTextJob::WriteLine(const std::string& text) {
    TEXTMETRICA metrics;
    GetTextMetricsA(dc_, &metrics);
    const auto place = placer_.Next(metrics.tmHeight + metrics.tmExternalLeading);
    if (place.page != page_) {
        if (page_ >= 0) Check(EndPage(dc_) > 0);
        Check(StartPage(dc_) > 0);
        // A new page may reset the DC's attributes; the current font carries over.
        if (font_) SelectObject(dc_, font_);
        page_ = place.page;
    }
    Check(TextOutA(dc_, 0, place.top, text.c_str(), static_cast<int>(text.size())) != FALSE);
}

void PrinterTextJob::End() {
    if (page_ >= 0) Check(EndPage(dc_) > 0);
    Check(EndDoc(dc_) > 0);
    ended_ = true;
}

}  // namespace vigilon
