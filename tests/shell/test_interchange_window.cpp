// Matrices in and out of other tools through the window: a MATLAB text
// pasted with Ctrl+V and set, Copy As from the display's Edit popup, and a
// MatrixMarket file dropped on the display.

#include "window_fixture.h"

#include "commands/menu_tables.h"

#include <QTest>
#include <QtWidgets>

class InterchangeWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void pastedMatlabTextSets();
    void copyAsFromTheEditPopup();
    void droppedMatrixMarketFileIsImported();
};

void InterchangeWindowTest::pastedMatlabTextSets() {
    WindowFixture f;
    QApplication::clipboard()->setText(QStringLiteral("[1 2; 3 -4]"));
    f.Display().setFocus();
    QTest::keySequence(&f.Display(), QKeySequence::Paste);
    f.Click(QStringLiteral("SE"));
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    2.00\n3.00    -4.00\n"));
    QCOMPARE(f.ForeColor(), kSetColor);
    QCOMPARE(qobject_cast<QLabel*>(f.Window().Control(IDC_NOTICE))->text(),
             QStringLiteral("Read as MATLAB"));
}

// Greyed without a matrix; with one, the chosen notation is on the clipboard.
void InterchangeWindowTest::copyAsFromTheEditPopup() {
    WindowFixture f;
    QApplication::clipboard()->clear();
    bool offered = true;
    f.Answers().Next([&](QWidget* box) {
        offered = MenuItem(box, ID_EDIT_COPY_AS_MATLAB_LINE)->isEnabled();
        box->hide();
    });
    QTest::mouseClick(f.Display().viewport(), Qt::RightButton, {}, QPoint(30, 30));
    QTRY_COMPARE(f.Answers().Pending(), 0);
    QVERIFY(!offered);

    QTest::keyClicks(&f.Display(), QStringLiteral("1 2.5"));
    QTest::keyClick(&f.Display(), Qt::Key_Return);
    QTest::keyClicks(&f.Display(), QStringLiteral("-3 0.1"));
    QTest::keyClick(&f.Display(), Qt::Key_Return, Qt::ControlModifier);
    f.Answers().Next(Choose(ID_EDIT_COPY_AS_MATLAB_LINE));
    QTest::mouseClick(f.Display().viewport(), Qt::RightButton, {}, QPoint(30, 30));
    QTRY_COMPARE(f.Answers().Pending(), 0);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("[1 2.5; -3 0.1]"));
}

void InterchangeWindowTest::droppedMatrixMarketFileIsImported() {
    WindowFixture f;
    QFile file(QStringLiteral("dropped.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("%%MatrixMarket matrix coordinate integer symmetric\n2 2 2\n1 1 5\n2 1 7\n");
    file.close();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath())});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(f.Display().viewport(), &enter);
    QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(f.Display().viewport(), &dropped);
    QVERIFY(dropped.isAccepted());
    QCOMPARE(f.DisplayText(), QStringLiteral("5.00    7.00\n7.00    0.00\n"));
    QCOMPARE(f.ForeColor(), kSetColor);
}

QTEST_MAIN(InterchangeWindowTest)
#include "test_interchange_window.moc"
