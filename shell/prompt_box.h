#pragma once
// The small caption-less box that asks for one value.

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zentabl {

class PromptBox : public QDialog {
  public:
    PromptBox(const QString& label, QWidget* parent);

    // The typed text after OK or Enter, nothing after Cancel or Escape.
    std::optional<QString> Ask();

    QLineEdit* edit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

  private:
    QLabel* label_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

} // namespace zentabl
