// Dragging text within the display and dropping text on it, in the
// calculator window. The platform's drag loop is not run offscreen, so the
// drops are the events the loop would send, carrying the data the display
// drags.

#include "window_fixture.h"

#include <QTest>
#include <QtWidgets>

#include <memory>

class DisplayDragTest : public QObject {
    Q_OBJECT

  private slots:
    void selectionDraggedWithinTheDisplayMovesOrCopies();
    void textFromElsewhereGoesInAtTheDropPoint();
};

namespace {

// The point of the gap before the position, in the display's viewport.
QPoint GapBefore(zentabl::DisplayBox& display, int position) {
    const QRect cell = display.CharacterRect(position);
    return QPoint(cell.left(), cell.center().y());
}

// Drags the data over the display to the point and drops it there; returns
// the action the drop took, IgnoreAction when refused.
Qt::DropAction Drop(zentabl::DisplayBox& display, const QMimeData& data, QPoint at,
                    Qt::KeyboardModifiers modifiers = {}) {
    const Qt::DropActions either = Qt::CopyAction | Qt::MoveAction;
    QWidget* view = display.viewport();
    QDragEnterEvent enter(at, either, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(view, &enter);
    QDragMoveEvent move(at, either, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(view, &move);
    QDropEvent drop(at, either, &data, Qt::LeftButton, modifiers);
    QApplication::sendEvent(view, &drop);
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

void Select(zentabl::DisplayBox& display, int from, int to) {
    display.SetSelStart(from);
    display.SetSelLength(to - from);
}

// Ctrl+Z, the window's shortcut, once the window is active (offscreen, a
// popup menu takes the activation until the events of its closing are seen).
void Undo(WindowFixture& f) {
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    QTest::keyClick(&f.Display(), Qt::Key_Z, Qt::ControlModifier);
}

} // namespace

void DisplayDragTest::selectionDraggedWithinTheDisplayMovesOrCopies() {
    WindowFixture f;
    zentabl::DisplayBox& display = f.Display();
    QWidget* view = display.viewport();
    const QString typed = QStringLiteral("11 22\n33 44");
    QTest::keyClicks(&display, QStringLiteral("11 22"));
    QTest::keyClick(&display, Qt::Key_Return);
    QTest::keyClicks(&display, QStringLiteral("33 44"));
    QTest::mouseDClick(view, Qt::LeftButton, {}, GapBefore(display, 4));
    QCOMPARE(display.selectedText(), QStringLiteral("22"));
    // Pressed inside the selection and moved, the mouse starts a drag, which
    // leaves the text as it is until something takes the drop.
    QTest::mousePress(view, Qt::LeftButton, {}, GapBefore(display, 4));
    QTest::mouseMove(view,
                     GapBefore(display, 4) + QPoint(QApplication::startDragDistance() + 8, 20));
    QTest::mouseRelease(view, Qt::LeftButton, {}, GapBefore(display, 4));
    QCOMPARE(display.toPlainText(), typed);

    // To the end of the second row: the text moves there and stays selected.
    Select(display, 3, 5);
    std::unique_ptr<QMimeData> dragged(display.SelectionDragData());
    QCOMPARE(Drop(display, *dragged, GapBefore(display, typed.size())), Qt::MoveAction);
    QCOMPARE(display.toPlainText(), QStringLiteral("11 \n33 4422"));
    QCOMPARE(display.selectedText(), QStringLiteral("22"));
    QCOMPARE(QString::fromStdString(f.Window().Dialog().EntryText()),
             QStringLiteral("11 \r\n33 4422"));
    Undo(f);
    QCOMPARE(display.toPlainText(), typed);

    // With Ctrl held it is copied; dropped onto itself nothing moves.
    Select(display, 0, 2);
    dragged.reset(display.SelectionDragData());
    QCOMPARE(Drop(display, *dragged, GapBefore(display, 9), Qt::ControlModifier), Qt::CopyAction);
    QCOMPARE(display.toPlainText(), QStringLiteral("11 22\n33 1144"));
    Select(display, 9, 11);
    dragged.reset(display.SelectionDragData());
    Drop(display, *dragged, GapBefore(display, 10));
    QCOMPARE(display.toPlainText(), QStringLiteral("11 22\n33 1144"));
    Undo(f);
    QCOMPARE(display.toPlainText(), typed);

    // A drag whose text has gone from the display is no longer the display's
    // own: it is copied in.
    Select(display, 0, 2);
    dragged.reset(display.SelectionDragData());
    QTest::keyClick(&display, Qt::Key_Delete);
    QCOMPARE(Drop(display, *dragged, GapBefore(display, 0)), Qt::CopyAction);
    QCOMPARE(display.toPlainText(), typed);
}

void DisplayDragTest::textFromElsewhereGoesInAtTheDropPoint() {
    WindowFixture f;
    zentabl::DisplayBox& display = f.Display();
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE"));
    QCOMPARE(f.ForeColor(), kSetColor);
    const QString shown = f.DisplayText();
    QCOMPARE(shown, QStringLiteral("1.00    2.00\n3.00    4.00\n"));

    // Shift proposes a move; text from elsewhere is always copied.
    QMimeData text;
    text.setText(QStringLiteral("9 "));
    QCOMPARE(Drop(display, text, GapBefore(display, 13), Qt::ShiftModifier), Qt::CopyAction);
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    2.00\n9 3.00    4.00\n"));
    QCOMPARE(display.selectedText(), QStringLiteral("9 "));
    QCOMPARE(f.ForeColor(), kEditingColor);
    Undo(f);
    QCOMPARE(f.DisplayText(), shown);

    // With drag and drop switched off nothing is taken.
    f.Click(QStringLiteral("Displ"));
    QVERIFY(f.Pick(QStringLiteral("Disable Drag Drop")));
    QCOMPARE(Drop(display, text, GapBefore(display, 0)), Qt::IgnoreAction);
    QCOMPARE(f.DisplayText(), shown);
}

QTEST_MAIN(DisplayDragTest)
#include "test_display_drag.moc"
