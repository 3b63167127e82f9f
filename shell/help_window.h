#pragma once

#include <QDialog>

class QTextBrowser;

namespace zentabl {

// The user guide that is built into the program, in a window of its own.
class HelpWindow : public QDialog {
  public:
    explicit HelpWindow(QWidget* parent);
    QTextBrowser* browser() const { return browser_; }
    static QString GuideText();

  private:
    QTextBrowser* browser_;
};

} // namespace zentabl
