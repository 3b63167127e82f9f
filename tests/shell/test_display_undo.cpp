// Undo in the calculator window: what the user does to the display's text
// with keys, the clipboard and the calculator's keys is taken back by Ctrl+Z
// and by the Edit popup's Undo, one change at a time, a run of typing or of
// deleting being one change.

#include "window_fixture.h"

#include "commands/menu_tables.h"

#include <QTest>
#include <QtWidgets>

class DisplayUndoTest : public QObject {
    Q_OBJECT

  private slots:
    void typingAndEditingKeysAreUndone();
    void clipboardKeysAreUndone();
    void calculatorKeysAreUndone();
};

namespace {

// Opens the Edit popup with the right button and tells whether its Undo is
// offered; chooses Undo when `choose` is set, else closes the popup.
bool UndoOffered(WindowFixture& f, bool choose = false) {
    bool offered = false;
    f.Answers().Next([&](QWidget* box) {
        QAction* undo = MenuItem(box, ID_EDIT_UNDO);
        offered = undo && undo->isEnabled();
        auto* menu = static_cast<QMenu*>(box);
        if (choose && offered)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(undo).center());
        else
            box->hide();
    });
    QTest::mouseClick(f.Display().viewport(), Qt::RightButton, {}, QPoint(30, 30));
    // An answer left unused fails the test when the window goes.
    return QTest::qWaitFor([&] { return f.Answers().Pending() == 0; }, 2000) && offered;
}

// Ctrl+Z, the window's shortcut, once the window is active (offscreen, a
// popup menu takes the activation until the events of its closing are seen).
void Undo(WindowFixture& f) {
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    QTest::keyClick(&f.Display(), Qt::Key_Z, Qt::ControlModifier);
}

} // namespace

void DisplayUndoTest::typingAndEditingKeysAreUndone() {
    WindowFixture f;
    QWidget* display = &f.Display();
    QVERIFY(!UndoOffered(f));
    Undo(f); // nothing to undo: the display stays as it is
    QCOMPARE(f.DisplayText(), QString());

    QTest::keyClicks(display, QStringLiteral("12 34"));
    QTest::keyClick(display, Qt::Key_Return);
    QTest::keyClicks(display, QStringLiteral("5"));
    QVERIFY(UndoOffered(f));
    // The whole run of typing goes, and a second Undo brings it back.
    QVERIFY(UndoOffered(f, true));
    QCOMPARE(f.DisplayText(), QString());
    Undo(f);
    QCOMPARE(f.DisplayText(), QStringLiteral("12 34\n5"));
    QCOMPARE(QString::fromStdString(f.Window().Dialog().EntryText()), QStringLiteral("12 34\r\n5"));

    // A run of Backspaces is one change; typing after it starts another.
    QTest::keyClick(display, Qt::Key_Backspace);
    QTest::keyClick(display, Qt::Key_Backspace);
    QTest::keyClick(display, Qt::Key_Backspace);
    QCOMPARE(f.DisplayText(), QStringLiteral("12 3"));
    QTest::keyClicks(display, QStringLiteral("9"));
    Undo(f);
    QCOMPARE(f.DisplayText(), QStringLiteral("12 3"));
    Undo(f);
    QCOMPARE(f.DisplayText(), QStringLiteral("12 39"));

    // Select All and Delete, and a key typed over a selection.
    QTest::keyClick(display, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(display, Qt::Key_Delete);
    QCOMPARE(f.DisplayText(), QString());
    Undo(f);
    QCOMPARE(f.DisplayText(), QStringLiteral("12 39"));
    QTest::keyClick(display, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(display, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(display, QStringLiteral("7"));
    QCOMPARE(f.DisplayText(), QStringLiteral("12 7"));
    Undo(f);
    QCOMPARE(f.DisplayText(), QStringLiteral("12 39"));
}

void DisplayUndoTest::clipboardKeysAreUndone() {
    WindowFixture f;
    QWidget* display = &f.Display();
    QTest::keyClicks(display, QStringLiteral("1 2"));
    QTest::keyClick(display, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(display, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(f.DisplayText(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1 2"));
    Undo(f);
    QCOMPARE(f.DisplayText(), QStringLiteral("1 2"));

    QTest::keyClick(display, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.DisplayText(), QStringLiteral("1 21 2"));
    Undo(f);
    QCOMPARE(f.DisplayText(), QStringLiteral("1 2"));

    // The popup's Cut keeps its own undo text; Ctrl+Z takes it back too.
    QTest::keyClick(display, Qt::Key_A, Qt::ControlModifier);
    f.Answers().Next([](QWidget* box) {
        auto* menu = static_cast<QMenu*>(box);
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(MenuItem(box, ID_EDIT_CUT)).center());
    });
    QTest::mouseClick(f.Display().viewport(), Qt::RightButton, {}, QPoint(30, 30));
    QTRY_COMPARE(f.Answers().Pending(), 0);
    QCOMPARE(f.DisplayText(), QString());
    Undo(f);
    QCOMPARE(f.DisplayText(), QStringLiteral("1 2"));
}

// Keys of the calculator that rewrite the display are undone too; the text
// brought back is being typed, to be set again with SE.
void DisplayUndoTest::calculatorKeysAreUndone() {
    WindowFixture f;
    QWidget* display = &f.Display();
    QTest::keyClicks(display, QStringLiteral("2 0"));
    QTest::keyClick(display, Qt::Key_Return);
    QTest::keyClicks(display, QStringLiteral("0 4"));
    QTest::keyClick(display, Qt::Key_Return, Qt::ControlModifier);
    const QString set = f.DisplayText();
    QCOMPARE(set, QStringLiteral("2.00    0.00\n0.00    4.00\n"));
    QCOMPARE(f.ForeColor(), kSetColor);
    f.Click(QStringLiteral("Inv"));
    const QString inverse = f.DisplayText();
    QCOMPARE(inverse.left(4), QStringLiteral("0.50"));
    QVERIFY(UndoOffered(f));
    f.Click(QStringLiteral("Inv")); // the inverse's inverse
    QVERIFY(f.DisplayText() != inverse);
    Undo(f);
    QCOMPARE(f.DisplayText(), inverse);
    QCOMPARE(f.ForeColor(), kEditingColor);
    QVERIFY(display->hasFocus());

    f.Click(QStringLiteral("CE"));
    QCOMPARE(f.DisplayText(), QString());
    Undo(f);
    QCOMPARE(f.DisplayText(), inverse);
    QTest::keyClick(display, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.ForeColor(), kSetColor);
}

QTEST_MAIN(DisplayUndoTest)
#include "test_display_undo.moc"
