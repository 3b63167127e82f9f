// The calculator window wired to the real core, driven as a user would.

#include "window_fixture.h"

#include "commands/menu_tables.h"
#include "shell/dropped_text.h"
#include "shell/help_window.h"
#include "shell/qt_host.h"
#include "shell/small_controls.h"
#include "shell/text_codec.h"
#include "shell/version.h"

#include <QTest>
#include <QtWidgets>

namespace {

const QString kTwoByTwo = QStringLiteral("1.00    2.00\n3.00    4.00\n");

QString EntryText(WindowFixture& f) {
    return QString::fromStdString(f.Window().Dialog().EntryText());
}

} // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void keypadListFormatsAndTips();
    void dropOntoDisplay();
    void pastedThousandSquareIsSetAndShownQuickly();
    void displayTextFollowsEveryChange();
    void textCrossesBetweenCoreAndBoxes();
    void keyboardSessionWithOperatorTypoAndEscape();
    void typingOverACueStartsTheSecondOperand();
    void desktopKeysMenusAndTheEditPopup();
};

void CalculatorWindowTest::keypadListFormatsAndTips() {
    WindowFixture f;
    QCOMPARE(f.Window().Status().text(), QStringLiteral("Mode: Real        Mult: Matrix  Rdx:10"));
    QCOMPARE(QApplication::focusWidget(), &f.Display());
    f.Click(QStringLiteral("1 > 2 v 3 > 4"));
    QCOMPARE(f.ForeColor(), kEditingColor);
    f.Click(QStringLiteral("SE"));
    QCOMPARE(f.DisplayText(), kTwoByTwo);
    QCOMPARE(f.ForeColor(), kSetColor);
    // A set matrix parks the focus away from the display.
    QCOMPARE(QApplication::focusWidget(), f.Window().Control(IDC_OPTIONS_CAPTION));

    // Neither a wheel turn nor an arrow key over the list runs a row (here:
    // overwrites a register) by itself; the arrow opens the list instead.
    f.Click(QStringLiteral("Store"));
    QVERIFY(f.Pick(QStringLiteral("           A")));
    zentabl::CommandList& list = f.Window().Commands();
    const QPointF middle = QRectF(list.rect()).center();
    for (int turn = 0; turn < 3; ++turn) {
        QWheelEvent wheel(middle, list.mapToGlobal(middle), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&list, &wheel);
    }
    QTest::keyClick(list.lineEdit(), Qt::Key_Down);
    QVERIFY(list.view()->isVisible());
    list.hidePopup();
    QCOMPARE(QDir().entryList({QStringLiteral("Reg*")}), QStringList{"RegA"});

    // The check marks of Default, Fixed Point and Exponential as shown.
    QList<bool> checked;
    f.Answers().Next([&](QWidget* box) {
        for (QAction* item : box->actions().mid(0, 3))
            checked << item->isChecked();
        Choose(32772 + 3)(box); // Exponential, 4 decimals
    });
    f.Click(QStringLiteral("Format"));
    QCOMPARE(checked, QList<bool>({true, false, false}));
    QCOMPARE(f.DisplayText(),
             QStringLiteral("1.0000e+000    2.0000e+000\n3.0000e+000    4.0000e+000\n"));

    // The decimal arrows reformat a set matrix but leave typed text alone.
    auto* decimals = static_cast<zentabl::SpinArrows*>(f.Window().Control(IDC_DECIMAL_SPIN));
    decimals->SetValue(2);
    decimals->upArrow()->click();
    QCOMPARE(f.DisplayText(),
             QStringLiteral("1.000e+000    2.000e+000\n3.000e+000    4.000e+000\n"));
    QCOMPARE(static_cast<QLineEdit*>(f.Window().Control(IDC_DECIMAL_BOX))->text(), "3");
    f.Click(QStringLiteral("CE 1 > 2"));
    decimals->upArrow()->click();
    QCOMPARE(f.DisplayText(), QStringLiteral("1 2"));

    QWidget* seven = f.Window().Button(ButtonIdForCaption("7"));
    auto hover = [&] {
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), seven->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(seven, &help);
    };
    hover();
    QCOMPARE(QToolTip::text(), QStringLiteral("Digit"));
    f.Click(QStringLiteral("Displ"));
    QVERIFY(f.Pick(QStringLiteral("Disable Tool Tips")));
    hover();
    QVERIFY(!QToolTip::isVisible());
}

