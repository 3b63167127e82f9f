// Documents and printing in the window: the real file dialogs and the real
// print dialog, printing to a PDF that pdftotext reads back.

#include "window_fixture.h"

#include "documents/document_commands.h"
#include "documents/print_command.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class DocumentsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void printsEveryElementToAPdf();
};

namespace {

// Chooses the PDF printer in the print dialog, writing to `path`.
void PrintToPdf(QWidget* box, const QString& path) {
    auto* dialog = qobject_cast<QPrintDialog*>(box);
    QVERIFY2(dialog, qPrintable(box->metaObject()->className()));
    for (QComboBox* printers : dialog->findChildren<QComboBox*>(QStringLiteral("printers"))) {
        const int pdf = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
        if (pdf >= 0) printers->setCurrentIndex(pdf);
    }
    QLineEdit* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
    QVERIFY(file);
    file->setText(path);
    ClickButton(box, QStringLiteral("Print"));
}

QString PdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000)) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

} // namespace

// A matrix over several pages and column blocks, under its document's name.
void DocumentsWindowTest::printsEveryElementToAPdf() {
    WindowFixture f;
    constexpr int kRows = 130;
    constexpr int kColumns = 19;
    NEWMAT::Matrix m(kRows, kColumns);
    for (int i = 1; i <= kRows; ++i)
        for (int j = 1; j <= kColumns; ++j)
            m(i, j) = (i % 2 ? -1 : 1) * (i * 100 + j);
    f.Window().Dialog().SetCurrentMatrix(m);
    f.Window().Dialog().SetDocumentPath(QDir::current().absoluteFilePath("big.mtx").toStdString());
    const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("matrix.pdf"));
    f.Answers().Next([&](QWidget* box) { PrintToPdf(box, pdf); });
    f.Answers().Next([](QWidget* box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Print status"));
        ClickButton(box, QStringLiteral("OK"));
    });
    OnFilePrint(f.Window().Dialog());
    QVERIFY(QFile::exists(pdf));
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
    QStringList words =
        PdfText(pdf).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    const qsizetype headings = words.removeAll(QStringLiteral("big.mtx"));
    QVERIFY2(headings > 2, "the heading is on every page");
    QCOMPARE(words.size(), kRows * kColumns);
    QSet<QString> printed(words.begin(), words.end());
    for (int i = 1; i <= kRows; ++i)
        for (int j = 1; j <= kColumns; ++j)
            QVERIFY2(printed.contains(QString::number(m(i, j), 'f', 2)),
                     qPrintable(QString::number(m(i, j))));
}

QTEST_MAIN(DocumentsWindowTest)
#include "test_documents_window.moc"
