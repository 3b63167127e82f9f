#pragma once
// The linear-system dialog: instructions, the two methods as radio buttons
// (neither chosen at first), OK, Cancel and Help.

#include "platform/host.h"

#include <QDialog>

#include <functional>
#include <optional>

class QPushButton;
class QRadioButton;

namespace zentabl {

class SolveDialog : public QDialog {
  public:
    // showHelp runs when Help is pressed; the dialog stays open.
    SolveDialog(std::function<void()> showHelp, QWidget* parent);

    // The method after OK (None when neither is chosen), nothing after Cancel.
    std::optional<SolveMethod> Ask();

    QRadioButton* gaussJordanButton() const { return gaussJordan_; }
    QRadioButton* luButton() const { return lu_; }
    QPushButton* helpButton() const { return help_; }

  private:
    QRadioButton* gaussJordan_;
    QRadioButton* lu_;
    QPushButton* help_;
};

} // namespace zentabl