// A text file is taken; a binary file, one over the size limit and any file
// with drops switched off (the last) are not.
void CalculatorWindowTest::dropOntoDisplay() {
    const QByteArray text("7 8\n9 10\n"); // as editors here write it: line feeds alone
    const QByteArray files[] = {text, QByteArray("1 2\0\x01\x02", 6),
                                QByteArray(zentabl::kLargestDroppedFile + 1, '7'), text};
    WindowFixture f;
    for (const QByteArray& content : files) {
        const bool taken = &content == &files[0];
        QTemporaryFile file;
        QVERIFY(file.open());
        file.write(content);
        file.close();
        f.Click(QStringLiteral("CE 5 SE"));
        if (&content == &files[3]) {
            f.Click(QStringLiteral("Displ"));
            QVERIFY(f.Pick(QStringLiteral("Disable Drag Drop")));
        }
        // Shift proposes a move; the display takes every drop as a copy, so
        // the text stays where it was dragged from.
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file.fileName())});
        const Qt::DropActions either = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(QPoint(10, 10), either, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(f.Display().viewport(), &enter);
        QDropEvent dropped(QPointF(10, 10), either, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(f.Display().viewport(), &dropped);
        QCOMPARE(enter.isAccepted() && dropped.isAccepted(), taken);
        if (taken) {
            QCOMPARE(enter.dropAction(), Qt::CopyAction);
            QCOMPARE(dropped.dropAction(), Qt::CopyAction);
            // Line breaks as the display writes them, whatever the file used.
            QCOMPARE(EntryText(f), QStringLiteral("7 8\r\n9 10\r\n"));
        } else {
            QCOMPARE(f.DisplayText(), QStringLiteral("5.00\n"));
        }
    }
}

void CalculatorWindowTest::pastedThousandSquareIsSetAndShownQuickly() {
    WindowFixture f;
    const int order = 1000;
    QString row;
    for (int c = 0; c < order; ++c)
        row += QString::number(c % 10) + QLatin1Char(c + 1 < order ? ' ' : '\n');
    QApplication::clipboard()->setText(row.repeated(order));
    f.Display().setFocus();

    QElapsedTimer clock;
    clock.start();
    QTest::keySequence(&f.Display(), QKeySequence::Paste);
    f.Click(QStringLiteral("SE"));
    f.Display().viewport()->repaint();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed < 2000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));

    QCOMPARE(f.ForeColor(), kSetColor);
    QCOMPARE(f.Display().lineCount(), order + 1); // the last line ends too
    QScrollBar* down = f.Display().verticalScrollBar();
    // Shown from its first row and column, also when set again unchanged.
    QCOMPARE(down->value(), 0);
    QCOMPARE(f.Display().horizontalScrollBar()->value(), 0);
    down->setValue(down->maximum());
    f.Click(QStringLiteral("SE"));
    QCOMPARE(down->value(), 0);
}

