#pragma once
// The picture window beside the calculator: the heat map and the spectrum
// of the current matrix in two tabs, a line naming what the pointer is
// over, and Save for either picture as PNG or SVG.

#include "shell/picture_data.h"

#include <QWidget>

#include <memory>

class QLabel;
class QTabWidget;

namespace zentabl {

class HeatMapView;
class SpectrumView;

class PictureWindow : public QWidget {
  public:
    explicit PictureWindow(QWidget* parent = nullptr);

    // Draws this matrix from now on; the spectrum is worked out when its
    // tab is on show.
    void Follow(std::shared_ptr<const PictureData> data);

    HeatMapView& HeatMap() const { return *heatMap_; }
    SpectrumView& Spectrum() const { return *spectrum_; }
    QTabWidget& Tabs() const { return *tabs_; }
    QString HoverText() const;
    // Writes the picture on show; returns the error text, empty on success.
    std::string SaveShownPicture(const std::string& path) const;

  private:
    void RefreshSpectrumIfShown();
    void AskAndSave();

    std::shared_ptr<const PictureData> data_;
    bool spectrumStale_ = true;
    QTabWidget* tabs_ = nullptr;
    HeatMapView* heatMap_ = nullptr;
    SpectrumView* spectrum_ = nullptr;
    QLabel* hover_ = nullptr;
};

} // namespace zentabl
