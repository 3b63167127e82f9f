#include "exact/accuracy.h"

#include <algorithm>
#include <charconv>
#include <cmath>

Accuracy AccuracyOfFactors(const ztmath::detail::LuFactors& lu) {
    Accuracy accuracy;
    const double rcond = lu.ReciprocalCondition();
    accuracy.condition = rcond > 0.0 ? 1.0 / rcond : HUGE_VAL;
    accuracy.trustedDigits =
        rcond > 0.0 ? std::max(0, static_cast<int>(std::floor(16.0 + std::log10(rcond)))) : 0;
    accuracy.nearSingular = !(rcond >= kNearSingularFactor * lu.SingularityThreshold());
    return accuracy;
}

std::optional<Accuracy> AccuracyOf(const NEWMAT::Matrix& A) {
    if (A.Nrows() != A.Ncols()) return std::nullopt;
    return AccuracyOfFactors(ztmath::detail::LuFactors(A));
}

namespace {

// Largest absolute row sum; for a column, the largest absolute element.
double InfinityNorm(const NEWMAT::Matrix& m) {
    double norm = 0.0;
    for (int i = 1; i <= m.Nrows(); ++i) {
        double sum = 0.0;
        for (int j = 1; j <= m.Ncols(); ++j)
            sum += std::fabs(m(i, j));
        norm = std::max(norm, sum);
    }
    return norm;
}

// ‖A·x − b‖∞, each element summed in long double.
double ResidualNorm(const NEWMAT::Matrix& A, const NEWMAT::Matrix& x, const NEWMAT::Matrix& b) {
    double norm = 0.0;
    for (int i = 1; i <= A.Nrows(); ++i) {
        double rowSum = 0.0;
        for (int c = 1; c <= b.Ncols(); ++c) {
            long double r = -static_cast<long double>(b(i, c));
            for (int k = 1; k <= A.Ncols(); ++k)
                r += static_cast<long double>(A(i, k)) * x(k, c);
            rowSum += std::fabs(static_cast<double>(r));
        }
        norm = std::max(norm, rowSum);
    }
    return norm;
}

std::string Scientific(double value) {
    if (std::isinf(value)) return "inf";
    char text[32];
    return std::string(text,
                       std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 1).ptr);
}

} // namespace

std::optional<Accuracy> SolveAccuracy(const NEWMAT::Matrix& A, const NEWMAT::Matrix& x,
                                      const NEWMAT::Matrix& b) {
    std::optional<Accuracy> accuracy = AccuracyOf(A);
    if (!accuracy || x.Nrows() != A.Ncols() || b.Nrows() != A.Nrows() || x.Ncols() != b.Ncols())
        return std::nullopt;
    const double scale = InfinityNorm(A) * InfinityNorm(x) + InfinityNorm(b);
    const double residual = ResidualNorm(A, x, b);
    accuracy->residual = scale > 0.0 ? residual / scale : residual;
    return accuracy;
}

std::string AccuracyText(const Accuracy& accuracy) {
    std::string text = "condition " + Scientific(accuracy.condition) + ", " +
                       std::to_string(accuracy.trustedDigits) +
                       (accuracy.trustedDigits == 1 ? " digit trusted" : " digits trusted");
    if (accuracy.residual) text += ", residual " + Scientific(*accuracy.residual);
    return text;
}
