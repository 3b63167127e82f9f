#include "scripting/script_runner.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <vector>

#include "calculator/exact_path.h"
#include "commands/buttons.h"
#include "commands/menu_tables.h"
#include "operations/procedures/steps_window_command.h"
#include "interchange/notation_writing.h"
#include "operations/documents/exchange_commands.h"
#include "pictures/picture_files.h"
#include "scripting/script_error.h"
#include "scripting/script_text.h"

// The words of one script line, read left to right.
class LineReader {
  public:
    explicit LineReader(const std::string& line) : line_(line) {}

    bool AtEnd() {
        SkipBlanks();
        return pos_ >= line_.size();
    }

    std::string Word() {
        SkipBlanks();
        const std::size_t start = pos_;
        while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t')
            ++pos_;
        if (start == pos_) throw ScriptError{"missing argument"};
        return line_.substr(start, pos_ - start);
    }

    std::string Quoted() {
        SkipBlanks();
        return Unquote(line_, pos_);
    }

    int Integer() {
        const std::string word = Word();
        std::size_t used = 0;
        int value = 0;
        try {
            value = std::stoi(word, &used);
        } catch (const std::exception&) {
            used = 0;
        }
        if (used != word.size()) throw ScriptError{"not a whole number: " + word};
        return value;
    }

    void ExpectEnd() {
        if (!AtEnd()) throw ScriptError{"unexpected text: " + line_.substr(pos_)};
    }

  private:
    void SkipBlanks() {
        while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t'))
            ++pos_;
    }

    const std::string& line_;
    std::size_t pos_ = 0;
};

namespace {

constexpr char kRegisterRowIndent[] = "           "; // eleven blanks before the letter

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw ScriptError{"cannot read " + path};
    // A file of known size is read in one go straight into the text; what a
    // pipe or a growing file holds beyond it is read on to its end.
    std::string text;
    std::error_code sizeUnknown;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeUnknown);
    if (!sizeUnknown) {
        text.resize(size);
        file.read(text.data(), static_cast<std::streamsize>(size));
        text.resize(static_cast<std::size_t>(file.gcount()));
    }
    if (file && file.peek() != std::ifstream::traits_type::eof()) {
        std::ostringstream rest;
        rest << file.rdbuf();
        text += rest.str();
    }
    return text;
}

std::string RegisterRow(const std::string& name) {
    if (name.size() != 1 || !(name == "t" || (name[0] >= 'A' && name[0] <= 'Z')))
        throw ScriptError{"no register " + name};
    return kRegisterRowIndent + name;
}

} // namespace

ScriptRunner::ScriptRunner(std::ostream& transcript) : out_(transcript), calculator_(transcript) {}

void ScriptRunner::RunLine(const std::string& line) {
    RunCommandLine(line);
    WriteNewNotice();
}

void ScriptRunner::WriteNewNotice() {
    const std::string& notice = calculator_.dlg.ReadingNotice();
    if (notice == notice_) return;
    notice_ = notice;
    if (!notice.empty()) out_ << "notice " << Quote(notice) << '\n';
}

// One row a verb: its name and what it does with the rest of the line.
struct ScriptRunner::Verb {
    const char* name;
    void (*run)(ScriptRunner& runner, LineReader& in);
};

