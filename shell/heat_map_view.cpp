#include "shell/heat_map_view.h"

#include "pictures/heat_map.h"

#include <QImage>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace zentabl {

namespace {

constexpr double kMargin = 8.0;
constexpr double kLegendWidth = 84.0;
constexpr double kLegendBar = 14.0;
constexpr double kLargestCell = 96.0; // pixels per element at the deepest zoom
constexpr double kWheelStep = 1.25;
constexpr double kLeastZoomRange = 4.0; // even a few elements zoom this far

QColor ToQColor(Rgb colour) {
    return QColor(colour.r, colour.g, colour.b);
}

} // namespace

HeatMapView::HeatMapView(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setObjectName(QStringLiteral("heatMap"));
}

void HeatMapView::SetData(std::shared_ptr<const PictureData> data) {
    const bool sameSize = data_ && data && Rows() == data->matrix.Nrows() &&
                          data_->matrix.Ncols() == data->matrix.Ncols() &&
                          data_->complexMode == data->complexMode;
    data_ = std::move(data);
    // A new result of the same size keeps the view where the user put it.
    if (!sameSize) {
        zoom_ = 1.0;
        origin_ = {};
    }
    update();
}

int HeatMapView::Rows() const {
    return data_ ? ElementRows(data_->matrix) : 0;
}

int HeatMapView::Columns() const {
    return data_ ? ElementColumns(data_->matrix, data_->complexMode) : 0;
}

QRectF HeatMapView::Area() const {
    return QRectF(kMargin, kMargin, std::max(1.0, width() - 2 * kMargin - kLegendWidth),
                  std::max(1.0, height() - 2 * kMargin));
}

double HeatMapView::CellSize() const {
    if (Rows() == 0 || Columns() == 0) return 1.0;
    const QRectF area = Area();
    return std::min(area.width() / Columns(), area.height() / Rows()) * zoom_;
}

void HeatMapView::ClampOrigin() {
    const QRectF area = Area();
    const double cell = CellSize();
    const double maxX = std::max(0.0, Columns() - area.width() / cell);
    const double maxY = std::max(0.0, Rows() - area.height() / cell);
    origin_.setX(std::clamp(origin_.x(), 0.0, maxX));
    origin_.setY(std::clamp(origin_.y(), 0.0, maxY));
}

bool HeatMapView::ElementAt(QPointF point, int& row, int& column) const {
    const QRectF area = Area();
    if (!data_ || !area.contains(point)) return false;
    const double cell = CellSize();
    column = static_cast<int>(std::floor(origin_.x() + (point.x() - area.left()) / cell));
    row = static_cast<int>(std::floor(origin_.y() + (point.y() - area.top()) / cell));
    return row >= 0 && row < Rows() && column >= 0 && column < Columns();
}

void HeatMapView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (Rows() == 0 || Columns() == 0) return;
    const QRectF area = Area();
    const double cell = CellSize();

    // The elements in view, whole ones, and their heat map at no more cells
    // than the area has pixels.
    ElementRange range;
    range.firstRow = static_cast<int>(std::floor(origin_.y()));
    range.firstColumn = static_cast<int>(std::floor(origin_.x()));
    range.rows = std::min(Rows(), static_cast<int>(std::ceil(origin_.y() + area.height() / cell))) - range.firstRow;
    range.columns =
        std::min(Columns(), static_cast<int>(std::ceil(origin_.x() + area.width() / cell))) - range.firstColumn;
    const int limit = static_cast<int>(std::ceil(std::max(area.width(), area.height())));
    const HeatMap map = MakeHeatMap(data_->matrix, data_->complexMode, range, limit);
    if (map.cells.empty()) return;

    QImage image(map.cellColumns, map.cellRows, QImage::Format_RGB888);
    for (int y = 0; y < map.cellRows; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < map.cellColumns; ++x) {
            const Rgb colour = map.ColourOf(map.cells[static_cast<std::size_t>(y) * map.cellColumns + x]);
            line[3 * x] = colour.r, line[3 * x + 1] = colour.g, line[3 * x + 2] = colour.b;
        }
    }
    const QRectF matrixRect(area.left() - origin_.x() * cell, area.top() - origin_.y() * cell,
                            Columns() * cell, Rows() * cell);
    const QRectF target(area.left() + (range.firstColumn - origin_.x()) * cell,
                        area.top() + (range.firstRow - origin_.y()) * cell,
                        map.cellColumns * map.block * cell, map.cellRows * map.block * cell);
    painter.save();
    painter.setClipRect(area.intersected(matrixRect));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, image);
    painter.restore();
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(area.intersected(matrixRect));

    // The legend: the scale from its top end down to its bottom end.
    const QRectF bar(area.right() + 16, area.top(), kLegendBar, area.height());
    QLinearGradient gradient(bar.topLeft(), bar.bottomLeft());
    const double largest = map.largest;
    gradient.setColorAt(0.0, ToQColor(map.ColourOf(largest)));
    if (!data_->complexMode) {
        gradient.setColorAt(0.5, Qt::white);
        gradient.setColorAt(1.0, ToQColor(map.ColourOf(-largest)));
    } else {
        gradient.setColorAt(1.0, Qt::white);
    }
    painter.fillRect(bar, gradient);
    painter.setPen(Qt::black);
    painter.drawRect(bar);
    const QString top = QString::fromStdString(data_->number(largest));
    const QString bottom = QString::fromStdString(data_->number(data_->complexMode ? 0.0 : -largest));
    const QRectF labels(bar.right() + 4, bar.top(), kLegendWidth - kLegendBar - 20, bar.height());
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, top);
    painter.drawText(labels, Qt::AlignLeft | Qt::AlignBottom, bottom);
}

void HeatMapView::wheelEvent(QWheelEvent* event) {
    if (Rows() == 0) return;
    const QRectF area = Area();
    const QPointF at = event->position();
    const double before = CellSize();
    const QPointF element = origin_ + (at - area.topLeft()) / before;
    const double steps = event->angleDelta().y() / 120.0;
    const double fitted = before / zoom_;
    zoom_ = std::clamp(zoom_ * std::pow(kWheelStep, steps), 1.0, std::max(kLeastZoomRange, kLargestCell / fitted));
    // The element under the pointer stays under it.
    origin_ = element - (at - area.topLeft()) / CellSize();
    ClampOrigin();
    update();
    event->accept();
}

void HeatMapView::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position();
    originAtDrag_ = origin_;
}

void HeatMapView::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) {
        origin_ = originAtDrag_ - (event->position() - dragFrom_) / CellSize();
        ClampOrigin();
        update();
    }
    if (!onHover) return;
    int row = 0, column = 0;
    if (!ElementAt(event->position(), row, column)) {
        onHover({});
        return;
    }
    const NEWMAT::Matrix& m = data_->matrix;
    QString value;
    if (data_->complexMode)
        value = QStringLiteral("(%1, %2)")
                    .arg(QString::fromStdString(data_->number(m(row + 1, 2 * column + 1))),
                         QString::fromStdString(data_->number(m(row + 1, 2 * column + 2))));
    else
        value = QString::fromStdString(data_->number(m(row + 1, column + 1)));
    onHover(QStringLiteral("Row %1, column %2: %3").arg(row + 1).arg(column + 1).arg(value));
}

void HeatMapView::leaveEvent(QEvent*) {
    if (onHover) onHover({});
}

} // namespace zentabl
