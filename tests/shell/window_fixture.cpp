#include "window_fixture.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTest>

WindowFixture::WindowFixture() : previousDir_(QDir::currentPath()) {
    QDir::setCurrent(scratch_.path());
    window_ = std::make_unique<zentabl::CalculatorWindow>();
    // The offscreen screen is small: keep the whole window, and the menus
    // it opens, on it.
    window_->move(0, 0);
    window_->Start(false);
    QApplication::processEvents();
}

WindowFixture::~WindowFixture() {
    window_.reset();
    QDir::setCurrent(previousDir_);
}

void WindowFixture::Click(const QString& captions) {
    for (const QString& caption : captions.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (QPushButton* key = window_->Button(ButtonIdForCaption(caption.toStdString())))
            key->click();
    // Buttons that drop the command list down leave it open: a user would
    // pick from it; the tests pick through Pick().
    window_->Commands().hidePopup();
}

bool WindowFixture::Pick(const QString& row) {
    zentabl::CommandList& list = window_->Commands();
    const int index = list.findText(row, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return false;
    // Through the drop-down list, as a user picks.
    list.showPopup();
    QAbstractItemView* rows = list.view();
    const QModelIndex item = list.model()->index(index, 0);
    rows->scrollTo(item);
    QTest::mouseClick(rows->viewport(), Qt::LeftButton, {}, rows->visualRect(item).center());
    return QTest::qWaitFor([&] { return !rows->isVisible(); }, 2000);
}

QAction* MenuItem(QObject* menus, int id) {
    for (QAction* action : menus->findChildren<QAction*>())
        if (!action->menu() && action->data().toInt() == id) return action;
    return nullptr;
}

ModalAnswers::Answer Choose(int id) {
    return [id](QWidget* box) {
        QAction* item = MenuItem(box, id);
        QVERIFY(item);
        QList<QAction*> path{item};
        for (auto* sub = qobject_cast<QMenu*>(item->parent()); sub && sub != box;
             sub = qobject_cast<QMenu*>(sub->parent()))
            path.prepend(sub->menuAction());
        auto* menu = static_cast<QMenu*>(box);
        for (QAction* step : path) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(step).center());
            if ((menu = step->menu())) QTRY_VERIFY(menu->isVisible());
        }
    };
}

ModalAnswers::Answer PrintToPdf(const QString& pdf, QRectF* printable) {
    return [pdf, printable](QWidget* box) {
        auto* dialog = qobject_cast<QPrintDialog*>(box);
        QVERIFY2(dialog, qPrintable(box->metaObject()->className()));
        for (QComboBox* printers : dialog->findChildren<QComboBox*>(QStringLiteral("printers"))) {
            const int pdfPrinter = printers->findText(QStringLiteral("PDF"), Qt::MatchContains);
            if (pdfPrinter >= 0) printers->setCurrentIndex(pdfPrinter);
        }
        QLineEdit* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
        QVERIFY(file);
        file->setText(pdf);
        ClickButton(box, QStringLiteral("Print"));
        if (printable) *printable = dialog->printer()->pageLayout().paintRectPoints();
    };
}
