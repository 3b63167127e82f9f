#include "scripting/script_runner.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

#include "commands/buttons.h"
#include "scripting/script_error.h"
#include "scripting/script_text.h"

namespace {

constexpr char kRegisterRowIndent[] = "           "; // eleven blanks before the letter

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

void ScriptRunner::RunCommandLine(const std::string& line) {
    LineReader in(line);
    if (in.AtEnd() || line[line.find_first_not_of(" \t")] == '#') return;
    ScriptedCalculator& calc = calculator_;
    const std::string command = in.Word();

    if (command == "press") {
        std::vector<int> ids;
        do {
            const std::string caption = in.Word();
            const int id = ButtonIdForCaption(caption);
            if (id == 0) throw ScriptError{"no button " + caption};
            ids.push_back(id);
        } while (!in.AtEnd());
        for (const int id : ids)
            calc.dlg.OnButton(id);
        return;
    }
    if (command == "type") {
        const std::string text = in.Quoted();
        in.ExpectEnd();
        for (const char key : text)
            calc.Type(key);
    } else if (command == "paste-file") {
        const std::string path = in.Word();
        in.ExpectEnd();
        calc.PasteIntoEmptyDisplay(ReadFile(path));
    } else if (command == "pick") {
        const std::string row = in.Quoted();
        in.ExpectEnd();
        calc.Pick(row);
    } else if (command == "store" || command == "recall") {
        const std::string row = RegisterRow(in.Word());
        in.ExpectEnd();
        calc.dlg.OnButton(command == "store" ? IDC_STORE : IDC_RECALL);
        calc.Pick(row);
    } else if (command == "menu") {
        const int id = in.Integer();
        in.ExpectEnd();
        calc.ChooseMenuCommand(id);
    } else if (command == "spin") {
        const std::string which = in.Word();
        const int value = in.Integer();
        in.ExpectEnd();
        if (which == "width") {
            calc.widthSpin.SetValue(value);
            calc.dlg.OnSpinChange(IDC_WIDTH_SPIN);
        } else if (which == "decimals") {
            calc.decimalSpin.SetValue(value);
            calc.dlg.OnSpinChange(IDC_DECIMAL_SPIN);
        } else {
            throw ScriptError{"no spin button " + which};
        }
    } else if (command == "caret") {
        const int position = in.Integer();
        in.ExpectEnd();
        calc.display.SetSelStart(position);
    } else if (command == "select") {
        const int start = in.Integer();
        const int length = in.Integer();
        in.ExpectEnd();
        calc.display.SetSelStart(start);
        calc.display.SetSelLength(length);
    } else if (command == "clipboard") {
        const std::string text = in.Quoted();
        in.ExpectEnd();
        calc.host.SetClipboard(text);
    } else if (command == "mouse-up") {
        const int button = in.Integer();
        in.ExpectEnd();
        calc.dlg.OnDisplayMouseUp(button, 0, 0);
    } else if (command == "answer") {
        const std::string answer = in.Word();
        in.ExpectEnd();
        if (answer == "yes")
            calc.host.QueueAnswer(ScriptedHost::Answer::Yes);
        else if (answer == "no")
            calc.host.QueueAnswer(ScriptedHost::Answer::No);
        else if (answer == "ok")
            calc.host.QueueAnswer(ScriptedHost::Answer::Ok);
        else
            throw ScriptError{"no answer " + answer};
    } else if (command == "input") {
        calc.host.QueueInput(in.Quoted());
        in.ExpectEnd();
    } else if (command == "input-escape") {
        in.ExpectEnd();
        calc.host.QueueInput(std::nullopt);
    } else if (command == "convert") {
        ConversionChoice choice;
        choice.category = in.Quoted();
        choice.from = in.Quoted();
        choice.to = in.Quoted();
        in.ExpectEnd();
        calc.host.QueueConversion(std::move(choice));
    } else if (command == "convert-cancel") {
        in.ExpectEnd();
        calc.host.QueueConversion(std::nullopt);
    } else if (command == "solve") {
        const std::string method = in.Word();
        in.ExpectEnd();
        if (method == "gauss")
            calc.host.QueueSolveMethod(SolveMethod::GaussJordan);
        else if (method == "lu")
            calc.host.QueueSolveMethod(SolveMethod::Lu);
        else if (method == "none")
            calc.host.QueueSolveMethod(SolveMethod::None);
        else
            throw ScriptError{"no solve method " + method};
    } else if (command == "solve-cancel") {
        in.ExpectEnd();
        calc.host.QueueSolveMethod(std::nullopt);
    } else if (command == "evaluator-input") {
        calc.host.QueueEvaluatorInput(in.Quoted());
        in.ExpectEnd();
    } else if (command == "file-dialog") {
        calc.host.QueueFileDialog(in.Quoted());
        in.ExpectEnd();
    } else if (command == "file-dialog-cancel") {
        in.ExpectEnd();
        calc.host.QueueFileDialog(std::nullopt);
    } else if (command == "print") {
        calc.host.QueuePrintDialog(in.Quoted());
        in.ExpectEnd();
    } else if (command == "print-cancel") {
        in.ExpectEnd();
        calc.host.QueuePrintDialog(std::nullopt);
    } else if (command == "show") {
        if (in.AtEnd()) {
            ShowState();
        } else if (in.Word() == "matrix") {
            in.ExpectEnd();
            ShowMatrix();
        } else {
            throw ScriptError{"show what?"};
        }
    } else {
        throw ScriptError{"unknown command " + command};
    }
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
    const std::string pending = calc.dlg.PendingNotice();
    if (!pending.empty()) out_ << "pending " << Quote(pending) << '\n';
}

void ScriptRunner::ShowMatrix() {
    const NEWMAT::Matrix m = calculator_.dlg.GetCurrentMatrix();
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
