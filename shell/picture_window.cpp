#include "shell/picture_window.h"

#include "pictures/picture_files.h"
#include "shell/heat_map_view.h"
#include "shell/spectrum_view.h"

#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zentabl {

PictureWindow::PictureWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("PictureWindow"));
    setWindowTitle(QStringLiteral("Zentabl - Picture"));
    tabs_ = new QTabWidget(this);
    heatMap_ = new HeatMapView(tabs_);
    spectrum_ = new SpectrumView(tabs_);
    tabs_->addTab(heatMap_, QStringLiteral("Heat map"));
    tabs_->addTab(spectrum_, QStringLiteral("Spectrum"));
    hover_ = new QLabel(this);
    hover_->setObjectName(QStringLiteral("hover"));
    hover_->setTextFormat(Qt::PlainText);
    auto* save = new QPushButton(QStringLiteral("&Save..."), this);
    save->setObjectName(QStringLiteral("save"));

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(hover_, 1);
    bottom->addWidget(save);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);

    const auto showHover = [this](const QString& text) { hover_->setText(text); };
    heatMap_->onHover = showHover;
    spectrum_->onHover = showHover;
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { RefreshSpectrumIfShown(); });
    connect(save, &QPushButton::clicked, this, [this] { AskAndSave(); });
    resize(560, 520);
}

void PictureWindow::Follow(std::shared_ptr<const PictureData> data) {
    data_ = std::move(data);
    heatMap_->SetData(data_);
    spectrumStale_ = true;
    hover_->clear();
    RefreshSpectrumIfShown();
}

void PictureWindow::RefreshSpectrumIfShown() {
    if (!spectrumStale_ || tabs_->currentWidget() != spectrum_) return;
    spectrumStale_ = false;
    spectrum_->SetData(data_);
}

QString PictureWindow::HoverText() const {
    return hover_->text();
}

std::string PictureWindow::SaveShownPicture(const std::string& path) const {
    if (!data_) return "No matrix to draw";
    const PictureKind kind = tabs_->currentWidget() == spectrum_ ? PictureKind::Spectrum : PictureKind::HeatMap;
    return SavePicture(kind, data_->matrix, data_->complexMode, path);
}

void PictureWindow::AskAndSave() {
    QString filter;
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save Picture"), QString(),
                                                QStringLiteral("PNG image (*.png);;SVG image (*.svg)"), &filter);
    if (path.isEmpty()) return;
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive) &&
        !path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        path += filter.startsWith(QStringLiteral("SVG")) ? QStringLiteral(".svg") : QStringLiteral(".png");
    const std::string error = SaveShownPicture(QFile::encodeName(path).toStdString());
    if (!error.empty())
        QMessageBox::warning(this, QStringLiteral("Save Picture"), QString::fromStdString(error));
}

} // namespace zentabl
