// Measures what a user waits for in the window: start-up to a usable window
// (splash pause included), and a pasted 1000 x 1000 matrix set and shown,
// then scrolled. The matrix text is read from the file named as the first
// argument, if any. Prints the figures; not part of the test run.

#include "calculator/control_ids.h"
#include "platform/large_blocks.h"
#include "shell/calculator_window.h"
#include "shell/display_box.h"
#include "shell/heat_map_view.h"
#include "shell/picture_window.h"
#include "shell/spectrum_view.h"
#include "shell/qt_host.h"
#include "shell/splash_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <string>

namespace {

QString SquareMatrixText(int order) {
    std::string text;
    text.reserve(std::size_t(order) * std::size_t(order) * 6);
    for (int r = 0; r < order; ++r) {
        for (int c = 0; c < order; ++c) {
            if (c > 0) text += ' ';
            text += std::to_string((r * 7 + c * 13) % 1000 - 500);
        }
        text += "\r\n";
    }
    return QString::fromStdString(text);
}

void Settle() {
    QApplication::processEvents();
}

// Until the splash has gone: its first key would end it, not reach the display.
void SettleWhileSplashUp(zentabl::CalculatorWindow& window) {
    while (window.Host().Splash() && window.Host().Splash()->isVisible())
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    KeepLargeBlocksForReuse(); // as zenwin does
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QTemporaryDir scratch;
    QDir::setCurrent(scratch.path());

    zentabl::CalculatorWindow window;
    window.Start(true);
    Settle();
    std::printf("start-up to a usable window, splash pause included: %lld ms\n",
                static_cast<long long>(sinceStart.elapsed()));

    const int order = 1000;
    QString text = SquareMatrixText(order);
    if (argc > 1) {
        QFile file(QString::fromLocal8Bit(argv[1]));
        if (file.open(QIODevice::ReadOnly)) text = QString::fromLatin1(file.readAll());
    }
    QApplication::clipboard()->setText(text);
    SettleWhileSplashUp(window);
    zentabl::DisplayBox& display = window.Display();
    display.setFocus();

    QElapsedTimer clock;
    clock.start();
    // Ctrl+V, as the user pastes.
    QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier);
    QApplication::sendEvent(&display, &paste);
    display.viewport()->repaint();
    Settle();
    const qint64 pasted = clock.restart();
    window.Button(IDC_SE)->click();
    display.viewport()->repaint();
    Settle();
    const qint64 shown = clock.elapsed();
    std::printf(
        "%d x %d pasted: paste %lld ms, set and shown %lld ms, total %lld ms (%lld characters)\n",
        order, order, static_cast<long long>(pasted), static_cast<long long>(shown),
        static_cast<long long>(pasted + shown), static_cast<long long>(display.TextLength()));

    const int steps = 50;
    QScrollBar* down = display.verticalScrollBar();
    QScrollBar* across = display.horizontalScrollBar();
    clock.restart();
    for (int i = 1; i <= steps; ++i) {
        down->setValue(down->maximum() * i / steps);
        across->setValue(across->maximum() * i / steps);
        display.viewport()->repaint();
    }
    std::printf("jumping across the matrix: %.1f ms per jump\n", double(clock.elapsed()) / steps);

    // As a mouse wheel moves it: a few lines at a time.
    down->setValue(0);
    across->setValue(0);
    clock.restart();
    for (int i = 1; i <= steps; ++i) {
        down->setValue(down->value() + 3 * down->singleStep());
        display.viewport()->repaint();
    }
    std::printf("scrolling by wheel steps: %.1f ms per step\n", double(clock.elapsed()) / steps);

    // The picture window's heat map of a 2000 x 2000 matrix, drawn whole.
    NEWMAT::Matrix big(2000, 2000);
    for (int i = 0; i < 2000 * 2000; ++i)
        big.Store()[i] = (i * 7 % 1999) - 999.0;
    auto data = std::make_shared<zentabl::PictureData>();
    data->matrix = big;
    data->number = [](double value) { return std::to_string(value); };
    zentabl::PictureWindow picture;
    picture.resize(560, 520);
    picture.show();
    Settle();
    picture.Follow(data);
    clock.restart();
    for (int i = 0; i < steps; ++i)
        picture.HeatMap().repaint();
    std::printf("heat map of 2000 x 2000, one paint: %.1f ms\n", double(clock.elapsed()) / steps);
    picture.Tabs().setCurrentIndex(1);
    NEWMAT::Matrix square(500, 500);
    for (int i = 0; i < 500 * 500; ++i)
        square.Store()[i] = (i * 13 % 997) - 498.0;
    data = std::make_shared<zentabl::PictureData>(*data);
    data->matrix = square;
    clock.restart();
    picture.Follow(data);
    picture.Spectrum().repaint();
    std::printf("spectrum of 500 x 500, computed and painted: %lld ms\n", static_cast<long long>(clock.elapsed()));
    return 0;
}
