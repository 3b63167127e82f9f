// The Qt host's boxes and windows: message boxes, the prompt box, the splash,
// the About box and the help window.

#include "window_fixture.h"

#include "shell/about_box.h"
#include "shell/help_window.h"
#include "shell/prompt_box.h"
#include "shell/qt_host.h"
#include "shell/splash_window.h"
#include "shell/version.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>

class HostDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void messageBoxesCarryCaptionTextIconAndButtons();
    void promptBoxReturnsTypedTextOrNothing();
    void splashIsDismissedByAKeyThatGoesNoFurther();
    void startUpIsUsableWithinItsTimeAndTheSplashThenGoes();
    void aboutBoxAndHelpWindowShowTheProgram();
};

void HostDialogsTest::messageBoxesCarryCaptionTextIconAndButtons() {
    WindowFixture f;
    CHost& host = f.Window().Host();
    struct Seen {
        QString caption, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        bool hasYes = false, hasNo = false, hasOk = false;
        QWidget* owner = nullptr;
    } seen;
    auto look = [&](const QString& answer) {
        return [&, answer](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            QVERIFY(message);
            seen.caption = message->windowTitle();
            seen.text = message->text();
            seen.icon = message->icon();
            seen.hasYes = FindChildButton(box, QStringLiteral("Yes"));
            seen.hasNo = FindChildButton(box, QStringLiteral("No"));
            seen.hasOk = FindChildButton(box, QStringLiteral("OK"));
            seen.owner = message->parentWidget();
            ClickButton(box, answer);
        };
    };

    f.Answers().Next(look(QStringLiteral("OK")));
    QCOMPARE(host.MessageBox("Matrix not square", "Error", MB_OK | MB_ICONSTOP), int(IDOK));
    QCOMPARE(seen.caption, QStringLiteral("Error"));
    QCOMPARE(seen.text, QStringLiteral("Matrix not square"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QVERIFY(seen.hasOk && !seen.hasYes && !seen.hasNo);
    QCOMPARE(seen.owner, &f.Window());

    f.Answers().Next(look(QStringLiteral("No")));
    QCOMPARE(
        host.MessageBox("Det = 2\r\n Save value?", "Determinant", MB_YESNO | MB_ICONINFORMATION),
        int(IDNO));
    QCOMPARE(seen.icon, QMessageBox::Information);
    QCOMPARE(seen.text, QStringLiteral("Det = 2\n Save value?"));
    QVERIFY(seen.hasYes && seen.hasNo && !seen.hasOk);

    // Escape on a Yes/No box is a No, never a third answer.
    f.Answers().Next([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(host.MessageBox("Save?", "t", MB_YESNO), int(IDNO));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void HostDialogsTest::promptBoxReturnsTypedTextOrNothing() {
    WindowFixture f;
    CHost& host = f.Window().Host();
    QString label;
    bool captionless = false;
    f.Answers().Next([&](QWidget* box) {
        label = box->findChild<QLabel*>()->text();
        captionless = box->windowFlags() & Qt::FramelessWindowHint;
        QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("3.5x"));
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Return);
    });
    QCOMPARE(host.Prompt("Power:"), std::optional<std::string>("3.5x"));
    QCOMPARE(label, QStringLiteral("Power:"));
    QVERIFY(captionless);

    f.Answers().Next([](QWidget* box) {
        QTest::keyClicks(box->findChild<QLineEdit*>(), QStringLiteral("7"));
        QTest::keyClick(box->findChild<QLineEdit*>(), Qt::Key_Escape);
    });
    QCOMPARE(host.Prompt("Rows:"), std::nullopt);

    // Through the core: an escaped box reads as zero.
    f.Answers().Next([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    QCOMPARE(f.Window().Dialog().PromptInt("Rows:"), 0);
    QVERIFY(f.Answers().Faults().isEmpty());
}

void HostDialogsTest::splashIsDismissedByAKeyThatGoesNoFurther() {
    zentabl::CalculatorWindow window;
    ModalAnswers answers;
    QElapsedTimer clock;
    clock.start();
    QTimer::singleShot(300, [&] {
        zentabl::SplashWindow* splash = window.Host().Splash();
        QVERIFY(splash && splash->IsUp());
        QTest::keyClick(&window.Display(), Qt::Key_7);
    });
    window.Start(true);
    // The key ended the pause early and reached neither the display nor the core.
    QVERIFY(clock.elapsed() < 1400);
    QVERIFY(!window.Host().Splash()->IsUp());
    QCOMPARE(window.Display().toPlainText(), QString());
    QVERIFY(window.isVisible());
    QVERIFY(answers.Faults().isEmpty());
}

void HostDialogsTest::startUpIsUsableWithinItsTimeAndTheSplashThenGoes() {
    QElapsedTimer clock;
    clock.start();
    zentabl::CalculatorWindow window;
    window.Start(true);
    const qint64 usable = clock.elapsed();
    QVERIFY2(usable < 2500, qPrintable(QStringLiteral("%1 ms").arg(usable)));
    QVERIFY(usable >= 1500); // the splash is there to be seen
    QVERIFY(window.isVisible());
    QVERIFY(window.Host().Splash()->IsUp());
    QTRY_VERIFY_WITH_TIMEOUT(!window.Host().Splash()->IsUp(), 2000);
    // Once gone, it no longer takes keys.
    QTest::keyClick(&window.Display(), Qt::Key_5);
    QCOMPARE(window.Display().toPlainText(), QStringLiteral("5"));
}

void HostDialogsTest::aboutBoxAndHelpWindowShowTheProgram() {
    WindowFixture f;
    QString caption;
    QString texts;
    f.Answers().Next([&](QWidget* box) {
        caption = box->windowTitle();
        for (QLabel* label : box->findChildren<QLabel*>())
            texts += label->text();
        ClickButton(box, QStringLiteral("OK"));
    });
    f.Window().Dialog().OnMenuCommand(32840);
    QCOMPARE(caption, QStringLiteral("About Zentabl"));
    QVERIFY(texts.contains(QStringLiteral("Zentabl")));
    QVERIFY(texts.contains(zentabl::ProgramVersion()));

    f.Window().Dialog().OnMenuCommand(32841);
    zentabl::HelpWindow* help = f.Window().Host().Help();
    QVERIFY(help && help->isVisible());
    const QString guide = help->browser()->toPlainText();
    QVERIFY(guide.contains(QStringLiteral("Entering a matrix")));
    QVERIFY(guide.contains(QStringLiteral("Parse")));
    f.Window().close();
    QVERIFY(!help->isVisible());
    QVERIFY(f.Answers().Faults().isEmpty());
}

QTEST_MAIN(HostDialogsTest)
#include "test_host_dialogs.moc"
