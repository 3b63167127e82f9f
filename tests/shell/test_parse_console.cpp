// Parse runs the real evaluator in the console window: a typed line reaches
// it, its answer shows, and the registers it saves are seen by Recall.

#include "window_fixture.h"

#include "shell/parse_console.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

void Type(zentabl::ParseConsole* console, const QString& line) {
    QTest::keyClicks(console->input(), line);
    QTest::keyClick(console->input(), Qt::Key_Return);
}

bool Shows(zentabl::ParseConsole* console, const QString& text) {
    return QTest::qWaitFor([&] { return console->output()->toPlainText().contains(text); }, 10000);
}

} // namespace

class ParseConsoleTest : public QObject {
    Q_OBJECT

  private slots:
    void evaluatorAnswersAndSavesOnQuit();
    void closingEarlyEndsTheEvaluatorWithoutSaving();
};

void ParseConsoleTest::evaluatorAnswersAndSavesOnQuit() {
    WindowFixture f;
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE Store"));
    QVERIFY(f.Pick(QStringLiteral("           A")));

    QString transcript;
    f.Answers().Next([&](QWidget* box) {
        auto* console = dynamic_cast<zentabl::ParseConsole*>(box);
        QVERIFY(console);
        QVERIFY(Shows(console, QStringLiteral("Enter expression: ")));
        Type(console, QStringLiteral("B = A * A"));
        QVERIFY(Shows(console, QStringLiteral("15.0000  22.0000")));
        Type(console, QStringLiteral("quit"));
        QVERIFY(Shows(console, QStringLiteral("(y/n)")));
        transcript = console->output()->toPlainText();
        Type(console, QStringLiteral("y"));
    });
    f.Click(QStringLiteral("Parse"));
    QCOMPARE(f.Answers().Pending(), 0);
    QVERIFY2(transcript.contains(QStringLiteral("B = A * A\n")), qPrintable(transcript));
    QVERIFY(QFile::exists(f.WorkDir() + QStringLiteral("/RegB")));
    // The calculator itself is as it was.
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    2.00\n3.00    4.00\n"));

    f.Click(QStringLiteral("Recall"));
    QVERIFY(f.Pick(QStringLiteral("           B")));
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00    10.00\n15.00    22.00\n"));
    QVERIFY(f.Answers().Faults().isEmpty());
}

void ParseConsoleTest::closingEarlyEndsTheEvaluatorWithoutSaving() {
    WindowFixture f;
    f.Click(QStringLiteral("2 SE Store"));
    QVERIFY(f.Pick(QStringLiteral("           A")));
    f.Answers().Next([&](QWidget* box) {
        auto* console = dynamic_cast<zentabl::ParseConsole*>(box);
        QVERIFY(Shows(console, QStringLiteral("Enter expression: ")));
        Type(console, QStringLiteral("C = A + A"));
        QVERIFY(Shows(console, QStringLiteral("4.0000")));
        // Escape is not a way out; the close box is.
        QTest::keyClick(console->input(), Qt::Key_Escape);
        Type(console, QStringLiteral("3 * 7"));
        QVERIFY(Shows(console, QStringLiteral("21.0000")));
        console->close();
    });
    f.Click(QStringLiteral("Parse"));
    QCOMPARE(f.Answers().Pending(), 0);
    QVERIFY(!QFile::exists(f.WorkDir() + QStringLiteral("/RegC")));
    QVERIFY(f.Answers().Faults().isEmpty());
}

QTEST_MAIN(ParseConsoleTest)
#include "test_parse_console.moc"
