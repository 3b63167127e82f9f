#pragma once
// The calculator window: every control of the calculator by its id, laid out
// so that the display dominates, wired to the calculator core. The window
// draws and forwards; the core decides.

#include "calculator/calculator_dlg.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

class QLabel;
class QPushButton;

namespace zentabl {

class CommandList;
class DisplayBox;
class DisplayUndo;
class QtHost;
class SpinArrows;
class StatusLine;
class NoticeLine;
class ValueBox;

class CalculatorWindow : public QMainWindow {
  public:
    explicit CalculatorWindow(QWidget* parent = nullptr);
    ~CalculatorWindow() override;

    // Runs the calculator's initialisation (with the splash, unless turned
    // off), then shows the window.
    void Start(bool withSplash = true);

    CCalculatorDlg& Dialog() { return *dlg_; }
    QtHost& Host() { return *host_; }
    QWidget* Control(int controlId) const;
    QPushButton* Button(int controlId) const;
    DisplayBox& Display() const { return *display_; }
    CommandList& Commands() const { return *commandList_; }
    StatusLine& Status() const { return *status_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* BuildControls();
    QWidget* BuildOptionsRow();
    QWidget* BuildKeys();
    void BuildMenuBar();
    void BindKeys();
    void ApplyFonts();
    void TintKeys();
    void WireToCore();
    void Register(int controlId, QWidget* control);
    // Runs what the user did outside the display's own editing, so that
    // Undo can take back what it did to the display's text.
    void Undoably(const std::function<void()>& action);
    void Undo();

    DisplayBox* display_ = nullptr;
    StatusLine* status_ = nullptr;
    NoticeLine* notice_ = nullptr;
    CommandList* commandList_ = nullptr;
    ValueBox* widthBox_ = nullptr;
    ValueBox* decimalBox_ = nullptr;
    SpinArrows* widthSpin_ = nullptr;
    SpinArrows* decimalSpin_ = nullptr;
    std::map<int, QWidget*> controls_;
    std::unique_ptr<QtHost> host_;
    std::unique_ptr<CCalculatorDlg> dlg_;
    std::unique_ptr<DisplayUndo> undo_;
};

} // namespace zentabl
