// Grabs the picture window's two tabs for a 6 x 6 matrix and for a
// 500 x 500 banded one into PNGs: picture_screenshots FOLDER. Writes
// picture-heatmap-6.png, picture-spectrum-6.png, picture-heatmap-500.png
// and picture-spectrum-500.png. Runs on any Qt platform, offscreen included.

#include "commands/menu_tables.h"
#include "shell/calculator_window.h"
#include "shell/picture_window.h"
#include "shell/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

NEWMAT::Matrix SmallExample() {
    NEWMAT::Matrix m(6, 6);
    m << 4 << -1 << 0 << 2 << 0 << 0 << -1 << 5 << -2 << 0 << 1 << 0 << 0 << -2 << 6 << -1 << 0 << 3 << 1
      << 0 << -1 << -3 << 2 << 0 << 0 << 1 << 0 << 2 << -4 << -1 << 0 << 0 << 3 << 0 << -1 << 7;
    return m;
}

// A band of five diagonals with a slowly varying main diagonal and one
// dense block in a corner.
NEWMAT::Matrix BandedExample(int n) {
    NEWMAT::Matrix m(n, n);
    m = 0.0;
    for (int i = 1; i <= n; ++i) {
        m(i, i) = 2.0 + std::sin(i / 40.0);
        if (i > 1) m(i, i - 1) = 1.0;
        if (i < n) m(i, i + 1) = 0.8;
        if (i > 3) m(i, i - 3) = -1.2;
        if (i < n - 3) m(i, i + 3) = -0.9;
    }
    for (int i = n - 80; i <= n; ++i)
        for (int j = n - 80; j <= n; ++j)
            if (i != j) m(i, j) += 0.25 * std::cos(i * 0.07 + j * 0.13);
    return m;
}

bool Shoot(zentabl::CalculatorWindow& window, const NEWMAT::Matrix& m, const QString& folder, int size) {
    Calculator& core = window.Dialog();
    core.RunCommand([&] {
        core.SetCurrentMatrix(m);
        core.EnterSetState();
    });
    QApplication::processEvents();
    zentabl::PictureWindow& picture = *window.Host().Picture();
    bool ok = true;
    for (int tab = 0; tab < 2; ++tab) {
        picture.Tabs().setCurrentIndex(tab);
        QApplication::processEvents();
        const QString name = QStringLiteral("%1/picture-%2-%3.png")
                                 .arg(folder, tab == 0 ? QStringLiteral("heatmap") : QStringLiteral("spectrum"))
                                 .arg(size);
        ok = picture.grab().save(name) && ok;
    }
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());

    zentabl::CalculatorWindow window;
    window.Start(false);
    window.Dialog().OnMenuCommand(ID_VIEW_PICTURE);
    window.Host().Picture()->resize(560, 520);
    const bool ok = Shoot(window, SmallExample(), folder, 6) && Shoot(window, BandedExample(500), folder, 500);
    if (!ok) std::fprintf(stderr, "cannot write the pictures into %s\n", argv[1]);
    return ok ? 0 : 1;
}
