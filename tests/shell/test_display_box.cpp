// The display box on its own: its line index under edits, and keys, mouse
// and painting on texts far larger than the view.

#include "shell/display_box.h"
#include "shell/display_lines.h"

#include <QTest>
#include <QAccessible>
#include <QtWidgets>

#include <random>

using zentabl::DisplayBox;
using zentabl::DisplayLines;

namespace {

// A matrix-like text: `rows` lines of `columns` numbers "r.c".
std::string WideText(int rows, int columns) {
    std::string text;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c)
            text += std::to_string(r) + '.' + char('0' + c % 10) + (c + 1 < columns ? " " : "\r\n");
    return text;
}

} // namespace

class DisplayBoxTest : public QObject {
    Q_OBJECT

  private slots:
    void lineIndexAgreesWithAFreshIndexAfterEdits();
    void breaksAndTabs();
    void keysMoveSelectAndEdit();
    void longPastesKeepEveryBreak();
    void mouseFindsCharactersInAScrolledView();
    void paintsTheSelectionWhereItIs();
    void assistiveTechnologyReadsAndMovesTheCaret();
};

// Every edit re-indexes only the lines it touches; the index must stay what
// indexing the whole text again gives.
void DisplayBoxTest::lineIndexAgreesWithAFreshIndexAfterEdits() {
    std::mt19937 random(7);
    const std::string pieces[] = {"", "1", "\n", "22 3", "\t4\n", "\n\n", "567890 12\n3"};
    DisplayLines lines;
    lines.AssignCoreText("1 2\r\n3\t4\r\n");
    for (int edit = 0; edit < 2000; ++edit) {
        const int a = int(random() % unsigned(lines.Size() + 1));
        const int b = int(random() % unsigned(lines.Size() + 1));
        lines.Replace(std::min(a, b), std::max(a, b), pieces[random() % std::size(pieces)]);
        DisplayLines fresh;
        fresh.Assign(lines.Text());
        QCOMPARE(lines.LineCount(), fresh.LineCount());
        for (int line = 0; line < fresh.LineCount(); ++line) {
            QCOMPARE(lines.LineStart(line), fresh.LineStart(line));
            QCOMPARE(lines.LineEnd(line), fresh.LineEnd(line));
        }
        QCOMPARE(lines.WidestLine(), fresh.WidestLine());
        QCOMPARE(lines.CoreText(), fresh.CoreText());
    }
}

void DisplayBoxTest::breaksAndTabs() {
    DisplayLines lines;
    lines.AssignCoreText("1\r2\n3\r\n\r\n");
    QCOMPARE(lines.Text(), std::string("1\n2\n3\n\n"));
    QCOMPARE(lines.CoreText(), std::string("1\r\n2\r\n3\r\n\r\n"));
    QCOMPARE(lines.LineCount(), 5);
    QCOMPARE(lines.LineOf(6), 3);

    // A tab reaches the next multiple of eight columns.
    lines.AssignCoreText("ab\tc\r\n\t");
    QCOMPARE(lines.ColumnOf(3), 8);
    QCOMPARE(lines.ColumnOf(4), 9);
    QCOMPARE(lines.WidestLine(), 9);
    QCOMPARE(lines.PositionNearColumn(0, 4), 2);  // nearer the tab's start
    QCOMPARE(lines.PositionNearColumn(0, 6), 3);  // nearer its end
    QCOMPARE(lines.PositionNearColumn(0, 40), 4); // past the end of the line
    QCOMPARE(lines.ColumnsText(0, 1, 20), std::string("b      c"));
    QCOMPARE(lines.ColumnsText(0, 5, 2), std::string("  "));
}

