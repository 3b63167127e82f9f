#include "interchange/notation_reading.h"

#include "interchange/csv_notation.h"
#include "interchange/latex_notation.h"
#include "interchange/markdown_notation.h"
#include "interchange/mathematica_notation.h"
#include "interchange/matlab_notation.h"
#include "interchange/numpy_notation.h"

#include <string_view>

namespace {

struct Notation {
    const char* name;
    NotationParse (*parse)(std::string_view text, bool complexMode);
};

constexpr Notation kNotations[] = {
    {"LaTeX", ParseLatex},
    {"NumPy", ParseNumpy},
    {"MATLAB", ParseMatlab},
    {"Mathematica", ParseMathematica},
    {"text export", ParseTextExport},
    {"CSV", ParseCsv},
    {"Markdown", ParseMarkdown},
};

} // namespace

NotationReading ReadMatrixNotation(const std::string& text, bool complexMode) {
    NotationReading reading;
    for (const Notation& notation : kNotations) {
        const NotationParse parse = notation.parse(text, complexMode);
        if (parse.status == NotationParse::Status::Read) {
            reading.outcome = NotationReading::Outcome::Read;
            reading.matrixText = GridAsMatrixText(parse.grid, complexMode);
            reading.notation = notation.name;
            return reading;
        }
        if (parse.status == NotationParse::Status::Faulty &&
            reading.outcome == NotationReading::Outcome::NotRecognised) {
            reading.outcome = NotationReading::Outcome::Faulty;
            reading.notation = notation.name;
            reading.fault = parse.fault;
        }
    }
    return reading;
}