// The display keeps its text converted for the core; every way the text
// changes must reach what the core reads back.
void CalculatorWindowTest::displayTextFollowsEveryChange() {
    WindowFixture f;
    zentabl::DisplayBox& display = f.Display();
    const auto readsBack = [&](const QString& shown) {
        QCOMPARE(f.DisplayText(), shown);
        QString crlf = shown;
        QCOMPARE(QString::fromStdString(display.Text()), crlf.replace(u'\n', QStringLiteral("\r\n")));
        QCOMPARE(display.TextLength(), int(shown.size()));
    };
    // Typed in the middle of a second line: the caret's line counts.
    QTest::keyClicks(&display, QStringLiteral("12"));
    QTest::keyClick(&display, Qt::Key_Return);
    QTest::keyClicks(&display, QStringLiteral("56"));
    QTest::keyClick(&display, Qt::Key_Left);
    QTest::keyClicks(&display, QStringLiteral("9"));
    readsBack(QStringLiteral("12\n596"));
    QCOMPARE(EntryText(f), QStringLiteral("12\r\n596"));

    f.Click(QStringLiteral("CE 1 > 2 v 3 > 4 SE"));
    readsBack(kTwoByTwo);
    QCOMPARE(display.SelStart(), display.TextLength()); // the caret at the end

    // Pasted over a selection: the selection goes, the caret follows the
    // pasted text, line breaks of any kind become one.
    display.setFocus();
    display.SetSelStart(8);
    display.SetSelLength(4);
    QApplication::clipboard()->setText(QStringLiteral("7\r\n8\r9"));
    QTest::keySequence(&display, QKeySequence::Paste);
    readsBack(QStringLiteral("1.00    7\n8\n9\n3.00    4.00\n"));
    QCOMPARE(display.SelStart(), 13);
    QCOMPARE(display.SelLength(), 0);

    // Backspace, Delete and cuts inside the box: the display box's own test.
    // Set by the core, unchanged and then shorter.
    display.SetText("1 2\r\n3 4");
    readsBack(QStringLiteral("1 2\n3 4"));
    display.SetText("1 2\r\n3 4");
    readsBack(QStringLiteral("1 2\n3 4"));
    display.SetText("1 2\r");
    readsBack(QStringLiteral("1 2\n"));
    QCOMPARE(display.SelStart(), 4);
}

// Line breaks of every kind become one and come back as CR LF; Latin-1
// crosses unchanged, and what it cannot hold comes back as '?', one per
// UTF-16 unit.
void CalculatorWindowTest::textCrossesBetweenCoreAndBoxes() {
    const QString shown = zentabl::ToQt("1\r2\n3\r\r\n4\n\r5\xe9\xa0\xff");
    QCOMPARE(shown, QStringLiteral("1\n2\n3\n\n4\n\n5\u00e9\u00a0\u00ff"));
    QCOMPARE(zentabl::FromQt(shown), std::string("1\r\n2\r\n3\r\n\r\n4\r\n\r\n5\xe9\xa0\xff"));
    QCOMPARE(zentabl::FromQt(QString(QChar::ParagraphSeparator) + QStringLiteral("\u20ac\U0001F600")),
             std::string("\r\n???"));
}

