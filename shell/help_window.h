#pragma once

#include <QDialog>

class QTextBrowser;

namespace zentabl {

// Help contexts of the boxes that have a Help button; Help > Contents and
// any other context open the guide at its top.
constexpr int kMachineFloatHelpContext = 2520;
constexpr int kSolveHelpContext = 2530;

// The user guide that is built into the program, in a window of its own.
class HelpWindow : public QDialog {
  public:
    explicit HelpWindow(QWidget* parent);
    QTextBrowser* browser() const { return browser_; }
    static QString GuideText();
    // The heading of the guide's section for the context; empty for its top.
    static QString SectionOf(int context);

    // Shows the window with the context's section at the top of the view.
    void ShowContext(int context);

  private:
    QTextBrowser* browser_;
};

} // namespace zentabl
