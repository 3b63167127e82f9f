#pragma once
// The spectrum tab: the eigenvalues of a square matrix in the complex plane
// with the rows' Gershgorin discs drawn faintly, or the singular values of
// any other matrix on a line. Hovering a point names its value.

#include "pictures/spectrum.h"
#include "shell/picture_data.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace zentabl {

class SpectrumView : public QWidget {
  public:
    explicit SpectrumView(QWidget* parent = nullptr);

    // Computes the spectrum of the data: call while the tab is on show. A
    // matrix of more than 500 rows waits for a click, so that following
    // the calculator never stalls it for seconds.
    void SetData(std::shared_ptr<const PictureData> data);
    bool WaitsForClick() const { return waiting_; }
    const Spectrum& Shown() const { return spectrum_; }
    std::function<void(const QString&)> onHover;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    QSize sizeHint() const override { return {480, 420}; }

  private:
    void Compute();

    std::shared_ptr<const PictureData> data_;
    Spectrum spectrum_;
    bool waiting_ = false;
};

} // namespace zentabl
