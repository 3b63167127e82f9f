#include "calculator/exact_path.h"

#include "exact/double_reading.h"
#include "exact/exact_result.h"
#include "exact/exact_steps.h"
#include "exact/fraction_text.h"
#include "platform/number_format.h"

namespace {

constexpr char kExactNotice[] = "exact";
constexpr char kFloatingPointNotice[] = "floating point";
constexpr char kNoticeJoin[] = ", ";
constexpr char kNoRowOperations[] = "No row operations were needed";

bool FractionInForce(const Calculator& calculator) {
    return calculator.FormatInForce() == NumberFormat::Fraction;
}

} // namespace

std::optional<RationalMatrix> ExactOperand(const Calculator& calculator, const NEWMAT::Matrix& m) {
    if (!FractionInForce(calculator) || calculator.IsComplexMode()) return std::nullopt;
    if (m.Nrows() > kLargestExactExtent || m.Ncols() > kLargestExactExtent) return std::nullopt;
    return ReadRationalMatrix(m);
}

void NoticeExact(Calculator& calculator) {
    calculator.ShowResultNotice(kExactNotice);
    calculator.CommandState<KeptAccuracy>().text.clear();
}

void NoticeFloatingPoint(Calculator& calculator, const std::optional<Accuracy>& accuracy) {
    std::string text = FractionInForce(calculator) ? kFloatingPointNotice : "";
    if (accuracy) {
        const std::string line = AccuracyText(*accuracy);
        calculator.CommandState<KeptAccuracy>().text = line;
        text += (text.empty() ? "" : kNoticeJoin) + line;
    }
    if (!text.empty()) calculator.ShowResultNotice(text, accuracy && accuracy->nearSingular);
}

ElementText DisplayElementText(const Calculator& calculator) {
    if (FractionInForce(calculator)) return FractionText;
    const int decimals = calculator.Decimals();
    if (calculator.ExponentFlag())
        return [decimals](double value) { return FormatExponent(value, decimals); };
    return [decimals](double value) { return FormatFixedDecimals(value, decimals); };
}

std::string StepsLimitNote() {
    return "Steps are kept for matrices of at most " + std::to_string(kLargestSteppedElements) +
           " elements";
}

void KeepSteps(Calculator& calculator, KeptSteps steps) {
    if (steps.steps.empty() && steps.note.empty()) steps.note = kNoRowOperations;
    calculator.CommandState<KeptSteps>() = std::move(steps);
}

void KeepExactSteps(Calculator& calculator, const std::string& command,
                    const RationalMatrix& start,
                    const ExactResult<std::vector<ExactStep>>& steps) {
    KeptSteps kept{command, ShowMatrix(start), {}, {}};
    if (steps.IsDone())
        kept.steps = ShowSteps(steps.value);
    else
        kept.note = StepsLimitNote();
    KeepSteps(calculator, std::move(kept));
}
