// What the window is like when a box closes: the calculator window is the
// active one again, so its shortcuts work at once; and the boxes' Help
// buttons open the guide at their section.

#include "window_fixture.h"

#include "commands/menu_tables.h"
#include "shell/help_window.h"
#include "shell/machine_float_dialog.h"
#include "shell/qt_host.h"
#include "shell/solve_dialog.h"

#include <QTest>
#include <QtWidgets>

class BoxesReturnTest : public QObject {
    Q_OBJECT

  private slots:
    void shortcutsWorkAfterEachKindOfBox();
    void helpButtonsOpenTheGuideAtTheirSection();
};

namespace {

// The heading of the section at the top of the help window's view.
QString SectionInView(zentabl::HelpWindow& help) {
    QTextBlock block = help.browser()->cursorForPosition(QPoint(20, 20)).block();
    while (block.isValid() && block.blockFormat().headingLevel() == 0)
        block = block.previous();
    return block.text();
}

} // namespace

void BoxesReturnTest::shortcutsWorkAfterEachKindOfBox() {
    WindowFixture f;
    zentabl::CalculatorWindow& window = f.Window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const struct {
        const char* what;
        std::function<void()> ask;
        ModalAnswers::Answer answer;
    } boxes[] = {
        {"message box", [&] { window.Host().MessageBox("Singular", "Error", MB_OK); },
         [](QWidget* box) { ClickButton(box, QStringLiteral("OK")); }},
        {"prompt box", [&] { window.Host().Prompt("Power:"); },
         [](QWidget* box) { QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Escape); }},
        {"About box", [&] { MenuItem(window.menuBar(), ID_HELP_ABOUT)->trigger(); },
         [](QWidget* box) { ClickButton(box, QStringLiteral("OK")); }},
        {"Solve dialog",
         [&] {
             f.Click(QStringLiteral("Proc"));
             QVERIFY(f.Pick(QStringLiteral("Solve Ax = b")));
         },
         [](QWidget* box) { ClickButton(box, QStringLiteral("Cancel")); }},
    };
    for (const auto& box : boxes) {
        f.Click(QStringLiteral("CE 5 SE"));
        QTest::keyClicks(&f.Display(), QStringLiteral("7"));
        QCOMPARE(f.ForeColor(), kEditingColor);
        f.Answers().Next(box.answer);
        box.ask();
        QCOMPARE(f.Answers().Pending(), 0);
        QTRY_VERIFY2(QApplication::activeWindow() == &window, box.what);
        // Ctrl+Enter sets the entry without a click on the window first.
        QTest::keyClick(&f.Display(), Qt::Key_Return, Qt::ControlModifier);
        QVERIFY2(f.ForeColor() == kSetColor, box.what);
        QCOMPARE(f.DisplayText(), QStringLiteral("5.00\n7.00\n"));
    }
}

// Help leaves the dialog open with its choices as they were; the guide
// stays open at the section when the dialog closes.
void BoxesReturnTest::helpButtonsOpenTheGuideAtTheirSection() {
    WindowFixture f;
    zentabl::QtHost& host = f.Window().Host();
    f.Click(QStringLiteral("5 SE Proc"));
    f.Answers().Next([&](QWidget* box) {
        auto* dialog = dynamic_cast<zentabl::SolveDialog*>(box);
        QVERIFY(dialog);
        QTest::mouseClick(dialog->luButton(), Qt::LeftButton);
        QTest::mouseClick(dialog->helpButton(), Qt::LeftButton);
        QVERIFY(host.Help() && host.Help()->isVisible());
        QVERIFY(dialog->isVisible());
        QVERIFY(dialog->luButton()->isChecked() && !dialog->gaussJordanButton()->isChecked());
        ClickButton(box, QStringLiteral("Cancel"));
    });
    QVERIFY(f.Pick(QStringLiteral("Solve Ax = b")));
    QVERIFY(host.Help()->isVisible());
    QCOMPARE(SectionInView(*host.Help()), QStringLiteral("Solving linear systems"));

    f.Click(QStringLiteral("Proc"));
    f.Answers().Next([](QWidget* box) {
        auto* dialog = dynamic_cast<zentabl::MachineFloatDialog*>(box);
        QVERIFY(dialog);
        QTest::mouseClick(dialog->helpButton(), Qt::LeftButton);
        ClickButton(box, QStringLiteral("OK"));
    });
    QVERIFY(f.Pick(QStringLiteral("Machine Floating Point")));
    QCOMPARE(SectionInView(*host.Help()), QStringLiteral("Unit conversion and constants"));

    // Help > Contents opens the guide at its top.
    QTRY_VERIFY(QApplication::activeWindow() == &f.Window());
    QTest::keyClick(&f.Display(), Qt::Key_F1);
    QCOMPARE(host.Help()->browser()->verticalScrollBar()->value(), 0);
    // The guide's pictures load from beside it.
    const QVariant picture = host.Help()->browser()->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("picture-heatmap-6.png")));
    QVERIFY(!picture.value<QImage>().isNull() || !picture.value<QPixmap>().isNull());
}

QTEST_MAIN(BoxesReturnTest)
#include "test_boxes_return.moc"
