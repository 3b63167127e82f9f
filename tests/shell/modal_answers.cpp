#include "modal_answers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

ModalAnswers::ModalAnswers() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
    timer_.start();
}

ModalAnswers::~ModalAnswers() {
    if (!answers_.empty()) faults_ << QStringLiteral("%1 answer(s) found no box").arg(Pending());
    if (!faults_.isEmpty() && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(faults_.join(QStringLiteral("; "))), __FILE__, __LINE__);
}

void ModalAnswers::Poll() {
    QWidget* box = QApplication::activePopupWidget();
    if (!box) box = QApplication::activeModalWidget();
    if (box && !box->isVisible()) box = nullptr;
    // A box stays active for a moment after it was answered.
    if (box && box == lastAnswered_) return;
    lastAnswered_ = box;
    if (!box) return;
    if (answers_.empty()) {
        QString what = box->windowTitle();
        if (auto* message = qobject_cast<QMessageBox*>(box))
            what += QStringLiteral(": ") + message->text();
        faults_ << QStringLiteral("unexpected box: ") + what;
        box->close();
        return;
    }
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    answer(box);
    // A failed check inside an answer leaves the box open: close it so the
    // failure is reported instead of a hang.
    if (QTest::currentTestFailed() && box->isVisible()) box->close();
}

void ClickButton(QWidget* box, const QString& caption) {
    for (QAbstractButton* button : box->findChildren<QAbstractButton*>())
        if (button->text().remove(QLatin1Char('&')) == caption) return button->click();
    box->close();
}
