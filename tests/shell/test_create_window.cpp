// The Create button in the window: its list, a creation answered through the
// real boxes, and the new matrix on show in the set state.

#include "window_fixture.h"

#include <QTest>
#include <QtWidgets>

namespace {

// Answers a prompt box with the text.
ModalAnswers::Answer Type(const QString& text) {
    return [text](QWidget* box) {
        QTest::keyClicks(box->findChild<QLineEdit*>(), text);
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Return);
    };
}

} // namespace

class CreateWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void createListRunsACreation();
};

void CreateWindowTest::createListRunsACreation() {
    WindowFixture f;
    f.Click(QStringLiteral("7 SE Create"));
    zentabl::CommandList& list = f.Window().Commands();
    QCOMPARE(list.count(), 14);
    QCOMPARE(list.itemText(0), QStringLiteral("Create Companion"));
    QCOMPARE(list.itemText(13), QStringLiteral("Create Vandermonde"));
    list.hidePopup();

    // Replace the 7, then 2 rows and 3 columns of Hilbert.
    f.Answers().Next([](QWidget* box) { ClickButton(box, QStringLiteral("Yes")); });
    f.Answers().Next([](QWidget* box) { ClickButton(box, QStringLiteral("OK")); });
    f.Answers().Next(Type(QStringLiteral("2")));
    f.Answers().Next(Type(QStringLiteral("3")));
    QVERIFY(f.Pick(QStringLiteral("Create Hilbert")));
    QTRY_COMPARE(f.Answers().Pending(), 0);
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    0.50    0.33\n0.50    0.33    0.25\n"));
    QCOMPARE(f.ForeColor(), kSetColor);
    QCOMPARE(list.lineEdit()->text(), QStringLiteral("CREATE MATRIX"));
}

QTEST_MAIN(CreateWindowTest)
#include "test_create_window.moc"
