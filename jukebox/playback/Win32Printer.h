#pragma once

#include <windows.h>

#include "jukebox/playback/PrintService.h"

namespace brambletune {

// One print document on a printer device context. The document starts at
// construction and each page when something is first drawn on it; the
// destructor ends the page and the document and releases the font (and the
// DC when it was taken).
class Win32Printer : public Printer {
public:
    enum class DcOwnership { Take, Borrow };

    Win32Printer(HDC dc, DcOwnership ownership);
    ~Win32Printer() override;
    Win32Printer(const Win32Printer&) = delete;
    Win32Printer& operator=(const Win32Printer&) = delete;

    std::int32_t Width() const override;
    std::int32_t Height() const override;
    void SetFont(const PrintFont& font) override;
    std::int32_t LineHeight() const override;
    void Text(std::int32_t x, std::int32_t y, const std::string& text,
              std::int32_t maxWidth) override;
    void HorizontalLine(std::int32_t y) override;
    void NewPage() override;

    // True when the DC accepted the document: a printer DC does, a metafile DC
    // does not (it still records what is drawn, without pages).
    bool Started() const { return docStarted_; }
    // True once drawing or changing pages has failed.
    bool Failed() const { return failed_; }

private:
    void StartPageOnce();
    void Check(bool succeeded);

    HDC dc_;
    DcOwnership ownership_;
    HFONT font_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    bool docStarted_ = false;
    bool pageStarted_ = false;
    bool failed_ = false;
};

}  // namespace brambletune