void DisplayBoxTest::keysMoveSelectAndEdit() {
    DisplayBox box;
    box.show();
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.SetText("12 345\r\n6 7");
    QCOMPARE(changes, 0); // what the core writes is not reported back to it
    box.setFocus();

    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(box.selectedText(), QStringLiteral("6 7"));
    QTest::keyClick(&box, Qt::Key_Up); // the caret keeps its column
    QCOMPARE(box.SelStart(), 3);
    QCOMPARE(box.CurLine(), 0);
    QTest::keyClick(&box, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(box.selectedText(), QStringLiteral("345\n"));
    QTest::keyClicks(&box, QStringLiteral("x"));
    QCOMPARE(box.toPlainText(), QStringLiteral("12 x6 7"));
    QCOMPARE(box.Text(), std::string("12 x6 7"));
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Delete);
    QCOMPARE(box.toPlainText(), QStringLiteral("12 x 7"));

    QTest::keySequence(&box, QKeySequence::SelectAll);
    QTest::keySequence(&box, QKeySequence::Cut);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12 x 7"));
    QCOMPARE(box.TextLength(), 0);
    QApplication::clipboard()->setText(QStringLiteral("8\r\n9\u2029" "\u20ac"));
    QTest::keySequence(&box, QKeySequence::Paste);
    QCOMPARE(box.Text(), std::string("8\r\n9\r\n?"));
    QCOMPARE(changes, 6);

    // Escape and the calculator's Undo belong to the window.
    QKeyEvent undo(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(&box, &undo);
    QVERIFY(!undo.isAccepted());
}

// A pasted text is converted in pieces of 65536 characters: breaks of every
// kind on the seams, runs of CRs across them and characters beyond Latin-1
// come out as from the whole.
void DisplayBoxTest::longPastesKeepEveryBreak() {
    const QString breaks[] = {QStringLiteral("\r\r\n"), QStringLiteral("\r\n"), QStringLiteral("\r"),
                              QStringLiteral("\n"), QString(QChar::ParagraphSeparator)};
    std::mt19937 random(3);
    for (int seam : {65535, 65536, 65534}) {
        QString pasted;
        std::string expected;
        for (const QString& at : breaks) {
            const int filler = seam - int(pasted.size()) % 65536 - 1;
            pasted += QString(filler < 0 ? filler + 65536 : filler, QLatin1Char('7'));
            expected.append(std::size_t(filler < 0 ? filler + 65536 : filler), '7');
            pasted += at;
            expected += at == QStringLiteral("\r\r\n") ? "\r\n\r\n" : "\r\n";
            pasted += QChar(0x20ac);
            expected += '?';
            for (int k = int(random() % 5); k > 0; --k) {
                pasted += QLatin1Char('1');
                expected += '1';
            }
        }
        DisplayBox box;
        box.show();
        box.setFocus();
        QApplication::clipboard()->setText(pasted);
        QTest::keySequence(&box, QKeySequence::Paste);
        QVERIFY2(box.Text() == expected, qPrintable(QString::number(seam)));
    }
}

// A text far wider and longer than the view, scrolled to its middle: a
// click lands on the character under the pointer, a drag and Shift+click
// extend from there, a double click takes the whole number.
void DisplayBoxTest::mouseFindsCharactersInAScrolledView() {
    DisplayBox box;
    box.resize(400, 200);
    box.show();
    box.SetText(WideText(400, 600));
    box.verticalScrollBar()->setValue(200);
    const QFontMetrics metrics(box.font());
    const int width = metrics.horizontalAdvance(QLatin1Char('0'));
    box.horizontalScrollBar()->setValue(300 * width);
    QCOMPARE(box.verticalScrollBar()->value(), 200);
    const int height = metrics.lineSpacing();
    // Row 2 of the view, the left quarter of the fourth column in view.
    const QPoint at(4 + 3 * width + width / 4, 4 + 2 * height + height / 2);
    const int lineStart = int(box.toPlainText().indexOf(QStringLiteral("\n202.0 "))) + 1;
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, at);
    QCOMPARE(box.SelStart(), lineStart + 303);
    QCOMPARE(box.CurLine(), 202);

    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseMove(box.viewport(), at + QPoint(5 * width, 0));
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, at + QPoint(5 * width, 0));
    QCOMPARE(box.SelLength(), 5);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::ShiftModifier, at + QPoint(0, height));
    QCOMPARE(box.SelStart(), lineStart + 303);
    QVERIFY(box.SelLength() > 600 * 5);

    // Held below the view, the selection scrolls on down.
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseMove(box.viewport(), QPoint(at.x(), box.viewport()->height() + 3 * height));
    QTRY_VERIFY(box.verticalScrollBar()->value() > 210);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, at);
    QVERIFY(box.CurLine() > 210 && box.SelStart() == lineStart + 303);
    box.verticalScrollBar()->setValue(200);

    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, at);
    const QString word = box.selectedText();
    QVERIFY(word.startsWith(QStringLiteral("202.")) && !word.contains(QLatin1Char(' ')));
}

void DisplayBoxTest::paintsTheSelectionWhereItIs() {
    DisplayBox box;
    box.resize(400, 200);
    box.show();
    box.SetText(WideText(50, 2000));
    box.verticalScrollBar()->setValue(10);
    // Ten characters of the view's second row, five columns in.
    const int rowStart = int(box.toPlainText().indexOf(QStringLiteral("\n11.0 "))) + 1;
    box.SetSelStart(rowStart + 5);
    box.SetSelLength(10);
    QCOMPARE(box.verticalScrollBar()->value(), 10);

    const QImage image = box.viewport()->grab().toImage();
    const QFontMetrics metrics(box.font());
    const int width = metrics.horizontalAdvance(QLatin1Char('0'));
    const int y = 4 + metrics.lineSpacing() + metrics.lineSpacing() / 2;
    const QColor highlight = box.palette().color(QPalette::Highlight);
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if (image.pixelColor(x, y) == highlight) {
            if (first < 0) first = x;
            last = x;
        }
    }
    QVERIFY(first >= 0);
    QVERIFY(qAbs(first - (4 + 5 * width)) <= 1);
    QVERIFY(qAbs(last + 1 - (4 + 15 * width)) <= 1);
}

void DisplayBoxTest::assistiveTechnologyReadsAndMovesTheCaret() {
    DisplayBox box;
    box.resize(400, 200);
    box.show();
    box.SetText(WideText(100, 300));
    box.verticalScrollBar()->setValue(50);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
    QVERIFY(accessible && accessible->textInterface());
    QAccessibleTextInterface* text = accessible->textInterface();
    QCOMPARE(accessible->role(), QAccessible::EditableText);
    QCOMPARE(text->characterCount(), box.TextLength());
    QCOMPARE(text->text(0, 7), QStringLiteral("0.0 0.1"));
    QCOMPARE(text->cursorPosition(), box.TextLength());

    text->setSelection(0, 20, 11);
    QCOMPARE(box.selectedText(), QStringLiteral(" 0.3 0.4 "));
    int from = 0, to = 0;
    text->selection(0, &from, &to);
    QCOMPARE(QPoint(from, to), QPoint(11, 20));
    // A character of a row in view is found again where it is said to stand.
    const int inView = box.toPlainText().indexOf(QStringLiteral("\n51.")) + 5;
    text->setCursorPosition(inView);
    QCOMPARE(box.SelLength(), 0);
    QCOMPARE(text->offsetAtPoint(text->characterRect(inView).center()), inView);
}

QTEST_MAIN(DisplayBoxTest)
#include "test_display_box.moc"
