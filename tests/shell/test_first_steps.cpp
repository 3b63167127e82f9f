// The README's first steps and the paths next to them, with keys sent where
// the keyboard focus is, as a person's typing goes: no click that the steps
// do not ask for.

#include "window_fixture.h"

#include "commands/menu_tables.h"

#include <QTest>
#include <QtWidgets>

namespace {

// Types rows into whatever has the keyboard focus, Enter between them.
void TypeRows(const QStringList& rows) {
    for (int r = 0; r < rows.size(); ++r) {
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(focus, "nothing has the keyboard focus");
        if (r > 0) QTest::keyClick(focus, Qt::Key_Return);
        QTest::keyClicks(QApplication::focusWidget(), rows[r]);
    }
}

void ClickKey(WindowFixture& f, const char* caption) {
    QTest::mouseClick(f.Window().Button(ButtonIdForCaption(caption)), Qt::LeftButton);
}

} // namespace

class FirstStepsTest : public QObject {
    Q_OBJECT

  private slots:
    void inverseTimesTypedIdentity();
    void operatorsActOnRetypedText();
    void decimalBoxFollowsInt();
    void noticeTellsReadingsAndPendingOperations();
    void spreadsheetRowsPowerAndMessageValues();
    void saveAsksOnceTheCaptionNamesNoDocument();
};

void FirstStepsTest::inverseTimesTypedIdentity() {
    WindowFixture f;
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    TypeRows({"1 2", "3 4"});
    ClickKey(f, "SE");
    ClickKey(f, "Inv");
    ClickKey(f, "Mul");
    // The second operand typed straight after Mul, into the display.
    QCOMPARE(QApplication::focusWidget(), &f.Display());
    TypeRows({"1 0", "0 1"});
    QCOMPARE(f.DisplayText(), QStringLiteral("1 0\n0 1"));
    ClickKey(f, "SE");
    ClickKey(f, "=");
    QCOMPARE(f.DisplayText(), QStringLiteral("-2.00    1.00\n1.50    -0.50\n"));
    // A shown result still keeps typed keys away from its text.
    QVERIFY(QApplication::focusWidget() != &f.Display());
}

void FirstStepsTest::operatorsActOnRetypedText() {
    WindowFixture f;
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    TypeRows({"1 2", "3 4"});
    ClickKey(f, "SE");
    // Retyped over the set matrix: Inv inverts what is shown, not [1 2; 3 4].
    QTest::mouseClick(f.Display().viewport(), Qt::LeftButton, {}, QPoint(40, 10));
    f.Display().selectAll();
    QTest::keyClicks(&f.Display(), QStringLiteral("4 2"));
    QTest::keyClick(&f.Display(), Qt::Key_Return);
    QTest::keyClicks(&f.Display(), QStringLiteral("1 1"));
    ClickKey(f, "Inv");
    QCOMPARE(f.DisplayText(), QStringLiteral("0.50    -1.00\n-0.50    2.00\n"));
    // Clicked into but not changed, the shown inverse is not read back from
    // its rounded text: Inv gives [4 2; 1 1] again.
    QTest::mouseClick(f.Display().viewport(), Qt::LeftButton, {}, QPoint(40, 10));
    ClickKey(f, "Inv");
    const NEWMAT::Matrix back = static_cast<Calculator&>(f.Window().Dialog()).GetCurrentMatrix();
    QCOMPARE(back(1, 1), 4.0);
    QCOMPARE(back(2, 2), 1.0);
}

void FirstStepsTest::decimalBoxFollowsInt() {
    WindowFixture f;
    auto* decimals = qobject_cast<QLineEdit*>(f.Window().Control(IDC_DECIMAL_BOX));
    QVERIFY(decimals);
    f.Click(QStringLiteral("1 . 5 > 2 SE"));
    QCOMPARE(decimals->text(), QStringLiteral("2"));
    f.Click(QStringLiteral("Proc"));
    QVERIFY(f.Pick(QStringLiteral("Element:Integer")));
    QCOMPARE(f.DisplayText(), QStringLiteral("1    2\n"));
    QCOMPARE(decimals->text(), QStringLiteral("0"));
}

