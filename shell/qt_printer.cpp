#include "shell/qt_printer.h"

#include "shell/text_codec.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace zentabl {

namespace {
constexpr double kLogicalUnitsPerInch = 100.0;
// The frame's line, in logical units.
constexpr double kFrameLineWidth = 1.0;
// How far a text keeps inside the frame, in logical units: as far as the
// matrix rows are laid out from it. The heading, laid out on the frame's
// left edge, moves in to stand above the rows instead of over the line.
constexpr double kTextClearance = 5.0;
} // namespace

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtPrinter::~QtPrinter() = default;

double QtPrinter::DevicePerLogical() const {
    return printer_->resolution() / kLogicalUnitsPerInch;
}

int QtPrinter::ToLogical(double device) const {
    return static_cast<int>(std::lround(device / DevicePerLogical()));
}

int QtPrinter::PrintableWidth() const {
    return ToLogical(printer_->pageRect(QPrinter::DevicePixel).width());
}

int QtPrinter::PrintableHeight() const {
    return ToLogical(printer_->pageRect(QPrinter::DevicePixel).height());
}

QFont QtPrinter::DeviceFont(const PageFont& font) const {
    QFont device(ToQt(font.family));
    device.setPixelSize(
        std::max(1, static_cast<int>(std::lround(font.height * DevicePerLogical()))));
    device.setWeight(QFont::Normal);
    return device;
}

int QtPrinter::AverageCharWidth(const PageFont& font) {
    return std::max(1,
                    ToLogical(QFontMetricsF(DeviceFont(font), printer_.get()).averageCharWidth()));
}

int QtPrinter::TextWidth(const PageFont& font, const std::string& text) {
    const QFontMetricsF metrics(DeviceFont(font), printer_.get());
    return static_cast<int>(std::ceil(metrics.horizontalAdvance(ToQt(text)) / DevicePerLogical()));
}

bool QtPrinter::PrintPages(const std::vector<PrintedPage>& pages, const PageFont& font) {
    QPainter painter;
    if (!painter.begin(printer_.get())) return false;
    const double scale = DevicePerLogical();
    painter.setFont(DeviceFont(font));
    QPen pen(Qt::black);
    pen.setWidthF(kFrameLineWidth * scale);
    painter.setPen(pen);
    const double ascent = QFontMetricsF(painter.font(), printer_.get()).ascent();
    for (std::size_t p = 0; p < pages.size(); ++p) {
        if (p > 0 && !printer_->newPage()) {
            printer_->abort();
            painter.end();
            return false;
        }
        const PrintedPage& page = pages[p];
        // The frame's line lies just inside the printable area.
        const double inset = pen.widthF() / 2;
        painter.drawRect(QRectF(inset, inset, page.frameWidth * scale - 2 * inset,
                                page.frameHeight * scale - 2 * inset));
        for (const PageText& text : page.texts) {
            const QPointF topLeft(std::max<double>(text.x, kTextClearance),
                                  std::max<double>(-text.y, kTextClearance));
            painter.drawText(topLeft * scale + QPointF(0, ascent), ToQt(text.text));
        }
    }
    return painter.end();
}

} // namespace zentabl
