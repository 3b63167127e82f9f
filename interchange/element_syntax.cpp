#include "interchange/element_syntax.h"

#include "interchange/text_scan.h"
#include "platform/number_parse.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsWordCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

std::size_t CopyDigits(std::string_view text, std::size_t at, std::string& out) {
    while (at < text.size() && IsDigit(text[at])) out += text[at++];
    return at;
}

// The length of an imaginary unit at `at` ("i", "j", "I", "J" standing
// alone, LaTeX's "\mathrm{i}"), 0 when there is none.
std::size_t UnitLength(std::string_view text, std::size_t at) {
    for (std::string_view unit : {"\\mathrm{i}", "\\mathrm{j}"}) {
        if (StartsAt(text, at, unit)) return unit.size();
    }
    if (at >= text.size() || std::string_view("ijIJ").find(text[at]) == std::string_view::npos) return 0;
    if (at + 1 < text.size() && IsWordCharacter(text[at + 1])) return 0;
    return 1;
}

struct Number {
    bool read = false;
    double value = 0;
    std::size_t end = 0;
    std::size_t fault = 0;
};

Number Fault(std::size_t at) {
    Number number;
    number.fault = at;
    return number;
}

// A decimal number as from_chars reads it; one too small for a double is
// 0, one too large is refused.
bool ToFiniteDouble(std::string_view number, double& value) {
    const char* end = number.data() + number.size();
    const auto [stop, error] = std::from_chars(number.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        const std::string copy(number);
        const char* ignored = nullptr;
        value = ReadCNumber(copy.c_str(), &ignored);
    } else if (error != std::errc() || stop != end) {
        return false;
    }
    return std::isfinite(value);
}

// The end of "e-3" at `at`, or `at` when no such exponent follows.
std::size_t ExponentEnd(std::string_view text, std::size_t at) {
    if (at >= text.size() || (text[at] != 'e' && text[at] != 'E')) return at;
    std::size_t p = at + 1;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) ++p;
    const std::size_t digits = p;
    while (p < text.size() && IsDigit(text[p])) ++p;
    return p > digits ? p : at;
}

// Mathematica's "*^-3" or LaTeX's "\cdot 10^{-3}" ("\times", braces
// optional) at `at`: appends "e-3" to `exponent` and returns the end, or
// `at` when neither follows.
std::size_t WrittenPowerEnd(std::string_view text, std::size_t at, std::string& exponent) {
    std::size_t p = at;
    bool braced = false;
    if (StartsAt(text, p, "*^")) {
        p += 2;
    } else {
        p = SkipBlanks(text, p);
        if (StartsAt(text, p, "\\cdot")) p += 5;
        else if (StartsAt(text, p, "\\times")) p += 6;
        else return at;
        p = SkipBlanks(text, p);
        if (!StartsAt(text, p, "10^")) return at;
        p += 3;
        braced = CharacterAt(text, p, '{');
        if (braced) p = SkipBlanks(text, p + 1);
    }
    exponent = "e";
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) exponent += text[p++];
    const std::size_t digits = exponent.size();
    p = CopyDigits(text, p, exponent);
    if (exponent.size() == digits) return at;
    if (braced) {
        p = SkipBlanks(text, p);
        if (!CharacterAt(text, p, '}')) return at;
        ++p;
    }
    return p;
}

// Digits with at most one point and an exponent, no sign.
Number ScanDecimal(std::string_view text, std::size_t at) {
    std::size_t p = at;
    while (p < text.size() && IsDigit(text[p])) ++p;
    std::size_t digits = p - at;
    if (p < text.size() && text[p] == '.') {
        const std::size_t fraction = ++p;
        while (p < text.size() && IsDigit(text[p])) ++p;
        digits += p - fraction;
    }
    if (digits == 0) return Fault(at);
    Number result;
    std::string exponent;
    if (const std::size_t end = ExponentEnd(text, p); end > p) {
        result.read = ToFiniteDouble(text.substr(at, end - at), result.value);
        p = end;
    } else if (const std::size_t written = WrittenPowerEnd(text, p, exponent); written > p) {
        result.read = ToFiniteDouble(std::string(text.substr(at, p - at)) + exponent, result.value);
        p = written;
    } else {
        result.read = ToFiniteDouble(text.substr(at, p - at), result.value);
    }
    if (!result.read) return Fault(at);
    result.end = p;
    return result;
}

Number ScanSignedReal(std::string_view text, std::size_t at);

// "{" number "}", blanks allowed inside.
Number ScanBraced(std::string_view text, std::size_t at) {
    std::size_t p = SkipBlanks(text, at);
    if (p >= text.size() || text[p] != '{') return Fault(p);
    Number inner = ScanSignedReal(text, SkipBlanks(text, p + 1));
    if (!inner.read) return inner;
    p = SkipBlanks(text, inner.end);
    if (p >= text.size() || text[p] != '}') return Fault(p);
    inner.end = p + 1;
    return inner;
}

// LaTeX's "\frac{a}{b}" (also \dfrac, \tfrac); a zero denominator is refused.
Number ScanFraction(std::string_view text, std::size_t at) {
    std::size_t p = at;
    for (std::string_view command : {"\\frac", "\\dfrac", "\\tfrac"}) {
        if (StartsAt(text, at, command)) p = at + command.size();
    }
    if (p == at) return Fault(at);
    const Number numerator = ScanBraced(text, p);
    if (!numerator.read) return numerator;
    const Number denominator = ScanBraced(text, numerator.end);
    if (!denominator.read) return denominator;
    Number result;
    result.value = numerator.value / denominator.value;
    if (denominator.value == 0 || !std::isfinite(result.value)) return Fault(at);
    result.read = true;
    result.end = denominator.end;
    return result;
}

