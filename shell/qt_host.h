#pragma once
// The calculator core's host, made of real Qt dialogs and widgets: message
// boxes, the prompt box, popup menus, the wait cursor, focus, tool tips, the
// evaluator's console, the splash, the About box, the help window, the file
// dialogs and the print dialog.

#include "platform/host.h"
#include "shell/picture_data.h"

#include <QPointer>

#include <functional>

class QWidget;

namespace zentabl {

class HelpWindow;
class PictureWindow;
class SplashWindow;
class StepsWindow;

class QtHost : public CalculatorHost {
  public:
    // window owns every box shown; controlById finds a control by its id.
    QtHost(QWidget& window, std::function<QWidget*(int)> controlById);
    ~QtHost() override;

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::optional<std::string> Prompt(const std::string& label) override;
    void MessageBeep(unsigned type) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void SetCaption(const std::string& caption) override;
    void SetFocusTo(int controlId) override;
    void EnableToolTips(bool enable) override { toolTips_ = enable; }
    int TrackPopupMenu(const PopupMenu& menu, int x, int y) override;
    ScreenRect ControlScreenRect(int controlId) override;
    ScreenPoint ClientToScreen(int controlId, int x, int y) override;
    EvaluatorRun RunEvaluator() override;
    void ShowSplash(int milliseconds) override;
    void ShowAboutBox() override;
    void ShowHelp(int context) override;
    void CloseWindow() override;
    std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
    std::unique_ptr<PrinterDevice> PrintDialog() override;
    std::optional<ConversionChoice> ShowConversionDialog(
        const ConversionDialogContent& content) override;
    void ShowMachineFloatDialog(const std::string& report) override;
    std::optional<SolveMethod> ShowSolveDialog() override;
    void ShowPictureWindow(bool show) override;
    bool PictureWindowShown() const override;
    void CurrentMatrixChanged() override;
    void ShowStepsWindow(const StepsListing& listing) override;
    void CopyToClipboard(const std::string& text) override;

    bool ToolTipsEnabled() const { return toolTips_; }
    // Tests and the screenshot tool start without the splash's pause.
    void SetSplashEnabled(bool on) { splashEnabled_ = on; }
    SplashWindow* Splash() const;
    HelpWindow* Help() const;
    // Where the picture window reads the matrix it draws.
    void SetPictureSource(PictureSource source) { pictureSource_ = std::move(source); }
    PictureWindow* Picture() const;
    StepsWindow* Steps() const;

  private:
    QWidget& window_;
    std::function<QWidget*(int)> controlById_;
    bool toolTips_ = true;
    bool splashEnabled_ = true;
    int waitDepth_ = 0;
    QPointer<SplashWindow> splash_;
    QPointer<HelpWindow> help_;
    QPointer<PictureWindow> picture_;
    PictureSource pictureSource_;
    bool pictureRedrawQueued_ = false;
    QPointer<StepsWindow> steps_;
};

} // namespace zentabl
