// The linear-system dialog in the window.

#include "window_fixture.h"

#include "shell/solve_dialog.h"

#include <QTest>
#include <QtWidgets>

class SolverDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogOffersBothMethodsAndOkSolves();
    void cancelAndNoMethodSolveNothing();
};

namespace {

// Stores the typed matrix in the register with this letter.
void StoreTyped(WindowFixture& f, const QString& keys, const QString& letter) {
    f.Click(QStringLiteral("CE ") + keys + QStringLiteral(" SE Store"));
    QVERIFY(f.Pick(QStringLiteral("           ") + letter));
}

} // namespace

void SolverDialogsTest::dialogOffersBothMethodsAndOkSolves() {
    WindowFixture f;
    StoreTyped(f, QStringLiteral("2 > 1 v 1 > 3"), QStringLiteral("A"));
    StoreTyped(f, QStringLiteral("3 v 4"), QStringLiteral("B"));
    f.Click(QStringLiteral("Proc"));
    QStringList lines;
    f.Answers().Next([&](QWidget* box) {
        auto* dialog = dynamic_cast<zentabl::SolveDialog*>(box);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(),
                 QStringLiteral("           Solve the Linear System  A x = b   "));
        for (QLabel* label : dialog->findChildren<QLabel*>())
            lines << label->text();
        QVERIFY(!dialog->gaussJordanButton()->isChecked());
        QVERIFY(!dialog->luButton()->isChecked());
        QTest::mouseClick(dialog->luButton(), Qt::LeftButton);
        ClickButton(box, QStringLiteral("OK"));
    });
    QVERIFY(f.Pick(QStringLiteral("Solve Ax = b")));
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines.first(), QStringLiteral("To solve the linear system  A x =  b :"));
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00\n1.00\n"));
}

void SolverDialogsTest::cancelAndNoMethodSolveNothing() {
    WindowFixture f;
    StoreTyped(f, QStringLiteral("2"), QStringLiteral("A"));
    StoreTyped(f, QStringLiteral("4"), QStringLiteral("B"));
    f.Click(QStringLiteral("CE 7 SE Proc"));
    f.Answers().Next([](QWidget* box) {
        auto* dialog = dynamic_cast<zentabl::SolveDialog*>(box);
        QVERIFY(dialog);
        QTest::mouseClick(dialog->gaussJordanButton(), Qt::LeftButton);
        ClickButton(box, QStringLiteral("Cancel"));
    });
    QVERIFY(f.Pick(QStringLiteral("Solve Ax = b")));
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00\n"));
    f.Click(QStringLiteral("Proc"));
    f.Answers().Next([](QWidget* box) { ClickButton(box, QStringLiteral("OK")); });
    QVERIFY(f.Pick(QStringLiteral("Solve Ax = b")));
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00\n"));
}

QTEST_MAIN(SolverDialogsTest)
#include "test_solver_dialogs.moc"
