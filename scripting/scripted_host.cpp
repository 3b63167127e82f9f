#include "scripting/scripted_host.h"

#include "platform/host_evaluator.h"
#include "scripting/script_error.h"
#include "scripting/script_text.h"

namespace {

// The scripted printer's page: 8 x 10.5 inches printable, and every
// character 8 units wide.
constexpr int kScriptedPageWidth = 800;
constexpr int kScriptedPageHeight = 1050;
constexpr int kScriptedCharWidth = 8;

// Writes each page to the transcript: "page W H", the frame as
// "rect X1 Y1 X2 Y2", then one "text X Y "TEXT"" per text.
class ScriptedPrinter : public PrinterDevice {
  public:
    explicit ScriptedPrinter(std::ostream& out) : out_(out) {}
    int PrintableWidth() const override { return kScriptedPageWidth; }
    int PrintableHeight() const override { return kScriptedPageHeight; }
    int AverageCharWidth(const PageFont&) override { return kScriptedCharWidth; }
    int TextWidth(const PageFont&, const std::string& text) override {
        return kScriptedCharWidth * static_cast<int>(text.size());
    }
    bool PrintPages(const std::vector<PrintedPage>& pages, const PageFont&) override {
        for (const PrintedPage& page : pages) {
            out_ << "page " << kScriptedPageWidth << ' ' << kScriptedPageHeight << '\n';
            out_ << "rect 0 0 " << page.frameWidth << ' ' << -page.frameHeight << '\n';
            for (const PageText& text : page.texts)
                out_ << "text " << text.x << ' ' << text.y << ' ' << Quote(text.text) << '\n';
        }
        return true;
    }

  private:
    std::ostream& out_;
};

// Writes "-> "PATH"" or "-> cancel" and takes the queued answer.
std::optional<std::string> TakeDialogAnswer(std::ostream& out,
                                            std::deque<std::optional<std::string>>& queue,
                                            const char* name) {
    out << "dialog " << name << " -> ";
    if (queue.empty()) {
        out << "?\n";
        throw ScriptError{std::string("the ") + name + " dialog was not answered"};
    }
    std::optional<std::string> answer = std::move(queue.front());
    queue.pop_front();
    out << (answer ? Quote(*answer) : std::string("cancel")) << '\n';
    return answer;
}

const char* IconName(unsigned flags) {
    if (flags & MB_ICONSTOP) return "stop";
    if (flags & MB_ICONINFORMATION) return "info";
    return "none";
}

const PopupMenuItem* FindItem(const std::vector<PopupMenuItem>& items, int id) {
    for (const PopupMenuItem& item : items) {
        if (item.IsSubmenu()) {
            if (const PopupMenuItem* inner = FindItem(item.submenu, id)) return inner;
        } else if (!item.separator && item.id == id) {
            return &item;
        }
    }
    return nullptr;
}

// Each line of the evaluator's output, prefixed; a last line without its
// line break is written too.
void WriteEvaluatorOutput(std::ostream& out, const std::string& output) {
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out << "evaluator: " << line << '\n';
        start = end + 1;
    }
}

} // namespace

void ScriptedHost::CheckNothingQueued() const {
    if (!answers_.empty()) throw ScriptError{"an answer was queued but no message box asked"};
    if (!inputs_.empty()) throw ScriptError{"an input was queued but no prompt box asked"};
    if (!evaluatorInputs_.empty())
        throw ScriptError{"evaluator input was queued but the evaluator never ran"};
    if (menuChoice_) throw ScriptError{"a menu choice was queued but no menu was shown"};
    if (!fileDialogs_.empty())
        throw ScriptError{"a file dialog answer was queued but no file dialog was shown"};
    if (!printDialogs_.empty())
        throw ScriptError{"a print dialog answer was queued but no print dialog was shown"};
    if (!conversions_.empty())
        throw ScriptError{"a conversion was queued but no conversion dialog opened"};
    if (!solveMethods_.empty())
        throw ScriptError{"a solve answer was queued but no linear-system dialog opened"};
}

int ScriptedHost::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    const bool yesNo = (flags & MB_YESNO) != 0;
    out_ << "message " << Quote(caption) << ' ' << Quote(text) << " icon=" << IconName(flags)
         << " buttons=" << (yesNo ? "yesno" : "ok") << " -> ";
    Answer answer = Answer::Ok;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    } else if (yesNo && improviser_.yes) {
        answer = improviser_.yes() ? Answer::Yes : Answer::No;
    } else if (yesNo) {
        out_ << "?\n";
        throw ScriptError{"a Yes/No question was not answered: " + Quote(text)};
    }
    if (yesNo == (answer == Answer::Ok)) {
        out_ << "?\n";
        throw ScriptError{"the queued answer does not fit the buttons of " + Quote(text)};
    }
    switch (answer) {
    case Answer::Yes:
        out_ << "yes\n";
        return IDYES;
    case Answer::No:
        out_ << "no\n";
        return IDNO;
    case Answer::Ok:
        break;
    }
    out_ << "ok\n";
    return IDOK;
}

