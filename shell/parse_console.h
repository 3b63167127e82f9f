#pragma once
// The console window of the calculator's own in which the expression
// evaluator runs: its output appears as it is written, a typed line goes to
// its input, and the window closes when the evaluator ends. Closing the
// window first ends the evaluator, which then saves nothing. Up and Down
// bring back the lines typed earlier; long rows scroll sideways, unwrapped.

#include "platform/host.h"

#include <QDialog>
#include <QProcess>
#include <QStringList>

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
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SendLine();
    void ShowOutput();
    // Steps through the typed lines: -1 back (Up), +1 forward (Down). Past
    // the newest line the input shows what was being typed before.
    void Recall(int step);

    QProcess process_;
    QPlainTextEdit* output_;
    QLineEdit* input_;
    QStringList typedLines_;
    int recalled_ = 0; // index into typedLines_; its size while typing a new line
    QString draft_;
};

} // namespace zentabl
