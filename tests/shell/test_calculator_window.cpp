// The calculator window wired to the real core, driven as a user would.

#include "window_fixture.h"

#include "calculator/calculator_dlg.h"
#include "shell/qt_host.h"
#include "shell/small_controls.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryFile>
#include <QTest>
#include <QToolButton>
#include <QToolTip>
#include <QUrl>
#include <QWheelEvent>

namespace {

const QString kTwoByTwo = QStringLiteral("1.00    2.00\n3.00    4.00\n");

QAction* FindAction(QMenu* menu, int id) {
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() == id && !action->menu()) return action;
        if (QMenu* sub = action->menu())
            if (QAction* found = FindAction(sub, id)) return found;
    }
    return nullptr;
}

// Chooses the item with this id in a popup menu by clicking it, opening the
// submenus on the way.
ModalAnswers::Answer Choose(int id) {
    return [id](QWidget* box) {
        auto* menu = qobject_cast<QMenu*>(box);
        QAction* action = menu ? FindAction(menu, id) : nullptr;
        QVERIFY(action);
        QList<QMenu*> path;
        for (auto* owner = qobject_cast<QMenu*>(action->parent()); owner && owner != menu;
             owner = qobject_cast<QMenu*>(owner->parent()))
            path.prepend(owner);
        QMenu* current = menu;
        for (QMenu* sub : path) {
            QTest::mouseClick(current, Qt::LeftButton, {},
                              current->actionGeometry(sub->menuAction()).center());
            QTRY_VERIFY(sub->isVisible());
            current = sub;
        }
        QTest::mouseClick(current, Qt::LeftButton, {}, current->actionGeometry(action).center());
    };
}

} // namespace

class CalculatorWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWithDefaults();
    void keypadAndKeyboardGiveTheSameMatrix();
    void keyboardEditingKeepsEntryTextEqualToDisplay();
    void storeThenRecallRoundTrip();
    void formatMenuChangesDisplayAndMovesCheckMark();
    void toolTipsComeFromTheCoreAndCanBeSwitchedOff();
    void editPopupGreysItemsOnEmptyDisplay();
    void escapeNeverClosesTheWindow();
    void spinArrowsReformatOnlyASetMatrix();
    void droppedFileBecomesEntryTextUnlessDropsAreOff();
    void pastedThousandSquareIsSetAndShownQuickly();
    void powerAsksThroughThePromptBox();
    void menuBarComesFromTheCoreTable();
};