Number ScanUnsignedReal(std::string_view text, std::size_t at) {
    if (at < text.size() && text[at] == '\\') return ScanFraction(text, at);
    return ScanDecimal(text, at);
}

Number ScanSignedReal(std::string_view text, std::size_t at) {
    std::size_t p = at;
    bool negative = false;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        negative = text[p] == '-';
        p = SkipBlanks(text, p + 1);
    }
    Number number = ScanUnsignedReal(text, p);
    if (negative) number.value = -number.value;
    return number;
}

// A signed real number or, in complex mode, an imaginary one ("2i", "-i",
// "2*I", and with blankMultiplies "2 I").
struct Term {
    Number number;
    bool imaginary = false;
};

Term ScanTerm(std::string_view text, std::size_t at, const ElementSyntax& syntax) {
    std::size_t p = at;
    double sign = 1;
    if (p < text.size() && (text[p] == '+' || text[p] == '-')) {
        if (text[p] == '-') sign = -1;
        p = SkipBlanks(text, p + 1);
    }
    Term term;
    if (syntax.complexMode) {
        if (const std::size_t unit = UnitLength(text, p)) {
            term.number.read = true;
            term.number.value = sign;
            term.number.end = p + unit;
            term.imaginary = true;
            return term;
        }
    }
    term.number = ScanUnsignedReal(text, p);
    term.number.value *= sign;
    if (!term.number.read || !syntax.complexMode) return term;
    const std::size_t end = term.number.end;
    std::size_t unitAt = end;
    const std::size_t afterBlanks = SkipBlanks(text, end);
    if (afterBlanks < text.size() && text[afterBlanks] == '*') unitAt = SkipBlanks(text, afterBlanks + 1);
    else if (syntax.blankMultiplies) unitAt = afterBlanks;
    if (const std::size_t unit = UnitLength(text, unitAt)) {
        term.number.end = unitAt + unit;
        term.imaginary = true;
    }
    return term;
}

ScannedElement FromNumber(const Number& number) {
    ScannedElement element;
    element.read = number.read;
    element.real = number.value;
    element.end = number.end;
    element.fault = number.fault;
    return element;
}

// "complex(a, b)" or "Complex[a, b]"; `close` is the closing character.
ScannedElement ScanPairCall(std::string_view text, std::size_t at, char close) {
    const Number real = ScanSignedReal(text, SkipBlanks(text, at));
    if (!real.read) return FromNumber(real);
    std::size_t p = SkipBlanks(text, real.end);
    if (p >= text.size() || text[p] != ',') return FromNumber(Fault(p));
    const Number imaginary = ScanSignedReal(text, SkipBlanks(text, p + 1));
    if (!imaginary.read) return FromNumber(imaginary);
    p = SkipBlanks(text, imaginary.end);
    if (p >= text.size() || text[p] != close) return FromNumber(Fault(p));
    ScannedElement element;
    element.read = true;
    element.real = real.value;
    element.imaginary = imaginary.value;
    element.complex = true;
    element.end = p + 1;
    return element;
}

// An element without parentheses around it.
ScannedElement ScanBareElement(std::string_view text, std::size_t p, const ElementSyntax& syntax) {
    if (syntax.complexMode) {
        if (StartsAt(text, p, "complex(")) return ScanPairCall(text, p + 8, ')');
        if (StartsAt(text, p, "Complex[")) return ScanPairCall(text, p + 8, ']');
    }
    // Where blanks separate elements, "3 - 4" is arithmetic, not two elements.
    if (syntax.blanksSeparate && p + 1 < text.size() && (text[p] == '+' || text[p] == '-') && IsBlank(text[p + 1]))
        return FromNumber(Fault(p));
    const Term first = ScanTerm(text, p, syntax);
    ScannedElement element = FromNumber(first.number);
    if (!element.read || !syntax.complexMode) return element;
    if (first.imaginary) {
        element.imaginary = element.real;
        element.real = 0;
        element.complex = true;
        return element;
    }
    // A real part read; an imaginary part may follow it.
    const std::size_t sign = SkipBlanks(text, first.number.end);
    if (sign >= text.size() || (text[sign] != '+' && text[sign] != '-')) return element;
    const bool blankBefore = sign > first.number.end;
    const bool blankAfter = sign + 1 < text.size() && IsBlank(text[sign + 1]);
    if (syntax.blanksSeparate && blankBefore && !blankAfter) return element;
    const Term second = ScanTerm(text, sign, syntax);
    if (!second.number.read || !second.imaginary) return element;
    element.imaginary = second.number.value;
    element.complex = true;
    element.end = second.number.end;
    return element;
}

} // namespace

ScannedElement ScanElement(std::string_view text, std::size_t from, const ElementSyntax& syntax) {
    const std::size_t p = SkipBlanks(text, from);
    // Python writes a complex number in parentheses, "(1+2j)"; one pair only.
    if (!syntax.complexMode || !CharacterAt(text, p, '(')) return ScanBareElement(text, p, syntax);
    ElementSyntax inside = syntax;
    inside.blanksSeparate = false;
    ScannedElement element = ScanBareElement(text, SkipBlanks(text, p + 1), inside);
    if (!element.read) return element;
    const std::size_t close = SkipBlanks(text, element.end);
    if (!CharacterAt(text, close, ')')) return FromNumber(Fault(close));
    element.end = close + 1;
    return element;
}

bool ScanWholeCell(std::string_view cell, const ElementSyntax& syntax, ScannedElement& element) {
    element = ScanElement(cell, 0, syntax);
    if (!element.read) return false;
    const std::size_t end = SkipBlanks(cell, element.end);
    if (end == cell.size()) return true;
    element.read = false;
    element.fault = end;
    return false;
}
