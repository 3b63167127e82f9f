#pragma once
// The heat map tab: one cell per element, blocks averaged where the
// elements outnumber the pixels, a legend with the scale's ends. The wheel
// zooms about the pointer, dragging pans, hovering names the element.

#include "shell/picture_data.h"

#include <QPointF>
#include <QWidget>

#include <functional>
#include <memory>

namespace zentabl {

class HeatMapView : public QWidget {
  public:
    explicit HeatMapView(QWidget* parent = nullptr);

    void SetData(std::shared_ptr<const PictureData> data);
    // Told what the pointer is over ("Row 2, column 3: 1.50"), or "".
    std::function<void(const QString&)> onHover;

    // The element (0-based row, column) under a point of the widget, if any.
    bool ElementAt(QPointF point, int& row, int& column) const;
    double Zoom() const { return zoom_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    QSize sizeHint() const override { return {480, 420}; }

  private:
    QRectF Area() const;
    // Pixels per element side at the present zoom.
    double CellSize() const;
    void ClampOrigin();
    int Rows() const;
    int Columns() const;

    std::shared_ptr<const PictureData> data_;
    double zoom_ = 1.0;
    QPointF origin_;  // the element coordinates at the area's top-left corner
    QPointF dragFrom_;
    QPointF originAtDrag_;
};

} // namespace zentabl
