// Where the printout's texts land on the paper: printed to a PDF through the
// print dialog and read back with the positions of its words.

#include "window_fixture.h"

#include "commands/menu_tables.h"
#include "operations/documents/document_commands.h"

#include <QTest>
#include <QtPrintSupport>
#include <QtWidgets>

class PrintedHeadingTest : public QObject {
    Q_OBJECT

  private slots:
    void headingAndRowsStayInsideTheFrame();
};

namespace {

struct Word {
    QString text;
    QRectF box; // in points, from the page's top-left corner
};

// The words of the PDF's first page with their boxes, as pdftotext reads them.
QList<Word> PrintedWords(const QString& pdf) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"),
                                                  QStringLiteral("1"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000)) return {};
    QList<Word> words;
    QXmlStreamReader page(pdftotext.readAllStandardOutput());
    while (page.readNextStartElement() || !page.atEnd()) {
        if (page.name() != QLatin1String("word")) continue;
        const QXmlStreamAttributes at = page.attributes();
        const auto value = [&](const char* name) {
            return at.value(QLatin1String(name)).toDouble();
        };
        const QRectF box(QPointF(value("xMin"), value("yMin")),
                         QPointF(value("xMax"), value("yMax")));
        words.append({page.readElementText(), box});
    }
    return words;
}

} // namespace

// The heading is the document's name; it and the rows below it lie inside
// the frame, which is drawn just inside the printable area.
void PrintedHeadingTest::headingAndRowsStayInsideTheFrame() {
    WindowFixture f;
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE"));
    NameDocument(f.Window().Dialog(),
                 QDir::current().absoluteFilePath("Wide heading.mtx").toStdString());
    const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("page.pdf"));
    QRectF printable; // in points
    f.Answers().Next(PrintToPdf(pdf, &printable));
    f.Answers().Next([](QWidget* box) { ClickButton(box, QStringLiteral("OK")); });
    MenuItem(f.Window().menuBar(), ID_FILE_PRINT)->trigger();
    QVERIFY(!printable.isEmpty());

    const QList<Word> words = PrintedWords(pdf);
    QCOMPARE(words.size(), 6);
    QCOMPARE(words[0].text + QLatin1Char(' ') + words[1].text, QStringLiteral("Wide heading.mtx"));
    // The frame's line is a hundredth of an inch wide; a text that touches
    // it overlaps it.
    const double line = 0.72;
    const QRectF insideFrame = printable.adjusted(line, line, -line, -line);
    for (const Word& word : words)
        QVERIFY2(insideFrame.contains(word.box),
                 qPrintable(QStringLiteral("%1 at %2, %3 inside %4, %5")
                                .arg(word.text)
                                .arg(word.box.left())
                                .arg(word.box.top())
                                .arg(insideFrame.left())
                                .arg(insideFrame.top())));
    // The heading starts where the rows do, above them.
    QCOMPARE(qRound(words[0].box.left()), qRound(words[2].box.left()));
    QVERIFY(words[0].box.bottom() < words[2].box.top());
}

QTEST_MAIN(PrintedHeadingTest)
#include "test_printed_heading.moc"
