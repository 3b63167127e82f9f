#pragma once
// Answers the window's modal boxes and popup menus from the test, in order.
// A box or menu that appears with no answer queued is closed and recorded as
// unexpected, and an answer that finds nothing to act on within its time is
// recorded as missing, so no test ever hangs on a box.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

class ModalAnswers : public QObject {
  public:
    using Answer = std::function<void(QWidget* box)>;

    ModalAnswers();
    ~ModalAnswers() override;

    // Queues an answer for the next modal box or popup menu.
    void Next(Answer answer);
    int Pending() const { return int(answers_.size()); }
    // Texts of boxes nobody answered and answers nothing needed.
    QStringList Faults() const { return faults_; }

  private:
    void Poll();

    std::deque<Answer> answers_;
    QStringList faults_;
    QTimer timer_;
    int idleTicks_ = 0;
    QPointer<QWidget> lastAnswered_;
};

// Common answers.
QWidget* FindChildButton(QWidget* box, const QString& text);
void ClickButton(QWidget* box, const QString& text);