void CalculatorWindowTest::opensWithDefaults() {
    WindowFixture f;
    QCOMPARE(f.DisplayText(), QString());
    QCOMPARE(f.ForeColor(), kEditingColor);
    QCOMPARE(f.Window().windowTitle(), QStringLiteral(" Zentabl"));
    QCOMPARE(f.Window().Status().text(), QStringLiteral("Mode: Real        Mult: Matrix  Rdx:10"));
    zentabl::CommandList& list = f.Window().Commands();
    QCOMPARE(list.count(), 19);
    QCOMPARE(list.lineEdit()->text(), QStringLiteral("MATRIX TESTS"));
    QCOMPARE(list.lineEdit()->selectedText(), QStringLiteral("MATRIX TESTS"));
    QVERIFY(f.Display().hasFocus() || QApplication::focusWidget() == &f.Display());
    // Fixed size, with no way to maximise.
    QCOMPARE(f.Window().minimumSize(), f.Window().maximumSize());
    QVERIFY(!(f.Window().windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::keypadAndKeyboardGiveTheSameMatrix() {
    WindowFixture clicked;
    clicked.Click(QStringLiteral("1 > 2 v 3 > 4"));
    QCOMPARE(clicked.ForeColor(), kEditingColor);
    clicked.Click(QStringLiteral("SE"));
    QCOMPARE(clicked.DisplayText(), kTwoByTwo);
    QCOMPARE(clicked.ForeColor(), kSetColor);
    // A set matrix parks the focus away from the display.
    QCOMPARE(QApplication::focusWidget(), clicked.Window().Control(IDC_OPTIONS_CAPTION));

    WindowFixture typed;
    QTest::keyClicks(&typed.Display(), QStringLiteral("1 2"));
    QTest::keyClick(&typed.Display(), Qt::Key_Return);
    QTest::keyClicks(&typed.Display(), QStringLiteral("3 4"));
    // Each typed key lands once.
    QCOMPARE(typed.DisplayText(), QStringLiteral("1 2\n3 4"));
    typed.Click(QStringLiteral("SE"));
    QCOMPARE(typed.DisplayText(), kTwoByTwo);
    QCOMPARE(typed.ForeColor(), kSetColor);
    QVERIFY(clicked.Answers().Faults().isEmpty());
    QVERIFY(typed.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::keyboardEditingKeepsEntryTextEqualToDisplay() {
    WindowFixture f;
    QTest::keyClicks(&f.Display(), QStringLiteral("12 34"));
    // Backspace drops the 4; the caret goes back before the blank, Delete
    // drops the blank and 7 lands at the caret.
    QTest::keyClick(&f.Display(), Qt::Key_Backspace);
    QTest::keyClick(&f.Display(), Qt::Key_Left);
    QTest::keyClick(&f.Display(), Qt::Key_Left);
    QTest::keyClick(&f.Display(), Qt::Key_Delete);
    QTest::keyClicks(&f.Display(), QStringLiteral("7"));
    QCOMPARE(f.DisplayText(), QStringLiteral("1273"));
    QCOMPARE(QString::fromStdString(f.Window().Dialog().EntryText()), f.DisplayText());

    // Typed in the middle of a second line: the caret's line counts.
    QTest::keyClick(&f.Display(), Qt::Key_End);
    QTest::keyClick(&f.Display(), Qt::Key_Return);
    QTest::keyClicks(&f.Display(), QStringLiteral("56"));
    QTest::keyClick(&f.Display(), Qt::Key_Left);
    QTest::keyClicks(&f.Display(), QStringLiteral("9"));
    QCOMPARE(f.DisplayText(), QStringLiteral("1273\n596"));
    QCOMPARE(QString::fromStdString(f.Window().Dialog().EntryText()),
             QStringLiteral("1273\r\n596"));

    // A key typed over a selection replaces it.
    QTest::keyClick(&f.Display(), Qt::Key_End);
    QTest::keyClick(&f.Display(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(&f.Display(), Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClicks(&f.Display(), QStringLiteral("8"));
    QCOMPARE(f.DisplayText(), QStringLiteral("1273\n58"));
    QCOMPARE(QString::fromStdString(f.Window().Dialog().EntryText()), QStringLiteral("1273\r\n58"));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::storeThenRecallRoundTrip() {
    WindowFixture f;
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE Store"));
    QCOMPARE(f.Window().Commands().lineEdit()->text(), QStringLiteral("    STORE"));
    QVERIFY(f.Pick(QStringLiteral("           A")));
    QVERIFY(QFile::exists(f.WorkDir() + QStringLiteral("/RegA")));

    // Neither a wheel turn nor an arrow key over the list runs a row (here:
    // overwrites a register) by itself; the arrow opens the list instead.
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
    QCOMPARE(QDir(f.WorkDir()).entryList({QStringLiteral("Reg*")}), QStringList{"RegA"});

    f.Click(QStringLiteral("CE"));
    QCOMPARE(f.DisplayText(), QString());
    QCOMPARE(f.ForeColor(), kEditingColor);

    f.Click(QStringLiteral("Recall"));
    QVERIFY(f.Pick(QStringLiteral("           A")));
    QCOMPARE(f.DisplayText(), kTwoByTwo);
    QCOMPARE(f.ForeColor(), kSetColor);
    QVERIFY(f.Window().Status().text().contains(QStringLiteral("   Var: A")));
    QCOMPARE(f.Window().windowTitle(), QStringLiteral(" Zentabl"));

    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::formatMenuChangesDisplayAndMovesCheckMark() {
    WindowFixture f;
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE"));

    bool defaultChecked = false;
    f.Answers().Next([&](QWidget* box) {
        auto* menu = qobject_cast<QMenu*>(box);
        QVERIFY(menu);
        // The popup opens at the Format key's lower left corner, or above
        // the key where the screen ends below it.
        const QWidget* key = f.Window().Control(IDC_FORMAT);
        const QPoint corner = key->mapToGlobal(QPoint(0, key->height()));
        QCOMPARE(menu->pos().x(), corner.x());
        QVERIFY(menu->pos().y() == corner.y() ||
                menu->pos().y() + menu->height() <= corner.y() - key->height());
        defaultChecked = menu->actions().first()->isChecked();
        Choose(32772 + 3)(box); // Exponential, 4 decimals
    });
    f.Click(QStringLiteral("Format"));
    QVERIFY(defaultChecked);
    QCOMPARE(f.DisplayText(),
             QStringLiteral("1.0000e+000    2.0000e+000\n3.0000e+000    4.0000e+000\n"));

    bool exponentialChecked = false;
    bool othersChecked = true;
    f.Answers().Next([&](QWidget* box) {
        auto* menu = qobject_cast<QMenu*>(box);
        const QList<QAction*> items = menu->actions();
        exponentialChecked = items.at(2)->isChecked();
        othersChecked = items.at(0)->isChecked() || items.at(1)->isChecked();
        Choose(32784 + 0)(box); // Fixed Point, 1 decimal
    });
    f.Click(QStringLiteral("Format"));
    QVERIFY(exponentialChecked);
    QVERIFY(!othersChecked);
    QCOMPARE(f.DisplayText(), QStringLiteral("1.0    2.0\n3.0    4.0\n"));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::toolTipsComeFromTheCoreAndCanBeSwitchedOff() {
    WindowFixture f;
    QCOMPARE(f.Window().Control(1029)->toolTip(), QStringLiteral("Digit"));
    QCOMPARE(f.Window().Control(IDC_SE)->toolTip(), QStringLiteral("Set Text as Matrix"));
    QCOMPARE(f.Window().Control(IDC_DISPLAY)->toolTip(), QStringLiteral("Put Matrix Here"));
    QCOMPARE(f.Window().Control(IDC_COMMAND_LIST)->toolTip(),
             QStringLiteral("Multiple Options Selection List"));
    QCOMPARE(f.Window().Control(IDC_WIDTH_BOX)->toolTip(), QString());

    QWidget* seven = f.Window().Control(1029);
    auto hover = [&] {
        QToolTip::hideText();
        for (int tick = 0; tick < 100 && QToolTip::isVisible(); ++tick)
            QTest::qWait(20);
        QHelpEvent help(QEvent::ToolTip, QPoint(4, 4), seven->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(seven, &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    QCOMPARE(hover(), QStringLiteral("Digit"));

    f.Click(QStringLiteral("Displ"));
    QVERIFY(f.Pick(QStringLiteral("Disable Tool Tips")));
    QVERIFY(!f.Window().Host().ToolTipsEnabled());
    QCOMPARE(hover(), QString());

    f.Click(QStringLiteral("Displ"));
    QVERIFY(f.Pick(QStringLiteral("Enable Tool Tips")));
    QCOMPARE(hover(), QStringLiteral("Digit"));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::editPopupGreysItemsOnEmptyDisplay() {
    WindowFixture f;
    QApplication::clipboard()->clear();
    QMap<QString, bool> enabled;
    f.Answers().Next([&](QWidget* box) {
        auto* menu = qobject_cast<QMenu*>(box);
        QVERIFY(menu);
        for (QAction* action : menu->actions())
            if (!action->isSeparator()) enabled[action->text()] = action->isEnabled();
        menu->hide();
    });
    QTest::mouseClick(f.Display().viewport(), Qt::RightButton, {}, QPoint(30, 30));
    QTRY_COMPARE(f.Answers().Pending(), 0);
    QCOMPARE(enabled.size(), 6);
    for (const QString& item : enabled.keys())
        QVERIFY2(!enabled[item], qPrintable(item + QStringLiteral(" should be greyed")));

    // With text on the clipboard, Paste is offered; with the whole text
    // selected, only Select All stays greyed (Undo aside).
    QApplication::clipboard()->setText(QStringLiteral("5 6"));
    f.Click(QStringLiteral("1 > 2"));
    f.Display().selectAll();
    enabled.clear();
    f.Answers().Next([&](QWidget* box) {
        for (QAction* action : qobject_cast<QMenu*>(box)->actions())
            if (!action->isSeparator()) enabled[action->text()] = action->isEnabled();
        Choose(32830)(box); // Cut
    });
    QTest::mouseClick(f.Display().viewport(), Qt::RightButton, {}, QPoint(30, 30));
    QTRY_COMPARE(f.Answers().Pending(), 0);
    QVERIFY(enabled[QStringLiteral("Cu&t")]);
    QVERIFY(enabled[QStringLiteral("&Paste")]);
    QVERIFY(!enabled[QStringLiteral("Select &All")]);
    QCOMPARE(f.DisplayText(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("1 2"));
    QCOMPARE(f.ForeColor(), kEditingColor);
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::escapeNeverClosesTheWindow() {
    WindowFixture f;
    f.Window().activateWindow();
    QTest::keyClicks(&f.Display(), QStringLiteral("1 2"));
    QTest::keyClick(&f.Display(), Qt::Key_Escape);
    f.Click(QStringLiteral("SE"));
    QTest::keyClick(f.Window().Control(IDC_OPTIONS_CAPTION), Qt::Key_Escape);
    QTest::keyClick(&f.Window(), Qt::Key_Escape);
    QVERIFY(f.Window().isVisible());
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    2.00\n"));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::spinArrowsReformatOnlyASetMatrix() {
    WindowFixture f;
    auto* decimals = static_cast<zentabl::SpinArrows*>(f.Window().Control(IDC_DECIMAL_SPIN));
    f.Click(QStringLiteral("1 > 2"));
    decimals->SetValue(2);
    decimals->upArrow()->click();
    QCOMPARE(f.DisplayText(), QStringLiteral("1 2"));

    f.Click(QStringLiteral("SE"));
    decimals->SetValue(2);
    decimals->upArrow()->click();
    QCOMPARE(f.DisplayText(), QStringLiteral("1.000    2.000\n"));
    QCOMPARE(static_cast<QLineEdit*>(f.Window().Control(IDC_DECIMAL_BOX))->text(),
             QStringLiteral("3"));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::droppedFileBecomesEntryTextUnlessDropsAreOff() {
    WindowFixture f;
    QTemporaryFile file;
    QVERIFY(file.open());
    // Written as editors here write it: line feeds alone.
    file.write("7 8\n9 10\n");
    file.close();

    auto drop = [&] {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file.fileName())});
        QWidget* target = f.Display().viewport();
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &dropped);
        return enter.isAccepted() && dropped.isAccepted();
    };

    f.Click(QStringLiteral("5 SE"));
    QVERIFY(drop());
    QCOMPARE(f.DisplayText(), QStringLiteral("7 8\n9 10\n"));
    QCOMPARE(f.ForeColor(), kEditingColor);
    QCOMPARE(f.Window().Dialog().EntryText(), std::string("7 8\r\n9 10\r\n"));
    f.Click(QStringLiteral("SE"));
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00    8.00\n9.00    10.00\n"));

    // Binary data is refused and leaves the display alone.
    QTemporaryFile binary;
    QVERIFY(binary.open());
    binary.write(QByteArray("1 2\0\x01\x02", 6));
    binary.close();
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(binary.fileName())});
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(f.Display().viewport(), &dropped);
        QVERIFY(!dropped.isAccepted());
    }
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00    8.00\n9.00    10.00\n"));

    f.Click(QStringLiteral("Displ"));
    QVERIFY(f.Pick(QStringLiteral("Disable Drag Drop")));
    QVERIFY(!drop());
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00    8.00\n9.00    10.00\n"));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::pastedThousandSquareIsSetAndShownQuickly() {
    WindowFixture f;
    const int order = 1000;
    QString text;
    text.reserve(order * order * 4);
    for (int r = 0; r < order; ++r) {
        for (int c = 0; c < order; ++c) {
            text += QString::number((r + c) % 10);
            text += c + 1 < order ? QLatin1Char(' ') : QLatin1Char('\n');
        }
    }
    QApplication::clipboard()->setText(text);
    f.Display().setFocus();

    QElapsedTimer clock;
    clock.start();
    QTest::keySequence(&f.Display(), QKeySequence::Paste);
    f.Click(QStringLiteral("SE"));
    f.Display().viewport()->repaint();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed < 2000, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));

    QCOMPARE(f.ForeColor(), kSetColor);
    QCOMPARE(f.Display().document()->blockCount(), order + 1); // the last line ends too
    QVERIFY(f.DisplayText().startsWith(QStringLiteral("0.00    1.00    2.00")));
    QVERIFY(f.Display().verticalScrollBar()->maximum() > 0);
    QVERIFY(f.Display().horizontalScrollBar()->maximum() > 0);
    // Shown from its first row and column, also when set again unchanged.
    QCOMPARE(f.Display().verticalScrollBar()->value(), 0);
    QCOMPARE(f.Display().horizontalScrollBar()->value(), 0);
    f.Display().verticalScrollBar()->setValue(f.Display().verticalScrollBar()->maximum());
    f.Click(QStringLiteral("SE"));
    QCOMPARE(f.Display().verticalScrollBar()->value(), 0);
    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::powerAsksThroughThePromptBox() {
    WindowFixture f;
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE"));
    f.Answers().Next([](QWidget* box) {
        auto* edit = box->findChild<QLineEdit*>();
        QVERIFY(edit);
        QTest::keyClicks(edit, QStringLiteral("2"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    f.Click(QStringLiteral("Pow"));
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00    10.00\n15.00    22.00\n"));

    QVERIFY(f.Answers().Faults().isEmpty());
}

void CalculatorWindowTest::menuBarComesFromTheCoreTable() {
    WindowFixture f;
    QStringList titles;
    QAction* about = nullptr;
    QAction* exit = nullptr;
    for (QAction* top : f.Window().menuBar()->actions()) {
        titles << top->text();
        if (QMenu* menu = top->menu()) {
            if (!about) about = FindAction(menu, 32840);
            if (!exit) exit = FindAction(menu, 57665);
        }
    }
    QCOMPARE(titles, QStringList({QStringLiteral("File"), QStringLiteral("Help")}));
    QVERIFY(about && exit);

    QString caption;
    f.Answers().Next([&](QWidget* box) {
        caption = box->windowTitle();
        ClickButton(box, QStringLiteral("OK"));
    });
    about->trigger();
    QCOMPARE(caption, QStringLiteral("About Zentabl"));

    exit->trigger();
    QVERIFY(!f.Window().isVisible());
    QVERIFY(f.Answers().Faults().isEmpty());
}

QTEST_MAIN(CalculatorWindowTest)
#include "test_calculator_window.moc"
