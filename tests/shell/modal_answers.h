#pragma once
// Answers the window's modal boxes and popup menus from the test, in order.
// A box or menu that appears with no answer queued is closed, so no test ever
// hangs on a box; that box, and any answer still unused at the end, fail the
// running test.

#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>

class QWidget;

class ModalAnswers {
  public:
    using Answer = std::function<void(QWidget* box)>;

    ModalAnswers();
    ~ModalAnswers();

    // Queues an answer for the next modal box or popup menu.
    void Next(Answer answer) { answers_.push_back(std::move(answer)); }
    int Pending() const { return int(answers_.size()); }

  private:
    void Poll();

    std::deque<Answer> answers_;
    QStringList faults_;
    QTimer timer_;
    QPointer<QWidget> lastAnswered_;
};

// Clicks the button with this caption (accelerator marks ignored), or closes
// the box when it has none.
void ClickButton(QWidget* box, const QString& caption);