std::optional<std::string> ScriptedHost::Prompt(const std::string& label) {
    out_ << "prompt " << Quote(label) << " -> ";
    if (inputs_.empty() && improviser_.input) inputs_.push_back(improviser_.input());
    if (inputs_.empty()) {
        out_ << "?\n";
        throw ScriptError{"a prompt was not answered: " + Quote(label)};
    }
    std::optional<std::string> input = std::move(inputs_.front());
    inputs_.pop_front();
    out_ << (input ? Quote(*input) : std::string("escape")) << '\n';
    return input;
}

void ScriptedHost::MessageBeep(unsigned) {
    out_ << "beep\n";
}

int ScriptedHost::TrackPopupMenu(const PopupMenu& menu, int, int) {
    lastPopup_ = menu;
    if (!menuChoice_) return 0;
    const int id = *menuChoice_;
    menuChoice_.reset();
    const PopupMenuItem* item = FindItem(menu.items, id);
    if (!item)
        throw ScriptError{"the menu " + Quote(menu.title) + " has no item " + std::to_string(id)};
    if (item->greyed) throw ScriptError{"the menu item " + Quote(item->text) + " is greyed"};
    return id;
}

// A fixed layout: every control a 40 x 20 box in a row, so popups open at
// plausible points.
ScreenRect ScriptedHost::ControlScreenRect(int controlId) {
    const int left = (controlId % 100) * 40;
    return {left, 100, left + 40, 120};
}

ScreenPoint ScriptedHost::ClientToScreen(int controlId, int x, int y) {
    const ScreenRect rect = ControlScreenRect(controlId);
    return {rect.left + x, rect.top + y};
}

EvaluatorRun ScriptedHost::RunEvaluator() {
    std::string input;
    if (!evaluatorInputs_.empty()) {
        input = std::move(evaluatorInputs_.front());
        evaluatorInputs_.pop_front();
    }
    std::string output;
    const EvaluatorRun run = RunProgramAndWait(
        evaluatorProgram_.empty() ? EvaluatorProgram() : evaluatorProgram_, &input, &output);
    WriteEvaluatorOutput(out_, output);
    return run;
}

void ScriptedHost::ShowAboutBox() {
    out_ << "about\n";
}

void ScriptedHost::ShowHelp(int context) {
    out_ << "help " << context << '\n';
}

void ScriptedHost::CloseWindow() {
    out_ << "close\n";
}

std::optional<std::string> ScriptedHost::FileDialog(const FileDialogRequest& request) {
    const char* name = request.kind == FileDialogRequest::Kind::Open ? "open" : "save";
    return TakeDialogAnswer(out_, fileDialogs_, name);
}

std::unique_ptr<PrinterDevice> ScriptedHost::PrintDialog() {
    const std::optional<std::string> path = TakeDialogAnswer(out_, printDialogs_, "print");
    if (!path || path->empty()) return nullptr;
    return std::make_unique<ScriptedPrinter>(out_);
}

std::optional<ConversionChoice> ScriptedHost::ShowConversionDialog(
    const ConversionDialogContent& content) {
    ConversionChoice opening{content.openCategory, "", ""};
    for (const ConversionDialogContent::Category& category : content.categories)
        if (category.name == content.openCategory) {
            opening.from = category.from;
            opening.to = category.to;
        }
    out_ << "dialog convert " << Quote(opening.category) << ' ' << Quote(opening.from) << ' '
         << Quote(opening.to) << " -> ";
    if (conversions_.empty()) {
        out_ << "?\n";
        throw ScriptError{"the conversion dialog was not answered"};
    }
    std::optional<ConversionChoice> answer = std::move(conversions_.front());
    conversions_.pop_front();
    if (!answer) {
        out_ << "cancel\n";
        return std::nullopt;
    }
    out_ << "ok " << Quote(answer->category) << ' ' << Quote(answer->from) << ' '
         << Quote(answer->to) << '\n';
    return answer;
}

void ScriptedHost::ShowMachineFloatDialog(const std::string& report) {
    out_ << "dialog \"Machine Float Characteristics\" " << Quote(report) << '\n';
}

std::optional<SolveMethod> ScriptedHost::ShowSolveDialog() {
    out_ << "dialog solve -> ";
    if (solveMethods_.empty()) {
        out_ << "?\n";
        throw ScriptError{"the linear-system dialog was not answered"};
    }
    const std::optional<SolveMethod> method = solveMethods_.front();
    solveMethods_.pop_front();
    if (!method)
        out_ << "cancel\n";
    else if (*method == SolveMethod::GaussJordan)
        out_ << "gauss\n";
    else if (*method == SolveMethod::Lu)
        out_ << "lu\n";
    else
        out_ << "none\n";
    return method;
}

void ScriptedHost::ShowPictureWindow(bool show) {
    pictureWindowShown_ = show;
    out_ << "picture window " << (show ? "shown" : "hidden") << '\n';
}

void ScriptedHost::ShowStepsWindow(const StepsListing& listing) {
    out_ << "window steps " << Quote(listing.title) << ' ' << listing.entries.size();
    if (listing.entries.empty()) out_ << ' ' << Quote(listing.note);
    out_ << '\n';
}

void ScriptedHost::CopyToClipboard(const std::string& text) {
    clipboard_ = text;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out_ << "clipboard " << Quote(line) << '\n';
        start = end + 1;
    }
}
