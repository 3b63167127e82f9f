#include "shell/artwork.h"

#include "shell/palette.h"
#include "shell/version.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace zentabl {
namespace {

// Square brackets drawn as open rectangles, the way matrices are printed.
void PaintBrackets(QPainter& painter, const QRectF& box, qreal stroke, const QColor& colour) {
    const qreal arm = box.width() * 0.14;
    QPen pen(colour, stroke, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const QPointF left[] = {{box.left() + arm, box.top()},
                            {box.left(), box.top()},
                            {box.left(), box.bottom()},
                            {box.left() + arm, box.bottom()}};
    const QPointF right[] = {{box.right() - arm, box.top()},
                             {box.right(), box.top()},
                             {box.right(), box.bottom()},
                             {box.right() - arm, box.bottom()}};
    painter.drawPolyline(left, 4);
    painter.drawPolyline(right, 4);
}

} // namespace

void PaintIcon(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(area.width(), area.height());
    const QRectF tile(area.center().x() - side / 2, area.center().y() - side / 2, side, side);

    QLinearGradient shade(tile.topLeft(), tile.bottomLeft());
    shade.setColorAt(0, QColor(0x2a, 0x34, 0x44));
    shade.setColorAt(1, QColor(0x10, 0x16, 0x20));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawRoundedRect(tile, side * 0.18, side * 0.18);

    const QRectF frame = tile.adjusted(side * 0.16, side * 0.18, -side * 0.16, -side * 0.18);
    PaintBrackets(painter, frame, qMax<qreal>(1.0, side * 0.06), SetColour());

    // Cells of the grid: the diagonal lit, the rest in the typing grey.
    const qreal cell = frame.width() * 0.17;
    const qreal gapX = (frame.width() - 3 * cell) / 4;
    const qreal gapY = (frame.height() - 3 * cell) / 4;
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QRectF dot(frame.left() + gapX + c * (cell + gapX),
                             frame.top() + gapY + r * (cell + gapY), cell, cell);
            painter.setPen(Qt::NoPen);
            painter.setBrush(r == c ? SetColour() : TypingColour());
            painter.drawRoundedRect(dot, cell * 0.25, cell * 0.25);
        }
    }
    painter.restore();
}

QImage IconImage(int side) {
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    PaintIcon(painter, QRectF(0, 0, side, side));
    return image;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256})
        icon.addPixmap(QPixmap::fromImage(IconImage(side)));
    return icon;
}

QImage SplashImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient shade(0, 0, 0, height);
    shade.setColorAt(0, QColor(0x22, 0x2c, 0x3a));
    shade.setColorAt(1, QColor(0x0b, 0x10, 0x18));
    painter.fillRect(image.rect(), shade);
    painter.setPen(QPen(QColor(0x55, 0x66, 0x7a), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, width - 2, height - 2));

    // The matrix motif: a bracketed 3 x 3 block of numbers, as the display shows one.
    const QRectF motif(width * 0.07, height * 0.10, width * 0.52, height * 0.46);
    PaintBrackets(painter, motif, qMax(2, height / 80), SetColour());
    static const char* const cells[3][3] = {
        {"2.00", "-1.00", "0.00"}, {"-1.00", "2.00", "-1.00"}, {"0.00", "-1.00", "2.00"}};
    const qreal slotWidth = motif.width() * 0.27;
    QFont mono(DisplayFontFamily());
    mono.setStyleHint(QFont::Monospace);
    // The widest number, with a little air, sets the size of all of them.
    int pixels = qMax(8, height / 14);
    for (;; --pixels) {
        mono.setPixelSize(pixels);
        if (pixels <= 8 ||
            QFontMetricsF(mono).horizontalAdvance(QStringLiteral("-1.00 ")) <= slotWidth)
            break;
    }
    painter.setFont(mono);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            const QRectF slot(motif.left() + motif.width() * (0.055 + c * 0.31),
                              motif.top() + motif.height() * (0.08 + r * 0.30), slotWidth,
                              motif.height() * 0.26);
            painter.setPen(r == c ? SetColour() : TypingColour());
            painter.drawText(slot, Qt::AlignRight | Qt::AlignVCenter,
                             QString::fromLatin1(cells[r][c]));
        }
    }

    QFont title;
    title.setStyleHint(QFont::SansSerif);
    title.setBold(true);
    title.setPixelSize(qMax(12, height / 6));
    painter.setFont(title);
    painter.setPen(QColor(0xf0, 0xf0, 0xf0));
    const QRectF titleBox(width * 0.06, height * 0.60, width * 0.88, height * 0.22);
    painter.drawText(titleBox, Qt::AlignLeft | Qt::AlignVCenter, ProgramName());

    QFont small;
    small.setStyleHint(QFont::SansSerif);
    small.setPixelSize(qMax(9, height / 18));
    painter.setFont(small);
    painter.setPen(TypingColour());
    const QRectF lineBox(width * 0.06, height * 0.82, width * 0.88, height * 0.12);
    painter.drawText(lineBox, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Matrix calculator  \u2022  version %1").arg(ProgramVersion()));

    // The icon in the top right corner ties the picture to the window's icon.
    const qreal iconSide = height * 0.30;
    PaintIcon(painter, QRectF(width - iconSide - width * 0.06, height * 0.14, iconSide, iconSide));
    return image;
}

} // namespace zentabl
