#pragma once

#include <windows.h>

#include "monitor/watch/TextJob.h"

namespace vigilon {

// A text job on a printer device context. It owns the DC and the current font
// and aborts the document if it is destroyed before End.
class PrinterTextJob : public TextJob {
public:
    // Starts the document; throws std::runtime_error with the system's text.
    PrinterTextJob(HDC printer, const char* documentName);
    ~PrinterTextJob() override;
    PrinterTextJob(const PrinterTextJob&) = delete;
    PrinterTextJob& operator=(const PrinterTextJob&) = delete;

    void SetFont(const TextFont& font) override;
    void WriteLine(const std::string& text) override;
    void End() override;

private:
    void Check(bool ok) const;

    HDC dc_;
    HFONT font_ = nullptr;
    HGDIOBJ originalFont_ = nullptr;
    PagePlacer placer_;
    int page_ = -1;
    bool ended_ = false;
};

}  // namespace vigilon
