// SE with other tools' notations behind the matrix text format, on random
// texts (fixed seeds): plain matrix text, texts wrapped in a notation's
// brackets and separators, and both with random characters changed. A text
// the matrix text format reads gives exactly its matrix, as before; a text
// no notation claims keeps that format's own error; a claimed text either
// sets the matrix its converted text reads as or is a syntax error that
// leaves the current matrix alone.

#include "tests/support/calculator_fixture.h"

#include <random>

#include "interchange/notation_reading.h"
#include "matrixlib/ztmath.h"
#include "matrixtext/matrix_text.h"
#include "matrixtext/spreadsheet_text.h"

namespace {

constexpr int kTexts = 1500;
constexpr char kMarks[] = "0123456789 .-+e\n,()[];{}|&\\*^ijI\t\"";

bool SameMatrix(const NEWMAT::Matrix& a, const NEWMAT::Matrix& b) {
    if (a.Nrows() != b.Nrows() || a.Ncols() != b.Ncols()) return false;
    for (int i = 0; i < a.Storage(); ++i)
        if (a.Store()[i] != b.Store()[i]) return false;
    return true;
}

class NotationFallbackTest : public CalculatorFixture, public ::testing::WithParamInterface<unsigned> {
  protected:
    int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

    std::string Number() {
        static const char* const kForms[] = {"%d", "-%d", "%d.5", "-0.%d", "%de-3", "%dE2", "1+%di"};
        char text[32];
        std::snprintf(text, sizeof text, kForms[Below(std::size(kForms))], Below(100));
        return text;
    }

    // Rows of numbers, sometimes ragged; in complex mode some as pairs.
    std::string Rows(const char* cell, const char* row, const char* open, const char* close) {
        std::string text = open;
        const int columns = 1 + Below(3);
        for (int i = 1 + Below(3); i > 0; --i) {
            const int count = Below(8) == 0 ? 1 + Below(3) : columns;
            for (int j = 0; j < count; ++j) {
                if (j > 0) text += cell;
                if (calc.core.IsComplexMode() && Below(3) == 0) {
                    text += '(';
                    text += Number();
                    text += ", ";
                    text += Number();
                    text += ')';
                } else {
                    text += Number();
                }
            }
            if (i > 1) text += row;
        }
        return text + close;
    }

    std::string RandomText() {
        std::string text;
        switch (Below(6)) {
        case 0: text = Rows(" ", "\n", "", ""); break;
        case 1: text = Rows(" ", "; ", "[", "]"); break;
        case 2: text = Rows(", ", "], [", "[[", "]]"); break;
        case 3: text = Rows(", ", "}, {", "{{", "}}"); break;
        case 4: text = Rows(",", "\n", "", "\n"); break;
        default: text = Rows(" & ", " \\\\ ", "\\begin{bmatrix} ", " \\end{bmatrix}"); break;
        }
        for (int changes = Below(3); changes > 0 && !text.empty(); --changes)
            text[static_cast<std::size_t>(Below(static_cast<int>(text.size())))] =
                kMarks[Below(sizeof kMarks - 1)];
        return text;
    }

    std::mt19937 random_{GetParam()};
};

TEST_P(NotationFallbackTest, SeReadsAsTheReadersSay) {
    for (int n = 0; n < kTexts; ++n) {
        if (Below(10) == 0)
            calc.core.Press(calc.core.IsComplexMode() ? CalculatorKey::RealMode
                                                      : CalculatorKey::ComplexMode);
        const bool complex = calc.core.IsComplexMode();
        calc.dlg.OnButton(IDC_CE);
        calc.PasteIntoEmptyDisplay(RandomText());
        const std::string text = calc.dlg.EntryText();
        SCOPED_TRACE(text);
        const NEWMAT::Matrix before = calc.core.GetCurrentMatrix();
        TakeTranscript();
        calc.dlg.OnButton(IDC_SE);
        const std::string said = TakeTranscript();
        const NEWMAT::Matrix after = calc.core.GetCurrentMatrix();

        const EntryReading plain = ReadEntryText(text, complex);
        NEWMAT::Matrix tabbed;
        if (plain.fault.index == kEntryValid) {
            ASSERT_TRUE(SameMatrix(after, Exist(plain.matrix) ? plain.matrix : before));
            // No notation's notice: only what a ragged reading says ("Read as 2 x 3 ...").
            const std::string& notice = calc.dlg.ReadingNotice();
            ASSERT_TRUE(notice.empty() || notice.find(" x ") != std::string::npos) << notice;
            continue;
        }
        if (!complex && ReadTabSeparated(text, tabbed)) {
            ASSERT_TRUE(SameMatrix(after, tabbed));
            continue;
        }
        const NotationReading notation = ReadMatrixNotation(text, complex);
        switch (notation.outcome) {
        case NotationReading::Outcome::NotRecognised:
            ASSERT_NE(said.find(std::string("\"") + SyntaxErrorText(plain.fault.index) + "\""),
                      std::string::npos);
            ASSERT_TRUE(SameMatrix(after, before));
            break;
        case NotationReading::Outcome::Faulty:
            ASSERT_NE(said.find("\"Syntax Error\" \"Syntax Error\""), std::string::npos);
            ASSERT_TRUE(SameMatrix(after, before));
            break;
        case NotationReading::Outcome::Read:
            ASSERT_TRUE(SameMatrix(after, ReadEntryText(notation.matrixText, complex).matrix));
            ASSERT_EQ(calc.dlg.ReadingNotice(), "Read as " + notation.notation);
            break;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FixedSeeds, NotationFallbackTest, ::testing::Values(1u, 2u, 3u));

} // namespace
