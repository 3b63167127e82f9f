// The procedures' own dialogs in the window: unit conversion, the
// machine-arithmetic report and the linear-system dialog.

#include "window_fixture.h"

#include "shell/convert_dialog.h"
#include "shell/help_window.h"
#include "shell/machine_float_dialog.h"
#include "shell/qt_host.h"
#include "shell/solve_dialog.h"

#include <QTest>
#include <QtWidgets>

class ProcedureDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void categoryRefillsTheUnitBoxesAndOnlyOkConverts();
    void solveDialogAndMachineReport();
};

namespace {

// Types into an editable combo box as a user does: select all, type.
void TypeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
}

} // namespace

void ProcedureDialogsTest::categoryRefillsTheUnitBoxesAndOnlyOkConverts() {
    WindowFixture f;
    f.Click(QStringLiteral("1 > 2 SE"));
    f.Answers().Next([&](QWidget* box) {
        auto* dialog = dynamic_cast<zentabl::ConvertDialog*>(box);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Convert Matrix Elements"));
        QCOMPARE(dialog->categoryBox()->currentText(), QStringLiteral("Area"));
        QCOMPARE(dialog->fromBox()->currentText(), QStringLiteral("sq.meters"));
        QCOMPARE(dialog->toBox()->currentText(), QStringLiteral("sq.feet"));

        dialog->categoryBox()->setCurrentIndex(dialog->categoryBox()->findText("Length"));
        QCOMPARE(dialog->fromBox()->count(), 14);
        QCOMPARE(dialog->toBox()->count(), 14);
        for (int i = 0; i < 14; ++i)
            QCOMPARE(dialog->fromBox()->itemText(i), dialog->toBox()->itemText(i));
        TypeInto(dialog->fromBox(), QStringLiteral("feet"));
        TypeInto(dialog->toBox(), QStringLiteral("meters"));
        ClickButton(box, QStringLiteral("OK"));
    });
    f.Click(QStringLiteral("Conv"));
    QCOMPARE(f.DisplayText(), QStringLiteral("0.30    0.61\n"));

    // Opened again: the category and pair used last.
    f.Answers().Next([&](QWidget* box) {
        auto* dialog = dynamic_cast<zentabl::ConvertDialog*>(box);
        QVERIFY(dialog);
        QCOMPARE(dialog->categoryBox()->currentText(), QStringLiteral("Length"));
        QCOMPARE(dialog->fromBox()->currentText(), QStringLiteral("feet"));
        QCOMPARE(dialog->toBox()->currentText(), QStringLiteral("meters"));
        // A category typed by hand that names none leaves the unit boxes empty.
        TypeInto(dialog->categoryBox(), QStringLiteral("Lengthy"));
        QCOMPARE(dialog->fromBox()->count(), 0);
        TypeInto(dialog->categoryBox(), QStringLiteral("Time"));
        QCOMPARE(dialog->fromBox()->currentText(), QStringLiteral("hours"));
        ClickButton(box, QStringLiteral("OK"));
    });
    f.Click(QStringLiteral("Conv"));
    QCOMPARE(f.DisplayText(), QStringLiteral("18.29    36.58\n"));

    // Escape, and a unit the category does not know, leave the matrix.
    f.Answers().Next([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    f.Click(QStringLiteral("Conv"));
    QString message;
    f.Answers().Next([](QWidget* box) {
        TypeInto(dynamic_cast<zentabl::ConvertDialog&>(*box).toBox(), QStringLiteral("furlongs"));
        ClickButton(box, QStringLiteral("OK"));
    });
    f.Answers().Next([&](QWidget* box) {
        message = qobject_cast<QMessageBox*>(box)->text();
        ClickButton(box, QStringLiteral("OK"));
    });
    f.Click(QStringLiteral("Conv"));
    QCOMPARE(message, QStringLiteral("Conversion Not Implemented"));
    QCOMPARE(f.DisplayText(), QStringLiteral("18.29    36.58\n"));
}

void ProcedureDialogsTest::solveDialogAndMachineReport() {
    WindowFixture f;
    f.Click(QStringLiteral("2 > 1 v 1 > 3 SE Store"));
    QVERIFY(f.Pick(QStringLiteral("           A")));
    f.Click(QStringLiteral("CE 3 v 4 SE Store"));
    QVERIFY(f.Pick(QStringLiteral("           B")));
    const auto solve = [&](ModalAnswers::Answer answer) {
        f.Click(QStringLiteral("CE 7 SE Proc"));
        f.Answers().Next(std::move(answer));
        QVERIFY(f.Pick(QStringLiteral("Solve Ax = b")));
    };
    // Cancel, and OK with neither method chosen, solve nothing.
    solve([](QWidget* box) {
        QTest::mouseClick(dynamic_cast<zentabl::SolveDialog&>(*box).gaussJordanButton(),
                          Qt::LeftButton);
        ClickButton(box, QStringLiteral("Cancel"));
    });
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00\n"));
    solve([](QWidget* box) { ClickButton(box, QStringLiteral("OK")); });
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00\n"));

    QStringList lines;
    solve([&](QWidget* box) {
        auto* dialog = dynamic_cast<zentabl::SolveDialog*>(box);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(),
                 QStringLiteral("           Solve the Linear System  A x = b   "));
        for (QLabel* label : dialog->findChildren<QLabel*>())
            lines << label->text();
        QVERIFY(!dialog->gaussJordanButton()->isChecked() && !dialog->luButton()->isChecked());
        QTest::mouseClick(dialog->luButton(), Qt::LeftButton);
        ClickButton(box, QStringLiteral("OK"));
    });
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.first(), QStringLiteral("To solve the linear system  A x =  b :"));
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00\n1.00\n"));

    // The machine-arithmetic report: thirteen lines, and its Help button.
    f.Click(QStringLiteral("Proc"));
    QString report;
    f.Answers().Next([&](QWidget* box) {
        auto* dialog = dynamic_cast<zentabl::MachineFloatDialog*>(box);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Machine Float Characteristics"));
        report = dialog->reportLabel()->text();
        dialog->helpButton()->click();
        ClickButton(box, QStringLiteral("OK"));
    });
    QVERIFY(f.Pick(QStringLiteral("Machine Floating Point")));
    QCOMPARE(report.count(QLatin1Char('\n')), 13);
    QVERIFY(report.startsWith(QStringLiteral("   ibeta = 2\n")));
    QVERIFY(f.Window().Host().Help() && f.Window().Host().Help()->isVisible());
}

QTEST_MAIN(ProcedureDialogsTest)
#include "test_procedure_dialogs.moc"