// Everything as a user does it: keys typed into the display, buttons and the
// display clicked with the mouse, boxes answered.
void CalculatorWindowTest::keyboardSessionWithOperatorTypoAndEscape() {
    WindowFixture f;
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    QWidget* display = &f.Display();
    const auto click = [&](const char* caption) {
        QTest::mouseClick(f.Window().Button(ButtonIdForCaption(caption)), Qt::LeftButton);
    };
    const auto typeRows = [&](const QStringList& rows) {
        for (int r = 0; r < rows.size(); ++r) {
            if (r > 0) QTest::keyClick(display, Qt::Key_Return);
            QTest::keyClicks(display, rows[r]);
        }
    };

    typeRows({"1 2 3", "4 5 6", "7 8 10"});
    QTest::keyClick(display, Qt::Key_Return, Qt::ControlModifier); // SE
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    2.00    3.00\n4.00    5.00    6.00\n"
                                             "7.00    8.00    10.00\n"));
    click("Mul");
    f.Window().Commands().hidePopup();
    QTest::mouseClick(f.Display().viewport(), Qt::LeftButton, {}, QPoint(40, 10));
    typeRows({"1 1 0", "0 1 0", "0 0 1"});
    QCOMPARE(f.DisplayText(), QStringLiteral("1 1 0\n0 1 0\n0 0 1"));
    QTest::keyClick(display, Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier);
    click("=");
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    3.00    3.00\n4.00    9.00    6.00\n"
                                             "7.00    15.00    10.00\n"));

    // A typo: the text stays, the wrong character is selected, and typing
    // over it mends it. The product stays the current matrix meanwhile.
    QTest::mouseClick(f.Display().viewport(), Qt::LeftButton, {}, QPoint(40, 10));
    f.Display().selectAll();
    QTest::keyClicks(display, QStringLiteral("1 2 x 4"));
    QString said;
    f.Answers().Next([&](QWidget* box) {
        said = box->windowTitle() + QLatin1Char('/') + static_cast<QMessageBox*>(box)->text();
        ClickButton(box, QStringLiteral("OK"));
    });
    click("SE");
    QCOMPARE(said, QStringLiteral("Syntax Error/Invalid Expression"));
    QCOMPARE(f.DisplayText(), QStringLiteral("1 2 x 4"));
    QCOMPARE(f.Display().selectedText(), QStringLiteral("x"));
    QCOMPARE(static_cast<Calculator&>(f.Window().Dialog()).GetCurrentMatrix()(3, 2), 15.0);
    QCOMPARE(f.Window().focusWidget(), display);
    QTest::keyClicks(display, QStringLiteral("3"));
    click("SE");
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    2.00    3.00    4.00\n"));

    // Escape at Pow's prompt, an exponent typed: nothing changes. The pointer is an arrow
    // while the box waits, and no wait cursor is left behind.
    Qt::CursorShape whileAsked = Qt::BlankCursor;
    f.Answers().Next([&](QWidget* box) {
        if (const QCursor* cursor = QApplication::overrideCursor()) whileAsked = cursor->shape();
        QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("3"));
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Escape);
    });
    click("Trn");
    click("Pow");
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00\n2.00\n3.00\n4.00\n"));
    QCOMPARE(whileAsked, Qt::ArrowCursor);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
}

// The Sub cue and a cue of several lines, clicked in its middle.
void CalculatorWindowTest::typingOverACueStartsTheSecondOperand() {
    const std::pair<PendingOperation, const char*> cues[] = {
        {PendingOperation::Subtract, "\n\t-"},
        {PendingOperation::ConcatHorizontal, "\n\tSelect matrix to concatenate.\r\n\tUse Recall "
                                             "to get a new matrix\r\n\tor '=' to use original."}};
    for (const auto& [operation, cue] : cues) {
        WindowFixture f;
        f.Click(QStringLiteral("1 > 2 SE"));
        Calculator& core = f.Window().Dialog();
        core.RunCommand([&] { core.BeginTwoOperand(operation, cue); });
        QVERIFY(f.DisplayText().contains(QLatin1Char('\t')));
        QTest::mouseClick(f.Display().viewport(), Qt::LeftButton, {}, QPoint(60, 30));
        QTest::keyClicks(&f.Display(), QStringLiteral("5 6"));
        QCOMPARE(f.DisplayText(), QStringLiteral("5 6"));
        f.Click(QStringLiteral("SE ="));
        QCOMPARE(f.DisplayText(), operation == PendingOperation::Subtract
                                      ? QStringLiteral("-4.00    -4.00\n")
                                      : QStringLiteral("1.00    2.00    5.00    6.00\n"));
    }
}

