#pragma once
// The console window of the calculator's own in which the expression
// evaluator runs: its output appears as it is written, a typed line goes to
// its input, and the window closes when the evaluator ends. Closing the
// window first ends the evaluator, which then saves nothing.

#include "platform/host.h"

#include <QDialog>
#include <QProcess>

class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;

namespace zentabl {

class ParseConsole : public QDialog {
  public:
    explicit ParseConsole(QWidget* parent);
    ~ParseConsole() override;

    // Starts the evaluator in the working directory and waits until it has ended.
    EvaluatorRun Run();

    QPlainTextEdit* output() const { return output_; }
    QLineEdit* input() const { return input_; }

  protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void SendLine();
    void ShowOutput();

    QProcess process_;
    QPlainTextEdit* output_;
    QLineEdit* input_;
};

} // namespace zentabl
