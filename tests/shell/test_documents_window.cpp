// Documents and printing in the window: the real file dialogs and the real
// print dialog, printing to a PDF that pdftotext reads back.

#include "window_fixture.h"

#include "commands/menu_tables.h"
#include "operations/documents/document_commands.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

class DocumentsWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void savesAndOpensThroughTheFileDialogs();
    void printsEveryElementToAPdf();
};

namespace {

// Types the path into the file dialog and accepts it.
void ChooseFile(QWidget* box, const QString& path) {
    auto* dialog = qobject_cast<QFileDialog*>(box);
    QVERIFY2(dialog, qPrintable(box->metaObject()->className()));
    QCOMPARE(dialog->nameFilters(), QStringList{QStringLiteral("Data Files (*.mtx)")});
    QCOMPARE(dialog->defaultSuffix(), QStringLiteral("mtx"));
    auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
}

} // namespace

// Save As into another folder (without the extension typed), New, then Open
// by their keys: the caption names the document, the working directory stays, and saving
// over an existing file asks first.
void DocumentsWindowTest::savesAndOpensThroughTheFileDialogs() {
    WindowFixture f;
    const QString home = QDir::currentPath();
    QVERIFY(QDir::current().mkdir(QStringLiteral("docs")));
    const QString path = home + QStringLiteral("/docs/m.mtx");
    f.Click(QStringLiteral("1 > 2 v 3 > 4 SE"));
    f.Answers().Next([&](QWidget* box) { ChooseFile(box, home + QStringLiteral("/docs/m")); });
    MenuItem(f.Window().menuBar(), ID_FILE_SAVE_AS)->trigger();
    QCOMPARE(f.Window().windowTitle(), QStringLiteral(" Zentabl - m.mtx"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(QDir::currentPath(), home);

    f.Answers().Next([&](QWidget* box) { ChooseFile(box, path); });
    f.Answers().Next([](QWidget* box) {
        auto* question = qobject_cast<QMessageBox*>(box);
        QVERIFY2(question, "the overwrite question");
        QVERIFY(question->text().contains(QStringLiteral("m.mtx")));
        ClickButton(box, QStringLiteral("Yes"));
    });
    MenuItem(f.Window().menuBar(), ID_FILE_SAVE_AS)->trigger();

    f.Window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    f.Answers().Next([](QWidget* box) { ClickButton(box, QStringLiteral("Yes")); });
    QTest::keyClick(&f.Display(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(f.DisplayText(), QString());
    f.Window().activateWindow(); // the offscreen platform leaves it to us after a box
    QVERIFY(QTest::qWaitForWindowActive(&f.Window()));
    f.Answers().Next([&](QWidget* box) { ChooseFile(box, path); });
    QTest::keyClick(&f.Display(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.DisplayText(), QStringLiteral("1.00    2.00\n3.00    4.00\n"));
    QCOMPARE(f.Window().windowTitle(), QStringLiteral(" Zentabl - m.mtx"));
    QCOMPARE(QDir::currentPath(), home);
}

// A matrix over several pages and column blocks, under its document's name.
void DocumentsWindowTest::printsEveryElementToAPdf() {
    WindowFixture f;
    constexpr int kRows = 130;
    constexpr int kColumns = 19;
    NEWMAT::Matrix m(kRows, kColumns);
    for (int i = 1; i <= kRows; ++i)
        for (int j = 1; j <= kColumns; ++j)
            m(i, j) = (i % 2 ? -1 : 1) * (i * 100 + j);
    static_cast<Calculator&>(f.Window().Dialog()).SetCurrentMatrix(m);
    NameDocument(f.Window().Dialog(), QDir::current().absoluteFilePath("big.mtx").toStdString());
    const QString pdf = QDir::current().absoluteFilePath(QStringLiteral("matrix.pdf"));
    f.Answers().Next(PrintToPdf(pdf));
    f.Answers().Next([](QWidget* box) {
        QCOMPARE(box->windowTitle(), QStringLiteral("Print status"));
        ClickButton(box, QStringLiteral("OK"));
    });
    MenuItem(f.Window().menuBar(), ID_FILE_PRINT)->trigger();
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished(30000));
    QStringList words = QString::fromUtf8(pdftotext.readAllStandardOutput())
                            .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
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
