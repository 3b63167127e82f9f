// View > Picture as a person uses it: opened by its shortcut, following
// what the keys set and compute, naming the element under the pointer.

#include "window_fixture.h"

#include "commands/menu_tables.h"
#include "pictures/picture_style.h"
#include "shell/heat_map_view.h"
#include "shell/picture_window.h"
#include "shell/qt_host.h"
#include "shell/spectrum_view.h"

#include <QTabWidget>
#include <QTest>
#include <QtWidgets>

#include <algorithm>

namespace {

NEWMAT::Matrix Current(WindowFixture& f) {
    return static_cast<Calculator&>(f.Window().Dialog()).GetCurrentMatrix();
}

// The colour the heat map draws at the centre of the element (row, column),
// counted from 0, found by scanning the view's own picture.
QColor ColourOfElement(zentabl::HeatMapView& view, int row, int column) {
    const QImage image = view.grab().toImage();
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) {
            int r = -1, c = -1;
            if (!view.ElementAt(QPointF(x, y), r, c) || r != row || c != column) continue;
            // Step to the middle of the element's cells.
            int x1 = x, y1 = y;
            while (view.ElementAt(QPointF(x1 + 1, y), r, c) && c == column) ++x1;
            while (view.ElementAt(QPointF(x, y1 + 1), r, c) && r == row) ++y1;
            return image.pixelColor((x + x1) / 2, (y + y1) / 2);
        }
    return {};
}

// Whether View > Picture shows its check mark when the View menu opens.
bool PictureItemChecked(WindowFixture& f) {
    QMenu* view = nullptr;
    for (QAction* action : f.Window().menuBar()->actions())
        if (action->text() == QStringLiteral("View")) view = action->menu();
    if (!view) return false;
    QMetaObject::invokeMethod(view, "aboutToShow");
    QAction* item = MenuItem(view, ID_VIEW_PICTURE);
    return item && item->isChecked();
}

} // namespace

class PictureWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void followsSetAndInverse();
    void hoverNamesElementsAndEigenvalues();
};

void PictureWindowTest::followsSetAndInverse() {
    WindowFixture f;
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    QVERIFY(!PictureItemChecked(f));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    zentabl::PictureWindow* picture = f.Window().Host().Picture();
    QVERIFY(picture);
    QVERIFY(picture->isVisible());
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));

    QTest::keyClicks(&f.Display(), QStringLiteral("2 -1"));
    QTest::keyClick(&f.Display(), Qt::Key_Return);
    QTest::keyClicks(&f.Display(), QStringLiteral("0 1"));
    QTest::mouseClick(f.Window().Button(IDC_SE), Qt::LeftButton);
    QTRY_COMPARE(ColourOfElement(picture->HeatMap(), 0, 0), QColor(255, 0, 0));
    QCOMPARE(ColourOfElement(picture->HeatMap(), 0, 1), QColor(128, 128, 255));
    QCOMPARE(ColourOfElement(picture->HeatMap(), 1, 0), QColor(255, 255, 255));

    // Inv gives [0.5 0.5; 0 1]: the largest element is now 1, bottom right.
    QTest::mouseClick(f.Window().Button(IDC_INV), Qt::LeftButton);
    QCOMPARE(Current(f)(1, 2), 0.5);
    QTRY_COMPARE(ColourOfElement(picture->HeatMap(), 1, 1), QColor(255, 0, 0));
    QCOMPARE(ColourOfElement(picture->HeatMap(), 0, 1), QColor(255, 128, 128));

    // The menu's check mark follows the window, closed by its own button too.
    QVERIFY(PictureItemChecked(f));
    picture->close();
    QVERIFY(!PictureItemChecked(f));
}

void PictureWindowTest::hoverNamesElementsAndEigenvalues() {
    WindowFixture f;
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE"));
    f.Window().Dialog().OnMenuCommand(ID_VIEW_PICTURE);
    zentabl::PictureWindow* picture = f.Window().Host().Picture();
    QVERIFY(picture && picture->isVisible());
    picture->resize(500, 460);
    QVERIFY(QTest::qWaitForWindowExposed(picture));

    zentabl::HeatMapView& map = picture->HeatMap();
    QPoint over;
    for (int y = 0; y < map.height() && over.isNull(); y += 3)
        for (int x = 0; x < map.width(); x += 3) {
            int r = -1, c = -1;
            if (map.ElementAt(QPointF(x, y), r, c) && r == 0 && c == 1) {
                over = QPoint(x + 2, y + 2);
                break;
            }
        }
    QVERIFY(!over.isNull());
    QTest::mouseMove(&map, over);
    QTRY_COMPARE(picture->HoverText(), QStringLiteral("Row 1, column 2: 2.00"));

    // Zooming about the pointer keeps the element under it.
    QWheelEvent wheel(QPointF(over), map.mapToGlobal(QPointF(over)), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&map, &wheel);
    QVERIFY(map.Zoom() > 1.0);
    int r = -1, c = -1;
    QVERIFY(map.ElementAt(QPointF(over), r, c));
    QCOMPARE(r, 0);
    QCOMPARE(c, 1);

    // The spectrum tab: the eigenvalues (5 ± sqrt(33)) / 2, named on hover.
    picture->Tabs().setCurrentIndex(1);
    zentabl::SpectrumView& spectrum = picture->Spectrum();
    QCOMPARE(static_cast<int>(spectrum.Shown().eigenvalues.size()), 2);
    const double large = std::max(spectrum.Shown().eigenvalues[0].real(), spectrum.Shown().eigenvalues[1].real());
    QVERIFY(std::fabs(large - (5 + std::sqrt(33.0)) / 2) < 1e-12);
    const QImage drawn = spectrum.grab().toImage();
    bool found = false;
    for (int y = 0; y < drawn.height() && !found; ++y)
        for (int x = 0; x < drawn.width() && !found; ++x)
            if (drawn.pixelColor(x, y) == QColor(kEigenvalueColour.r, kEigenvalueColour.g, kEigenvalueColour.b)) {
                QTest::mouseMove(&spectrum, QPoint(x, y + 2));
                found = true;
            }
    QVERIFY(found);
    QTRY_VERIFY(picture->HoverText().startsWith(QStringLiteral("Eigenvalue ")));
}

QTEST_MAIN(PictureWindowTest)
#include "test_picture_window.moc"