std::span<const ScriptRunner::Verb> ScriptRunner::Verbs() {
    using Host = ScriptedHost;
    static const Verb kVerbs[] = {
        {"press", [](ScriptRunner& r, LineReader& in) {
             std::vector<int> ids;
             do {
                 const std::string caption = in.Word();
                 const int id = ButtonIdForCaption(caption);
                 if (id == 0) throw ScriptError{"no button " + caption};
                 ids.push_back(id);
             } while (!in.AtEnd());
             for (const int id : ids)
                 r.calculator_.dlg.OnButton(id);
         }},
        {"type", [](ScriptRunner& r, LineReader& in) {
             const std::string text = in.Quoted();
             in.ExpectEnd();
             for (const char key : text)
                 r.calculator_.Type(key);
         }},
        {"paste-file", [](ScriptRunner& r, LineReader& in) {
             const std::string path = in.Word();
             in.ExpectEnd();
             r.calculator_.PasteIntoEmptyDisplay(ReadFile(path));
         }},
        {"pick", [](ScriptRunner& r, LineReader& in) {
             const std::string row = in.Quoted();
             in.ExpectEnd();
             r.calculator_.Pick(row);
         }},
        {"store", [](ScriptRunner& r, LineReader& in) { r.PickRegister(IDC_STORE, in); }},
        {"recall", [](ScriptRunner& r, LineReader& in) { r.PickRegister(IDC_RECALL, in); }},
        {"menu", [](ScriptRunner& r, LineReader& in) {
             const int id = in.Integer();
             in.ExpectEnd();
             r.calculator_.ChooseMenuCommand(id);
         }},
        {"format", [](ScriptRunner& r, LineReader& in) {
             const std::string name = in.Word();
             in.ExpectEnd();
             if (name == "fraction")
                 r.calculator_.ChooseMenuCommand(ID_FORMAT_FRACTION);
             else if (name == "default")
                 r.calculator_.ChooseMenuCommand(ID_FORMAT_DEFAULT);
             else
                 throw ScriptError{"no format " + name};
         }},
        {"spin", [](ScriptRunner& r, LineReader& in) {
             const std::string which = in.Word();
             const int value = in.Integer();
             in.ExpectEnd();
             ScriptedCalculator& calc = r.calculator_;
             if (which != "width" && which != "decimals") throw ScriptError{"no spin button " + which};
             const bool width = which == "width";
             (width ? calc.widthSpin : calc.decimalSpin).SetValue(value);
             calc.dlg.OnSpinChange(width ? IDC_WIDTH_SPIN : IDC_DECIMAL_SPIN);
         }},
        {"caret", [](ScriptRunner& r, LineReader& in) {
             const int position = in.Integer();
             in.ExpectEnd();
             r.calculator_.display.SetSelStart(position);
         }},
        {"select", [](ScriptRunner& r, LineReader& in) {
             const int start = in.Integer();
             const int length = in.Integer();
             in.ExpectEnd();
             r.calculator_.display.SetSelStart(start);
             r.calculator_.display.SetSelLength(length);
         }},
        {"clipboard", [](ScriptRunner& r, LineReader& in) {
             const std::string text = in.Quoted();
             in.ExpectEnd();
             r.calculator_.host.SetClipboard(text);
         }},
        {"mouse-up", [](ScriptRunner& r, LineReader& in) {
             const int button = in.Integer();
             in.ExpectEnd();
             r.calculator_.dlg.OnDisplayMouseUp(button, 0, 0);
         }},
        {"answer", [](ScriptRunner& r, LineReader& in) {
             const std::string answer = in.Word();
             in.ExpectEnd();
             if (answer == "yes")
                 r.calculator_.host.QueueAnswer(Host::Answer::Yes);
             else if (answer == "no")
                 r.calculator_.host.QueueAnswer(Host::Answer::No);
             else if (answer == "ok")
                 r.calculator_.host.QueueAnswer(Host::Answer::Ok);
             else
                 throw ScriptError{"no answer " + answer};
         }},
        {"input", [](ScriptRunner& r, LineReader& in) {
             r.calculator_.host.QueueInput(in.Quoted());
             in.ExpectEnd();
         }},
        {"input-escape", [](ScriptRunner& r, LineReader& in) {
             in.ExpectEnd();
             r.calculator_.host.QueueInput(std::nullopt);
         }},
        {"convert", [](ScriptRunner& r, LineReader& in) {
             ConversionChoice choice;
             choice.category = in.Quoted();
             choice.from = in.Quoted();
             choice.to = in.Quoted();
             in.ExpectEnd();
             r.calculator_.host.QueueConversion(std::move(choice));
         }},
        {"convert-cancel", [](ScriptRunner& r, LineReader& in) {
             in.ExpectEnd();
             r.calculator_.host.QueueConversion(std::nullopt);
         }},
        {"solve", [](ScriptRunner& r, LineReader& in) {
             const std::string method = in.Word();
             in.ExpectEnd();
             if (method == "gauss")
                 r.calculator_.host.QueueSolveMethod(SolveMethod::GaussJordan);
             else if (method == "lu")
                 r.calculator_.host.QueueSolveMethod(SolveMethod::Lu);
             else if (method == "none")
                 r.calculator_.host.QueueSolveMethod(SolveMethod::None);
             else
                 throw ScriptError{"no solve method " + method};
         }},
        {"solve-cancel", [](ScriptRunner& r, LineReader& in) {
             in.ExpectEnd();
             r.calculator_.host.QueueSolveMethod(std::nullopt);
         }},
        {"evaluator-input", [](ScriptRunner& r, LineReader& in) {
             r.calculator_.host.QueueEvaluatorInput(in.Quoted());
             in.ExpectEnd();
         }},
        {"file-dialog", [](ScriptRunner& r, LineReader& in) {
             r.calculator_.host.QueueFileDialog(in.Quoted());
             in.ExpectEnd();
         }},
        {"file-dialog-cancel", [](ScriptRunner& r, LineReader& in) {
             in.ExpectEnd();
             r.calculator_.host.QueueFileDialog(std::nullopt);
         }},
        {"print", [](ScriptRunner& r, LineReader& in) {
             r.calculator_.host.QueuePrintDialog(in.Quoted());
             in.ExpectEnd();
         }},
        {"print-cancel", [](ScriptRunner& r, LineReader& in) {
             in.ExpectEnd();
             r.calculator_.host.QueuePrintDialog(std::nullopt);
         }},
        {"save-picture", [](ScriptRunner& r, LineReader& in) {
             const std::string name = in.Word();
             const std::optional<PictureKind> kind = PictureKindNamed(name);
             if (!kind) throw ScriptError{"no picture " + name};
             const std::string path = in.Word();
             in.ExpectEnd();
             const Calculator& core = r.calculator_.core;
             const std::string error =
                 SavePicture(*kind, core.GetCurrentMatrix(), core.IsComplexMode(), path);
             r.out_ << "picture " << name << ' ' << Quote(error.empty() ? path : error) << '\n';
         }},
        {"copy-as", [](ScriptRunner& r, LineReader& in) {
             const std::string name = in.Word();
             in.ExpectEnd();
             const std::optional<CopyNotation> notation = CopyNotationNamed(name);
             if (!notation) throw ScriptError{"no notation " + name};
             r.calculator_.ChooseMenuCommand(ID_EDIT_COPY_AS_LATEX + static_cast<int>(*notation));
         }},
        {"import", [](ScriptRunner& r, LineReader& in) {
             const std::string path = in.Word();
             in.ExpectEnd();
             Calculator& core = r.calculator_.core;
             core.RunCommand([&] { ImportMatrixFrom(core, path); }, "Import");
         }},
        {"export", [](ScriptRunner& r, LineReader& in) {
             const std::string path = in.Word();
             in.ExpectEnd();
             Calculator& core = r.calculator_.core;
             core.RunCommand([&] { ExportMatrixTo(core, path); }, "Export");
         }},
        {"show", [](ScriptRunner& r, LineReader& in) {
             if (in.AtEnd()) return r.ShowState();
             const std::string what = in.Word();
             in.ExpectEnd();
             if (what == "matrix")
                 r.ShowMatrix();
             else if (what == "steps")
                 r.ShowSteps();
             else if (what == "accuracy")
                 r.ShowAccuracy();
             else
                 throw ScriptError{"show what?"};
         }},
    };
    return kVerbs;
}

