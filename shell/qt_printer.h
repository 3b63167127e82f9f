#pragma once
// The printer the print dialog returns, drawing the core's pages with
// QPainter. Logical units are 0.01 inch; the painter's origin is the top-left
// corner of the printable area, so a logical (x, y) is at device
// (x, -y) * resolution / 100. Texts keep clear of the frame's line.

#include "platform/printed_page.h"

#include <QFont>

#include <memory>

class QPrinter;

namespace zentabl {

class QtPrinter : public PrinterDevice {
  public:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    ~QtPrinter() override;

    int PrintableWidth() const override;
    int PrintableHeight() const override;
    int AverageCharWidth(const PageFont& font) override;
    int TextWidth(const PageFont& font, const std::string& text) override;
    bool PrintPages(const std::vector<PrintedPage>& pages, const PageFont& font) override;

  private:
    QFont DeviceFont(const PageFont& font) const;
    double DevicePerLogical() const;
    int ToLogical(double device) const;

    std::unique_ptr<QPrinter> printer_;
};

} // namespace zentabl
