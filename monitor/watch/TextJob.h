#pragma once

#include <string>

namespace vigilon {

struct TextFont {
    std::string face;
    int points = 12;
    bool bold = false;
};

// A text print job: lines go one under the other from the top-left corner of
// the printable area, each in the font current when it is written; a line that
// no longer fits starts a new page. Failures throw std::runtime_error with the
// system's text.
class TextJob {
public:
    virtual ~TextJob() = default;
    virtual void SetFont(const TextFont& font) = 0;
    virtual void WriteLine(const std::string& text) = 0;
    // Ends the job, which sends it to the printer.
    virtual void End() = 0;
};

// Where lines go on the pages of a job: a line that would pass the bottom of
// the page begins the next page. A line taller than a page gets a page of its own.
class PagePlacer {
public:
    explicit PagePlacer(int pageHeight) : pageHeight_(pageHeight) {}

    struct Place {
        int page;
        int top;
    };
    Place Next(int lineHeight);

private:
    int pageHeight_;
    int page_ = 0;
    int top_ = 0;
};

}  // namespace vigilon
