// Format > Fraction and View > Steps in the window: the exact inverse and
// its notice, then the steps of a Gauss elimination listed in the Steps
// window and copied to the clipboard as text and as LaTeX.

#include "window_fixture.h"

#include "commands/menu_tables.h"
#include "shell/qt_host.h"
#include "shell/steps_window.h"

#include <QTest>
#include <QtWidgets>

class StepsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void fractionFormatInvertsExactly();
    void viewStepsListsTheEliminationAndCopiesIt();
};

namespace {

// Opens the menu bar's menu holding the item, then clicks the item, both
// with the mouse.
void ClickMenuBarItem(QMenuBar* bar, int id) {
    auto* menu = qobject_cast<QMenu*>(MenuItem(bar, id)->parent());
    QVERIFY(menu);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    QTRY_VERIFY(menu->isVisible());
    // The menu is filled afresh as it opens.
    QAction* item = MenuItem(bar, id);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

QString NoticeText(WindowFixture& f) {
    return qobject_cast<QLabel*>(f.Window().Control(IDC_NOTICE))->text();
}

} // namespace

void StepsWindowTest::fractionFormatInvertsExactly() {
    WindowFixture f;
    f.Answers().Next([](QWidget* box) {
        auto* menu = static_cast<QMenu*>(box);
        QAction* fraction = MenuItem(box, ID_FORMAT_FRACTION);
        QVERIFY(fraction && !fraction->isChecked());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(fraction).center());
    });
    f.Click(QStringLiteral("Format"));
    QTRY_COMPARE(f.Answers().Pending(), 0);
    f.Click(QStringLiteral("2 > 1 v 4 > 3 SE Inv"));
    QCOMPARE(f.DisplayText(), QStringLiteral("3/2    -1/2\n-2    1\n"));
    QVERIFY(NoticeText(f).contains(QStringLiteral("exact")));
}

void StepsWindowTest::viewStepsListsTheEliminationAndCopiesIt() {
    WindowFixture f;
    f.Click(QStringLiteral("0 > 2 v 1 > 1 SE Proc"));
    QVERIFY(f.Pick(QStringLiteral("Gauss Elimination")));
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    0.00\n0.00    1.00\n"));

    ClickMenuBarItem(f.Window().menuBar(), ID_VIEW_STEPS);
    zentabl::StepsWindow* window = f.Window().Host().Steps();
    QVERIFY(window);
    QTRY_VERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QStringLiteral("Steps - Gauss Elimination"));
    // The start, a swap for the larger pivot, the scaling of row 2 and the
    // elimination above it, each with its matrix beneath.
    QListWidget* list = window->list();
    QStringList headings;
    for (int row = 0; row < list->count(); ++row)
        headings << list->item(row)->text().section(QLatin1Char('\n'), 0, 0);
    QCOMPARE(headings, QStringList({"Start", "R1 <-> R2", "R2 <- 1/2*R2", "R1 <- R1 - R2"}));
    QCOMPARE(list->item(1)->text(), QStringLiteral("R1 <-> R2\n1.00  1.00\n0.00  2.00"));

    QApplication::clipboard()->clear();
    QTest::mouseClick(window->copyLatexButton(), Qt::LeftButton);
    const QString latex = QApplication::clipboard()->text();
    QVERIFY(latex.startsWith(QStringLiteral("\\begin{align*}")));
    QCOMPARE(latex.count(QStringLiteral("\\begin{bmatrix}")), 4);
    QVERIFY(latex.contains(QStringLiteral("\\xrightarrow")));
    QTest::mouseClick(window->copyTextButton(), Qt::LeftButton);
    QVERIFY(QApplication::clipboard()->text().contains(
        QStringLiteral("R2 <- 1/2*R2\n1.00  1.00\n0.00  1.00\n")));
}

QTEST_MAIN(StepsWindowTest)
#include "test_steps_window.moc"