void CalculatorWindowTest::desktopKeysMenusAndTheEditPopup() {
    WindowFixture f;
    QString about; // caption and texts
    f.Answers().Next([&](QWidget* box) {
        about = box->windowTitle();
        for (QLabel* label : box->findChildren<QLabel*>())
            about += label->text();
        ClickButton(box, QStringLiteral("OK"));
    });
    MenuItem(f.Window().menuBar(), ID_HELP_ABOUT)->trigger();
    QVERIFY(about.startsWith(QStringLiteral("About Zentabl")));
    QVERIFY(about.contains(zentabl::ProgramVersion()));
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    QWidget* display = &f.Display();
    QMenuBar* bar = f.Window().menuBar();
    QCOMPARE(MenuItem(bar, ID_APP_EXIT)->shortcut(), QKeySequence(QStringLiteral("Ctrl+Q")));
    QCOMPARE(MenuItem(bar, ID_HELP_CONTENTS)->shortcut(), QKeySequence(QStringLiteral("F1")));
    QCOMPARE(MenuItem(bar, ID_APP_EXIT)->text(), QStringLiteral("E&xit"));

    // The Edit popup offers only what applies: on an empty display with an
    // empty clipboard, nothing.
    QApplication::clipboard()->clear();
    QStringList offered;
    auto popup = [&](int chosen) {
        f.Answers().Next([&, chosen](QWidget* box) {
            offered.clear();
            for (QAction* action : box->actions())
                if (action->isEnabled() && !action->isSeparator()) offered << action->text();
            chosen ? Choose(chosen)(box) : box->hide();
        });
        QTest::mouseClick(f.Display().viewport(), Qt::RightButton, {}, QPoint(30, 30));
        QTRY_COMPARE(f.Answers().Pending(), 0);
    };
    popup(0);
    QCOMPARE(offered, QStringList());

    // View > Align Columns: checkable, off at start; on, the set matrix is
    // redrawn with its columns lined up, and the menu shows it checked.
    QAction* align = MenuItem(bar, ID_VIEW_ALIGN_COLUMNS);
    QVERIFY(align && align->isCheckable() && !align->isChecked());
    QTest::keyClicks(display, QStringLiteral("-1 10"));
    QTest::keyClick(display, Qt::Key_Return);
    QTest::keyClicks(display, QStringLiteral("100 2"));
    QTest::keyClick(display, Qt::Key_Escape);
    QTest::keyClick(display, Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.DisplayText(), QStringLiteral("-1.00    10.00\n100.00    2.00\n"));
    // Escape, wherever it is pressed, neither clears nor closes.
    QTest::keyClick(f.Window().Control(IDC_OPTIONS_CAPTION), Qt::Key_Escape);
    QTest::keyClick(&f.Window(), Qt::Key_Escape);
    QVERIFY(f.Window().isVisible());
    align->trigger();
    QCOMPARE(f.DisplayText(), QStringLiteral(" -1.00    10.00\n100.00     2.00\n"));
    auto* view = qobject_cast<QMenu*>(align->parent());
    QVERIFY(view);
    emit view->aboutToShow();
    QVERIFY(MenuItem(bar, ID_VIEW_ALIGN_COLUMNS)->isChecked());

    // With text on the clipboard, Paste is offered; with the whole text
    // selected, Select All stays greyed. Ctrl+Z is the popup's one-level
    // undo, also with the display focused.
    const QString aligned = f.DisplayText();
    QApplication::clipboard()->setText(QStringLiteral("5 6"));
    display->setFocus();
    f.Display().selectAll();
    popup(ID_EDIT_CUT);
    QVERIFY(offered.contains(QStringLiteral("Cu&t")) && offered.contains(QStringLiteral("&Paste")));
    QVERIFY(!offered.contains(QStringLiteral("Select &All")));
    QCOMPARE(f.DisplayText(), QString());
    QCOMPARE(QApplication::clipboard()->text(), aligned);
    QTest::keyClick(display, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(f.DisplayText(), QStringLiteral(" -1.00    10.00\n100.00     2.00\n"));

    // Help, and Exit, which closes the help with the window.
    QTest::keyClick(display, Qt::Key_F1);
    zentabl::HelpWindow* help = f.Window().Host().Help();
    QVERIFY(help && help->isVisible());
    QVERIFY(help->browser()->toPlainText().contains(QStringLiteral("Entering a matrix")));
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    QTest::keyClick(display, Qt::Key_Q, Qt::ControlModifier);
    QVERIFY(!f.Window().isVisible() && !help->isVisible());
}

QTEST_MAIN(CalculatorWindowTest)
#include "test_calculator_window.moc"
