// The Qt host's boxes and windows: message boxes, the prompt box and the
// splash (the About box: the calculator window's desktop keys test).

#include "window_fixture.h"

#include "shell/qt_host.h"
#include "shell/splash_window.h"

#include <QTest>
#include <QtWidgets>

class HostDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxCarriesCaptionTextIconAndButtons();
    void promptBoxAnswersOrEndsTheCommand();
    void splashShowsForItsTimeOrUntilAKey();
};

void HostDialogsTest::messageBoxCarriesCaptionTextIconAndButtons() {
    const int yesNo = QMessageBox::Yes | QMessageBox::No;
    const struct {
        unsigned flags;
        int icon;
        int buttons;
        const char* answer; // a button's caption, or Escape
        int result;
    } cases[] = {
        {MB_OK | MB_ICONSTOP, QMessageBox::Critical, QMessageBox::Ok, "OK", IDOK},
        {MB_YESNO | MB_ICONINFORMATION, QMessageBox::Information, yesNo, "Yes", IDYES},
        // Escape on a Yes/No box is a No, never a third answer.
        {MB_YESNO, QMessageBox::NoIcon, yesNo, "Escape", IDNO},
    };
    WindowFixture f;
    for (const auto& c : cases) {
        f.Answers().Next([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            QVERIFY(message);
            QCOMPARE(message->windowTitle(), QStringLiteral("Determinant"));
            QCOMPARE(message->text(), QStringLiteral("Det = 2\n Save value?"));
            QCOMPARE(int(message->icon()), c.icon);
            QCOMPARE(int(message->standardButtons()), c.buttons);
            QCOMPARE(message->parentWidget(), &f.Window());
            if (QLatin1String(c.answer) == QLatin1String("Escape"))
                QTest::keyClick(box, Qt::Key_Escape);
            else
                ClickButton(box, QString::fromLatin1(c.answer));
        });
        QCOMPARE(f.Window().Host().MessageBox("Det = 2\r\n Save value?", "Determinant", c.flags),
                 c.result);
    }
}

void HostDialogsTest::promptBoxAnswersOrEndsTheCommand() {
    WindowFixture f;
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE"));
    QString label;
    f.Answers().Next([&](QWidget* box) {
        label = box->findChild<QLabel*>()->text();
        QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("2"));
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Return);
    });
    f.Click(QStringLiteral("Pow"));
    QCOMPARE(label, QStringLiteral("Power:"));
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00    10.00\n15.00    22.00\n"));

    // Cancel is no answer: Pow ends and the matrix stays, even with an
    // exponent typed (Escape: the calculator window's keyboard session).
    const QString squared = f.DisplayText();
    f.Answers().Next([](QWidget* box) {
        QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("0"));
        ClickButton(box, QStringLiteral("Cancel"));
    });
    f.Click(QStringLiteral("Pow"));
    QCOMPARE(f.DisplayText(), squared);
    QCOMPARE(f.ForeColor(), kSetColor);
}

void HostDialogsTest::splashShowsForItsTimeOrUntilAKey() {
    ModalAnswers answers;
    QElapsedTimer clock;
    clock.start();
    zentabl::CalculatorWindow window;
    window.Start(true);
    const qint64 usable = clock.elapsed();
    QVERIFY2(usable < 2500, qPrintable(QStringLiteral("%1 ms").arg(usable)));
    QVERIFY(usable >= 1500); // the splash is there to be seen
    QVERIFY(window.isVisible() && window.Host().Splash()->IsUp());
    QTRY_VERIFY_WITH_TIMEOUT(!window.Host().Splash()->IsUp(), 2000);
    // Once gone, it no longer takes keys.
    QTest::keyClick(&window.Display(), Qt::Key_5);
    QCOMPARE(window.Display().toPlainText(), QStringLiteral("5"));

    // A key ends the pause early and reaches neither the display nor the core.
    zentabl::CalculatorWindow second;
    QTimer::singleShot(300, [&] { QTest::keyClick(&second.Display(), Qt::Key_7); });
    clock.restart();
    second.Start(true);
    QVERIFY(clock.elapsed() < 1400);
    QVERIFY(!second.Host().Splash()->IsUp());
    QCOMPARE(second.Display().toPlainText(), QString());
}

QTEST_MAIN(HostDialogsTest)
#include "test_host_dialogs.moc"
