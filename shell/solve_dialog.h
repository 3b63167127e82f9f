#pragma once
// The linear-system dialog: instructions, the two methods as radio buttons
// (neither chosen at first), OK, Cancel and a Help button that does nothing.

#include "platform/host.h"

#include <QDialog>

#include <optional>

class QRadioButton;

namespace zentabl {

class SolveDialog : public QDialog {
  public:
    explicit SolveDialog(QWidget* parent);

    // The method after OK (None when neither is chosen), nothing after Cancel.
    std::optional<SolveMethod> Ask();

    QRadioButton* gaussJordanButton() const { return gaussJordan_; }
    QRadioButton* luButton() const { return lu_; }

  private:
    QRadioButton* gaussJordan_;
    QRadioButton* lu_;
};

} // namespace zentabl
