#pragma once
// A printed page as plain data: the core lays the page out, the window's
// printer (or the scripted host) draws it. Positions are logical units of
// 0.01 inch with y growing upward, so everything below the page's top edge
// has a negative y.

#include <string>
#include <vector>

// The one font of a printed page.
struct PageFont {
    std::string family;
    int height = 0; // logical units
};

// A text drawn with its top-left corner at (x, y).
struct PageText {
    int x = 0;
    int y = 0;
    std::string text;
};

// The frame runs from (0, 0) to (frameWidth, -frameHeight); the texts follow
// in the order they are drawn.
struct PrintedPage {
    int frameWidth = 0;
    int frameHeight = 0;
    std::vector<PageText> texts;
};

// The printer the print dialog was closed with, ready for one job.
class PrinterDevice {
  public:
    virtual ~PrinterDevice() = default;
    // The printable area in logical units.
    virtual int PrintableWidth() const = 0;
    virtual int PrintableHeight() const = 0;
    // The font's average character width on this printer, in logical units.
    virtual int AverageCharWidth(const PageFont& font) = 0;
    // The width the text takes in the font, in logical units.
    virtual int TextWidth(const PageFont& font, const std::string& text) = 0;
    // Prints the pages as one document in the font. Returns false when the
    // printer failed to start or finish the document or a page; the job is
    // then aborted.
    virtual bool PrintPages(const std::vector<PrintedPage>& pages, const PageFont& font) = 0;
};