void ScriptRunner::PickRegister(int button, LineReader& in) {
    const std::string row = RegisterRow(in.Word());
    in.ExpectEnd();
    calculator_.dlg.OnButton(button);
    calculator_.Pick(row);
}

void ScriptRunner::RunCommandLine(const std::string& line) {
    LineReader in(line);
    if (in.AtEnd() || line[line.find_first_not_of(" \t")] == '#') return;
    const std::string command = in.Word();
    for (const Verb& verb : Verbs()) {
        if (command == verb.name) {
            verb.run(*this, in);
            return;
        }
    }
    throw ScriptError{"unknown command " + command};
}

void ScriptRunner::Finish() const {
    calculator_.host.CheckNothingQueued();
}

void ScriptRunner::ShowState() {
    const ScriptedCalculator& calc = calculator_;
    const char* color = calc.display.ForeColor() == kSetColor ? "yellow" : "grey";
    out_ << "display " << color << ' ' << Quote(calc.display.Text()) << '\n';
    out_ << "status " << Quote(calc.status.Caption()) << '\n';
    out_ << "caption " << Quote(calc.host.Caption()) << '\n';
    out_ << "list " << Quote(calc.commandList.Text()) << '\n';
    const std::string& result = calc.dlg.ResultNotice();
    if (!result.empty())
        out_ << "result " << Quote(result) << (calc.dlg.ResultNoticeWarns() ? " amber" : "") << '\n';
    const std::string pending = calc.dlg.PendingNotice();
    if (!pending.empty()) out_ << "pending " << Quote(pending) << '\n';
}

void ScriptRunner::ShowMatrix() {
    const NEWMAT::Matrix m = calculator_.core.GetCurrentMatrix();
    out_ << "matrix " << m.Nrows() << ' ' << m.Ncols() << '\n';
    char number[40];
    // Counted from 0 with "<": a count of INT_MAX cannot overflow the counter.
    for (int i = 0; i < m.Nrows(); ++i) {
        std::string row;
        for (int j = 0; j < m.Ncols(); ++j) {
            std::snprintf(number, sizeof number, "%.17g", m.element(i, j));
            if (j > 0) row += ' ';
            row += number;
        }
        out_ << row << '\n';
    }
}

void ScriptRunner::ShowSteps() {
    const KeptSteps& kept = calculator_.core.CommandState<KeptSteps>();
    if (kept.steps.empty())
        out_ << "steps " << Quote(ListingOfSteps(kept).note) << '\n';
    else
        out_ << StepsText(kept.steps, kStepsColumnGap);
}

void ScriptRunner::ShowAccuracy() {
    out_ << "accuracy " << Quote(calculator_.core.CommandState<KeptAccuracy>().text) << '\n';
}
