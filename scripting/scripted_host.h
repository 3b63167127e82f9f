#pragma once
// The scripted host: answers come from queues that a script (or a test) fills
// beforehand, and everything the calculator shows is written to a transcript.
// A question nobody queued an answer for throws ScriptError.

#include <deque>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "platform/host.h"

class ScriptedHost : public CalculatorHost {
  public:
    explicit ScriptedHost(std::ostream& transcript) : out_(transcript) {}

    // ---- What the script queues
    enum class Answer { Ok, Yes, No };
    void QueueAnswer(Answer answer) { answers_.push_back(answer); }
    // nullopt: the prompt box is closed with Escape.
    void QueueInput(std::optional<std::string> text) { inputs_.push_back(std::move(text)); }
    void QueueEvaluatorInput(std::string text) { evaluatorInputs_.push_back(std::move(text)); }
    // The id the next popup menu returns; the item must be there and not greyed.
    void QueueMenuChoice(int id) { menuChoice_ = id; }
    bool MenuChoicePending() const { return menuChoice_.has_value(); }
    // The next file dialog's choice; nullopt: it is cancelled.
    void QueueFileDialog(std::optional<std::string> path) {
        fileDialogs_.push_back(std::move(path));
    }
    // The next print dialog ends with OK, printing to a file at the path, or
    // (nullopt) is cancelled. An empty path is a printer that cannot print.
    void QueuePrintDialog(std::optional<std::string> path) {
        printDialogs_.push_back(std::move(path));
    }
    // The answer to the next conversion dialog; nullopt: Cancel.
    void QueueConversion(std::optional<ConversionChoice> choice) {
        conversions_.push_back(std::move(choice));
    }
    // The answer to the next linear-system dialog; nullopt: Cancel.
    void QueueSolveMethod(std::optional<SolveMethod> method) { solveMethods_.push_back(method); }
    // The evaluator that Parse starts (normally the one beside the program).
    void SetEvaluatorProgram(std::string program) { evaluatorProgram_ = std::move(program); }
    // Throws ScriptError when a queued answer or input was never asked for.
    void CheckNothingQueued() const;

    // For randomised tests: questions and prompts with nothing queued are
    // answered by these instead of failing. The question gets true for Yes.
    struct Improviser {
        std::function<bool()> yes;
        std::function<std::optional<std::string>()> input;
    };
    void Improvise(Improviser improviser) { improviser_ = std::move(improviser); }

    // ---- State a window would show
    const std::string& Caption() const { return caption_; }
    int Focus() const { return focus_; }
    bool ToolTipsEnabled() const { return toolTips_; }
    int WaitCursorDepth() const { return waitCursorDepth_; }
    const std::optional<PopupMenu>& LastPopupMenu() const { return lastPopup_; }
    const std::string& Clipboard() const { return clipboard_; }
    void SetClipboard(const std::string& text) { clipboard_ = text; }

    // ---- CalculatorHost
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    std::optional<std::string> Prompt(const std::string& label) override;
    void MessageBeep(unsigned type) override;
    void BeginWaitCursor() override { ++waitCursorDepth_; }
    void EndWaitCursor() override { --waitCursorDepth_; }
    void SetCaption(const std::string& caption) override { caption_ = caption; }
    void SetFocusTo(int controlId) override { focus_ = controlId; }
    void EnableToolTips(bool enable) override { toolTips_ = enable; }
    int TrackPopupMenu(const PopupMenu& menu, int x, int y) override;
    ScreenRect ControlScreenRect(int controlId) override;
    ScreenPoint ClientToScreen(int controlId, int x, int y) override;
    EvaluatorRun RunEvaluator() override;
    void ShowSplash(int) override {}
    void ShowAboutBox() override;
    void ShowHelp(int context) override;
    void CloseWindow() override;
    std::optional<std::string> FileDialog(const FileDialogRequest& request) override;
    std::unique_ptr<PrinterDevice> PrintDialog() override;
    std::optional<ConversionChoice> ShowConversionDialog(
        const ConversionDialogContent& content) override;
    void ShowMachineFloatDialog(const std::string& report) override;
    std::optional<SolveMethod> ShowSolveDialog() override;
    // The picture window is only a flag here; zenscript draws pictures to
    // files with save-picture.
    void ShowPictureWindow(bool show) override;
    bool PictureWindowShown() const override { return pictureWindowShown_; }
    void CurrentMatrixChanged() override {}
    // Writes "window steps TITLE N" (N entries; 0 with the note instead).
    void ShowStepsWindow(const StepsListing& listing) override;
    // Writes the text as "clipboard "LINE"" lines, one a line of it.
    void CopyToClipboard(const std::string& text) override;

  private:
    std::ostream& out_;
    std::deque<Answer> answers_;
    std::deque<std::optional<std::string>> inputs_;
    std::deque<std::string> evaluatorInputs_;
    std::deque<std::optional<std::string>> fileDialogs_;
    std::deque<std::optional<std::string>> printDialogs_;
    std::optional<int> menuChoice_;
    std::deque<std::optional<ConversionChoice>> conversions_;
    std::deque<std::optional<SolveMethod>> solveMethods_;
    std::string evaluatorProgram_;
    Improviser improviser_;
    std::optional<PopupMenu> lastPopup_;
    std::string caption_;
    std::string clipboard_;
    int focus_ = 0;
    bool toolTips_ = false;
    int waitCursorDepth_ = 0;
    bool pictureWindowShown_ = false;
};