void FirstStepsTest::noticeTellsReadingsAndPendingOperations() {
    WindowFixture f;
    auto* notice = qobject_cast<QLabel*>(f.Window().Control(IDC_NOTICE));
    QVERIFY(notice);
    const QSize size = f.Window().size();
    f.Click(QStringLiteral("1 > 2 v 3 > 4 > 5 SE"));
    QCOMPARE(notice->text(), QStringLiteral("Read as 2 x 2; 1 number ignored"));
    QVERIFY(notice->isVisible());
    f.Click(QStringLiteral("Add Mul"));
    QCOMPARE(notice->text(), QStringLiteral("Read as 2 x 2; 1 number ignored    Pending: + *"));
    // CE takes the reading's notice back but keeps the pending operations;
    // File > New clears them.
    f.Click(QStringLiteral("CE"));
    QCOMPARE(notice->text(), QStringLiteral("Pending: + *"));
    f.Answers().Next([](QWidget* box) { ClickButton(box, QStringLiteral("Yes")); });
    MenuItem(f.Window().menuBar(), ID_FILE_NEW)->trigger();
    QCOMPARE(notice->text(), QString());
    QCOMPARE(f.Window().size(), size);
}

void FirstStepsTest::spreadsheetRowsPowerAndMessageValues() {
    WindowFixture f;
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    const auto said = [&](QString& text) {
        return [&text](QWidget* box) {
            text = box->windowTitle() + QLatin1Char('/') + static_cast<QMessageBox*>(box)->text();
            ClickButton(box, QStringLiteral("OK"));
        };
    };
    // Rows copied from a spreadsheet, pasted and set with the keyboard.
    QApplication::clipboard()->setText(QStringLiteral("1\t1\n0\t1\n"));
    QTest::keySequence(&f.Display(), QKeySequence::Paste);
    QTest::keyClick(&f.Display(), Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    1.00\n0.00    1.00\n"));
    QCOMPARE(qobject_cast<QLabel*>(f.Window().Control(IDC_NOTICE))->text(),
             QStringLiteral("Read as tab-separated rows"));

    // A power that is no whole number is refused; nothing changes.
    QString refusal;
    f.Answers().Next([](QWidget* box) {
        QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("2.7"));
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Return);
    });
    f.Answers().Next(said(refusal));
    ClickKey(f, "Pow");
    QCOMPARE(refusal, QStringLiteral("Power Error/The power must be a whole number"));
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    1.00\n0.00    1.00\n"));

    // A small determinant is not shown as 0.00.
    f.Click(QStringLiteral("CE . 1 > 0 v 0 > . 0 1 SE Proc"));
    QString determinant;
    f.Answers().Next([&](QWidget* box) {
        determinant = static_cast<QMessageBox*>(box)->text();
        ClickButton(box, QStringLiteral("No"));
    });
    QVERIFY(f.Pick(QStringLiteral("Determinant")));
    QVERIFY2(determinant.contains(QStringLiteral("Determinant = 1.000000e-003")), qPrintable(determinant));
}

// Saved as m.mtx, cleared and replaced: Ctrl+S asks for a name instead of
// writing over the file the caption no longer names.
void FirstStepsTest::saveAsksOnceTheCaptionNamesNoDocument() {
    WindowFixture f;
    const QString path = QDir::current().absoluteFilePath(QStringLiteral("m.mtx"));
    f.Click(QStringLiteral("1 > 2 SE"));
    f.Answers().Next([&](QWidget* box) {
        auto* dialog = qobject_cast<QFileDialog*>(box);
        QVERIFY(dialog);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
    });
    MenuItem(f.Window().menuBar(), ID_FILE_SAVE_AS)->trigger();
    QCOMPARE(f.Window().windowTitle(), QStringLiteral(" Zentabl - m.mtx"));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray before = saved.readAll();
    saved.close();

    f.Click(QStringLiteral("CE 7 > 7 SE"));
    QCOMPARE(f.Window().windowTitle(), QStringLiteral(" Zentabl"));
    bool asked = false;
    f.Answers().Next([&](QWidget* box) {
        asked = qobject_cast<QFileDialog*>(box) != nullptr;
        QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
    });
    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(asked);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), before);
}

QTEST_MAIN(FirstStepsTest)
#include "test_first_steps.moc"
