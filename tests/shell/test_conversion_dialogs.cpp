// The conversion dialog and the machine-arithmetic report in the window.

#include "window_fixture.h"

#include "shell/convert_dialog.h"
#include "shell/help_window.h"
#include "shell/machine_float_dialog.h"
#include "shell/qt_host.h"

#include <QTest>
#include <QtWidgets>

class ConversionDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void categoryRefillsTheUnitBoxesAndOnlyOkConverts();
    void machineReportShowsThirteenLinesAndHelp();
};

namespace {

QStringList Items(QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

// Types into an editable combo box as a user does: select all, type.
void TypeInto(QComboBox* box, const QString& text) {
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), text);
}

} // namespace

void ConversionDialogsTest::categoryRefillsTheUnitBoxesAndOnlyOkConverts() {
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
        QCOMPARE(Items(dialog->fromBox()).size(), 14);
        QCOMPARE(Items(dialog->fromBox()), Items(dialog->toBox()));
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

void ConversionDialogsTest::machineReportShowsThirteenLinesAndHelp() {
    WindowFixture f;
    f.Click(QStringLiteral("1 SE Proc"));
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

QTEST_MAIN(ConversionDialogsTest)
#include "test_conversion_dialogs.moc"
