// The linear-system dialog in the window.

#include "window_fixture.h"

#include "shell/solve_dialog.h"

#include <QTest>
#include <QtWidgets>

class SolverDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void dialogSolvesOnlyWithAMethodAndOk();
};

namespace {

// Stores the typed matrix in the register with this letter.
void StoreTyped(WindowFixture& f, const QString& keys, const QString& letter) {
    f.Click(QStringLiteral("CE ") + keys + QStringLiteral(" SE Store"));
    QVERIFY(f.Pick(QStringLiteral("           ") + letter));
}

} // namespace

void SolverDialogsTest::dialogSolvesOnlyWithAMethodAndOk() {
    WindowFixture f;
    StoreTyped(f, QStringLiteral("2 > 1 v 1 > 3"), QStringLiteral("A"));
    StoreTyped(f, QStringLiteral("3 v 4"), QStringLiteral("B"));
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
}

QTEST_MAIN(SolverDialogsTest)
#include "test_solver_dialogs.moc"
