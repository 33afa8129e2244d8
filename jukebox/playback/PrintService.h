#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace brambletune {

struct PrintFont {
    std::string name;
    std::int16_t charset = 0;
    double points = 10;
    std::int16_t weight = 400;  // 700 bold
    bool italic = false;
    bool underline = false;
};

// One print job on a chosen printer, in printer units. Destroying the object
// ends the document, which sends it to the printer.
class Printer {
public:
    virtual ~Printer() = default;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;
    virtual void SetFont(const PrintFont& font) = 0;
    virtual std::int32_t LineHeight() const = 0;
    // Draws text at (x, y), cut off at maxWidth units.
    virtual void Text(std::int32_t x, std::int32_t y, const std::string& text,
                      std::int32_t maxWidth) = 0;
    virtual void HorizontalLine(std::int32_t y) = 0;
    virtual void NewPage() = 0;
};

// The system's print dialog.
class PrintService {
public:
    virtual ~PrintService() = default;
    // Shows the dialog; the job on the chosen printer, or nullptr when the user
    // cancelled (error empty) or no printer could be used (error says why).
    virtual std::unique_ptr<Printer> ChoosePrinter(bool& selectedOnly, std::string& error) = 0;
};

}  // namespace brambletune
