#include "modal_answers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTest>
#include <QWidget>

namespace {
constexpr int kTickMs = 20;
constexpr int kPatienceTicks = 250; // five seconds without a box to answer
} // namespace

ModalAnswers::ModalAnswers() {
    timer_.setInterval(kTickMs);
    connect(&timer_, &QTimer::timeout, this, &ModalAnswers::Poll);
    timer_.start();
}

ModalAnswers::~ModalAnswers() = default;

void ModalAnswers::Next(Answer answer) {
    answers_.push_back(std::move(answer));
    idleTicks_ = 0;
}

void ModalAnswers::Poll() {
    QWidget* box = QApplication::activePopupWidget();
    if (!box) box = QApplication::activeModalWidget();
    if (box && !box->isVisible()) box = nullptr;
    // A box stays active for a moment after it was answered.
    if (box && box == lastAnswered_) return;
    lastAnswered_ = nullptr;
    if (!box) {
        if (!answers_.empty() && ++idleTicks_ > kPatienceTicks) {
            faults_ << QStringLiteral("an answer found no box to act on");
            answers_.pop_front();
            idleTicks_ = 0;
        }
        return;
    }
    idleTicks_ = 0;
    lastAnswered_ = box;
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

QWidget* FindChildButton(QWidget* box, const QString& text) {
    for (QAbstractButton* button : box->findChildren<QAbstractButton*>()) {
        QString caption = button->text();
        caption.remove(QLatin1Char('&'));
        if (caption == text) return button;
    }
    return nullptr;
}

void ClickButton(QWidget* box, const QString& text) {
    if (auto* button = qobject_cast<QAbstractButton*>(FindChildButton(box, text)))
        button->click();
    else
        box->close();
}
