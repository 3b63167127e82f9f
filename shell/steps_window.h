#pragma once
// View > Steps: the row operations of the last elimination, each with its
// matrix beneath, and buttons that copy them as text or as LaTeX.

#include "platform/host.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

namespace zentabl {

class StepsWindow : public QDialog {
  public:
    explicit StepsWindow(QWidget* parent);

    // Lists these steps in place of the ones shown.
    void Show(const StepsListing& listing);

    QListWidget* list() const { return list_; }
    QLabel* note() const { return note_; }
    QPushButton* copyTextButton() const { return copyText_; }
    QPushButton* copyLatexButton() const { return copyLatex_; }

  private:
    QListWidget* list_;
    QLabel* note_;
    QPushButton* copyText_;
    QPushButton* copyLatex_;
    StepsListing listing_;
};

} // namespace zentabl
