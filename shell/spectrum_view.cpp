#include "shell/spectrum_view.h"

#include "pictures/picture_style.h"
#include "pictures/plot_frame.h"

#include <QMouseEvent>
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <cmath>

namespace zentabl {

namespace {

constexpr double kHoverReach = 8.0; // pixels
constexpr int kLargestAutomatic = 500; // rows drawn without a click

QColor ToQColor(Rgb colour, double alpha = 1.0) {
    QColor c(colour.r, colour.g, colour.b);
    c.setAlphaF(static_cast<float>(alpha));
    return c;
}

} // namespace

SpectrumView::SpectrumView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setObjectName(QStringLiteral("spectrum"));
}

void SpectrumView::SetData(std::shared_ptr<const PictureData> data) {
    data_ = std::move(data);
    spectrum_ = Spectrum{};
    waiting_ = data_ && data_->matrix.Nrows() > kLargestAutomatic;
    if (!waiting_) Compute();
    update();
}

void SpectrumView::Compute() {
    waiting_ = false;
    if (!data_) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    spectrum_ = MakeSpectrum(data_->matrix, data_->complexMode);
    QApplication::restoreOverrideCursor();
    update();
}

void SpectrumView::mouseReleaseEvent(QMouseEvent* event) {
    if (waiting_ && event->button() == Qt::LeftButton) Compute();
}

void SpectrumView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!data_) return;
    if (waiting_) {
        painter.drawText(rect(), Qt::AlignCenter,
                         QStringLiteral("Click to work out the spectrum of this %1 x %2 matrix")
                             .arg(data_->matrix.Nrows())
                             .arg(data_->complexMode ? data_->matrix.Ncols() / 2 : data_->matrix.Ncols()));
        return;
    }
    painter.setRenderHint(QPainter::Antialiasing);
    const PlotFrame frame = FrameSpectrum(spectrum_, width(), height());
    const QRectF plot(frame.left, frame.top, frame.width, frame.height);
    const bool eigen = spectrum_.square;

    painter.setPen(ToQColor(kGridColour));
    for (double tick : frame.x.ticks)
        painter.drawLine(QPointF(frame.PixelX(tick), plot.top()), QPointF(frame.PixelX(tick), plot.bottom()));
    if (eigen)
        for (double tick : frame.y.ticks)
            painter.drawLine(QPointF(plot.left(), frame.PixelY(tick)), QPointF(plot.right(), frame.PixelY(tick)));
    painter.setPen(ToQColor(kAxisColour));
    for (double tick : frame.x.ticks)
        painter.drawText(QRectF(frame.PixelX(tick) - 40, plot.bottom() + 4, 80, 16), Qt::AlignHCenter | Qt::AlignTop,
                         QString::fromStdString(TickLabel(tick, frame.x.step)));
    if (eigen)
        for (double tick : frame.y.ticks)
            painter.drawText(QRectF(0, frame.PixelY(tick) - 8, plot.left() - 6, 16), Qt::AlignRight | Qt::AlignVCenter,
                             QString::fromStdString(TickLabel(tick, frame.y.step)));
    painter.drawRect(plot);

    painter.save();
    painter.setClipRect(plot);
    if (frame.x.low < 0 && frame.x.high > 0)
        painter.drawLine(QPointF(frame.PixelX(0), plot.top()), QPointF(frame.PixelX(0), plot.bottom()));
    if (frame.y.low < 0 && frame.y.high > 0)
        painter.drawLine(QPointF(plot.left(), frame.PixelY(0)), QPointF(plot.right(), frame.PixelY(0)));
    // The discs' union shaded once: opaque on a layer laid on faintly.
    QImage layer(size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter discs(&layer);
        discs.setRenderHint(QPainter::Antialiasing);
        discs.setPen(Qt::NoPen);
        discs.setBrush(ToQColor(kDiscColour));
        for (const GershgorinDisc& disc : spectrum_.discs) {
            const double r = disc.radius * frame.Scale();
            discs.drawEllipse(QPointF(frame.PixelX(disc.centre.real()), frame.PixelY(disc.centre.imag())), r, r);
        }
    }
    painter.setOpacity(kDiscFillAlpha);
    painter.drawImage(0, 0, layer);
    painter.setOpacity(1.0);
    painter.setPen(ToQColor(kDiscColour, DiscEdgeAlpha(spectrum_.discs.size())));
    painter.setBrush(Qt::NoBrush);
    for (const GershgorinDisc& disc : spectrum_.discs) {
        const double r = disc.radius * frame.Scale();
        painter.drawEllipse(QPointF(frame.PixelX(disc.centre.real()), frame.PixelY(disc.centre.imag())), r, r);
    }
    if (eigen && frame.unitCircle) {
        painter.setPen(QPen(ToQColor(kUnitCircleColour), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(frame.PixelX(0), frame.PixelY(0)), frame.Scale(), frame.Scale());
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(kEigenvalueColour));
    for (const std::complex<double>& value : spectrum_.eigenvalues)
        painter.drawEllipse(QPointF(frame.PixelX(value.real()), frame.PixelY(value.imag())), kPointRadius,
                            kPointRadius);
    painter.setBrush(ToQColor(kSingularValueColour));
    for (double value : spectrum_.singularValues)
        painter.drawEllipse(QPointF(frame.PixelX(value), frame.PixelY(0)), kPointRadius, kPointRadius);
    painter.restore();

    if (!spectrum_.failure.empty()) {
        painter.setPen(Qt::black);
        painter.drawText(plot.adjusted(8, 6, -8, -6), Qt::AlignLeft | Qt::AlignTop,
                         QString::fromStdString(spectrum_.failure));
    }
}

void SpectrumView::mouseMoveEvent(QMouseEvent* event) {
    if (!onHover || !data_) return;
    const PlotFrame frame = FrameSpectrum(spectrum_, width(), height());
    const QPointF at = event->position();
    QString text;
    double nearest = kHoverReach;
    for (const std::complex<double>& value : spectrum_.eigenvalues) {
        const double distance = std::hypot(frame.PixelX(value.real()) - at.x(), frame.PixelY(value.imag()) - at.y());
        if (distance > nearest) continue;
        nearest = distance;
        const double im = value.imag();
        text = QStringLiteral("Eigenvalue %1 %2 %3i")
                   .arg(QString::fromStdString(data_->number(value.real())), im < 0 ? "-" : "+",
                        QString::fromStdString(data_->number(std::fabs(im))));
    }
    for (double value : spectrum_.singularValues) {
        const double distance = std::hypot(frame.PixelX(value) - at.x(), frame.PixelY(0) - at.y());
        if (distance > nearest) continue;
        nearest = distance;
        text = QStringLiteral("Singular value %1").arg(QString::fromStdString(data_->number(value)));
    }
    onHover(text);
}

void SpectrumView::leaveEvent(QEvent*) {
    if (onHover) onHover({});
}

} // namespace zentabl
