#pragma once
// The report of the machine's floating-point arithmetic, with OK and Help.

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace zentabl {

class MachineFloatDialog : public QDialog {
  public:
    // showHelp runs when Help is pressed; the box stays open.
    MachineFloatDialog(const QString& report, std::function<void()> showHelp, QWidget* parent);

    QLabel* reportLabel() const { return report_; }
    QPushButton* helpButton() const { return help_; }

  private:
    QLabel* report_;
    QPushButton* help_;
};

} // namespace zentabl
