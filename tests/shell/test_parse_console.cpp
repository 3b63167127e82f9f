// Parse runs the real evaluator in the console window: a typed line reaches
// it, its answer shows, and the registers it saves are seen by Recall.

#include "window_fixture.h"

#include "shell/parse_console.h"

#include <QTest>
#include <QtWidgets>

namespace {

// Opens the console and runs the session in it.
void Parse(WindowFixture& f, std::function<void(zentabl::ParseConsole*)> session) {
    f.Answers().Next([session](QWidget* box) {
        auto* console = dynamic_cast<zentabl::ParseConsole*>(box);
        QVERIFY(console);
        session(console);
    });
    f.Click(QStringLiteral("Parse"));
}

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
    void typedLinesComeBackAndOnlyQuitSaves();
};

// Two sessions: one closed by its close box, which saves nothing, and one
// ended by quit, which saves.
void ParseConsoleTest::typedLinesComeBackAndOnlyQuitSaves() {
    WindowFixture f;
    // Register L: one row of 100 columns, 1 ... 100.
    QVector<double> packed{1, 100};
    for (int c = 1; c <= 100; ++c)
        packed << c;
    QFile reg(QStringLiteral("RegL"));
    QVERIFY(reg.open(QIODevice::WriteOnly));
    reg.write(reinterpret_cast<const char*>(packed.constData()), packed.size() * sizeof(double));
    reg.close();

    Parse(f, [](zentabl::ParseConsole* console) {
        QLineEdit* input = console->input();
        QVERIFY(Shows(console, QStringLiteral("Enter expression: ")));
        // Escape is not a way out; the close box is, and it saves nothing.
        QTest::keyClick(input, Qt::Key_Escape);
        Type(console, QStringLiteral("6 * 7"));
        Type(console, QStringLiteral("L"));
        QVERIFY(Shows(console, QStringLiteral("100.0000")));
        // The row is one line of the console, scrolled sideways.
        const QTextBlock row =
            console->output()->document()->find(QStringLiteral("100.0000")).block();
        QCOMPARE(row.layout()->lineCount(), 1);
        QVERIFY(console->output()->horizontalScrollBar()->maximum() > 0);

        QTest::keyClicks(input, QStringLiteral("draft"));
        // The third Up finds nothing older.
        QTest::keySequence(input, QKeySequence(Qt::Key_Up, Qt::Key_Up, Qt::Key_Up));
        QCOMPARE(input->text(), QStringLiteral("6 * 7"));
        QTest::keySequence(input, QKeySequence(Qt::Key_Down, Qt::Key_Down));
        QCOMPARE(input->text(), QStringLiteral("draft"));
        QTest::keySequence(input, QKeySequence(Qt::Key_Up, Qt::Key_Up, Qt::Key_Return));
        QTRY_COMPARE(console->output()->toPlainText().count(QStringLiteral("42.0000")), 2);
        Type(console, QStringLiteral("C = L + L"));
        QVERIFY(Shows(console, QStringLiteral("200.0000")));
        console->close();
    });
    QVERIFY(!QFile::exists(QStringLiteral("RegC")));

    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE Store"));
    QVERIFY(f.Pick(QStringLiteral("           A")));

    QString transcript;
    Parse(f, [&](zentabl::ParseConsole* console) {
        QVERIFY(Shows(console, QStringLiteral("Enter expression: ")));
        Type(console, QStringLiteral("B = A * A"));
        QVERIFY(Shows(console, QStringLiteral("15.0000  22.0000")));
        Type(console, QStringLiteral("quit"));
        QVERIFY(Shows(console, QStringLiteral("(y/n)")));
        transcript = console->output()->toPlainText();
        Type(console, QStringLiteral("y"));
    });
    QVERIFY2(transcript.contains(QStringLiteral("B = A * A\n")), qPrintable(transcript));
    QVERIFY(QFile::exists(QStringLiteral("RegB")));
    // The calculator itself is as it was.
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    2.00\n3.00    4.00\n"));
    f.Click(QStringLiteral("Recall"));
    QVERIFY(f.Pick(QStringLiteral("           B")));
    QCOMPARE(f.DisplayText(), QStringLiteral("7.00    10.00\n15.00    22.00\n"));
}

QTEST_MAIN(ParseConsoleTest)
#include "test_parse_console.moc"
