// The single-pass entry reader and the integer fast path of the fixed
// format against the implementations they replaced (reference_text.h),
// byte for byte, on thousands of random texts and matrices; on texts with
// stray bytes the other readers and the writers must not crash either.

#include "matrixtext/matrix_text.h"
#include "platform/line_breaks.h"
#include "platform/number_format.h"
#include "platform/parallel_parts.h"
#include "tests/matrixtext/reference_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cctype>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

namespace {

bool SameMatrix(const NEWMAT::Matrix& a, const NEWMAT::Matrix& b) {
    if (a.Nrows() != b.Nrows() || a.Ncols() != b.Ncols()) return false;
    // An empty matrix has no store to compare.
    return a.Storage() == 0 ||
           std::memcmp(a.Store(), b.Store(), sizeof(double) * a.Storage()) == 0;
}

// Characters of entry texts, the valid ones far more often than the others.
std::string RandomText(std::mt19937& random) {
    static const std::string kCommon = "0123456789012345678901234567890123456789 .  +-\r\n\n";
    static const std::string kRare = "eE(),\t\rxX";
    std::uniform_int_distribution<int> length(0, 60);
    std::uniform_int_distribution<int> rare(0, 30);
    std::string text;
    for (int n = length(random); n > 0; --n) {
        const std::string& from = rare(random) == 0 ? kRare : kCommon;
        text += from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
    }
    return text;
}

// Rows of numbers as people type and paste them: ragged rows, runs of
// blanks, CR LF, LF or lone CRs, signs, points, exponents and pairs now
// and then.
std::string RandomMatrixText(std::mt19937& random, bool complex) {
    std::uniform_int_distribution<int> count(0, 6);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> choice(0, 9);
    const auto digits = [&](int n) {
        std::string run;
        for (; n > 0; --n)
            run += static_cast<char>('0' + digit(random));
        return run;
    };
    const auto number = [&] {
        std::string n = choice(random) < 3 ? (choice(random) < 7 ? "-" : "+") : "";
        n += digits(count(random) + 1);
        if (choice(random) < 5) n += '.';
        n += digits(count(random));
        if (choice(random) == 0) n += (choice(random) < 5 ? "e-0" : "E-0") + digits(1);
        return n;
    };
    std::string text;
    for (int rows = count(random); rows >= 0; --rows) {
        if (choice(random) < 2) text += ' ';
        for (int c = count(random); c >= 0; --c) {
            if (complex && choice(random) < 8) {
                const std::string re = number();
                text += '(' + re + ", " + number() + ')';
            } else {
                text += number();
            }
            text += std::string(1 + (choice(random) < 2 ? count(random) : 0), ' ');
        }
        // Mostly CR LF or LF; now and then a lone CR, or a run of them.
        const int brk = choice(random);
        text += brk < 5 ? "\r\n" : brk < 9 ? "\n" : std::string(1 + count(random), '\r');
    }
    if (choice(random) < 3) text.pop_back();
    return text;
}

// SE as it was: lower case, check, then the reader the text calls for.
void ExpectReadAsBefore(const std::string& text, bool complex) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const EntryReading got = ReadEntryText(text, complex);
    const int error = reference::ValidateEntryText(lower, complex);
    ASSERT_EQ(got.fault.index, error) << text;
    if (error != kEntryValid) {
        EXPECT_EQ(got.matrix.Storage(), 0) << text;
        return;
    }
    const bool exponent = lower.find('e') != std::string::npos;
    EXPECT_EQ(got.exponent, exponent) << text;
    const NEWMAT::Matrix expected = complex    ? reference::ParseComplex(lower)
                                    : exponent ? reference::ParseRealExponent(lower)
                                               : reference::ParseReal(lower);
    EXPECT_TRUE(SameMatrix(got.matrix, expected)) << text;
    if (!complex) {
        const reference::PlainShape shape = exponent ? reference::ShapeOfExponentEntry(lower)
                                                     : reference::ShapeOfPlainEntry(lower);
        EXPECT_EQ(got.numbers, shape.numbers) << text;
        EXPECT_EQ(got.raggedRows, shape.raggedRows) << text;
    }
}

// Lines of RandomMatrixText and RandomText one after another, long enough
// for several parts to cut them; mostly without exponents (which leave
// numbers such as "1.5-03" that the plain reader passes over), now and then
// with a stray byte, NUL included.
std::string RandomLines(std::mt19937& random) {
    std::uniform_int_distribution<int> pieces(1, 6);
    std::uniform_int_distribution<int> choice(0, 9);
    std::string text;
    for (int n = pieces(random); n > 0; --n)
        text += choice(random) < 7 ? RandomMatrixText(random, false) : RandomText(random) + '\n';
    if (choice(random) < 8)
        text.erase(
            std::remove_if(text.begin(), text.end(), [](char c) { return c == 'e' || c == 'E'; }),
            text.end());
    if (choice(random) == 0 && !text.empty())
        text[std::uniform_int_distribution<std::size_t>(0, text.size() - 1)(random)] =
            static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    return text;
}

} // namespace

TEST(ReaderComparison, EntryTextsReadAsBefore) {
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> byte(1, 255);
    for (int i = 0; i < 6000; ++i) {
        const bool complex = i % 3 == 0;
        ExpectReadAsBefore(RandomText(random), complex);
        ExpectReadAsBefore(RandomMatrixText(random, complex), complex);
        // The plain reader reads any text, stray bytes too.
        std::string text = i % 2 ? RandomText(random) : RandomMatrixText(random, false);
        if (i % 5 == 0 && !text.empty()) text[text.size() / 2] = static_cast<char>(byte(random));
        EXPECT_TRUE(SameMatrix(ParseReal(text), reference::ParseReal(text))) << text;
        // The validator, the other readers and the writers take such texts too,
        // without reading or writing past them.
        const int index = ValidateEntryText(text, complex);
        EXPECT_TRUE(index == kEntryValid || index == kUnbalancedParentheses ||
                    index == kInvalidExpression);
        const NEWMAT::Matrix exponent = ParseRealExponent(text), dual = ParseComplex(text);
        EXPECT_LE(static_cast<std::size_t>(exponent.Storage()), text.size() + 1);
        EXPECT_LE(static_cast<std::size_t>(dual.Storage()), text.size() + 1);
        EXPECT_EQ(dual.Ncols() % 2, 0);
        FormatFixed(exponent, 1, 0, 7 + i % 250);
        FormatExponential(exponent, 1, i % 20);
        FormatComplex(dual, i % 11 - 5, 2);
    }
}

// Large texts are read in parts side by side, by the plain reader and by the
// reader of exponents; cut anywhere between lines, they read as one reading
// does, each number in the same element.
TEST(ReaderComparison, TextsReadInPartsAsBefore) {
    std::mt19937 random(7);
    for (int i = 0; i < 1000; ++i) {
        const std::string text = RandomLines(random);
        for (const std::size_t parts : {1, 2, 3, 5}) {
            const ForcedParts forced(parts);
            ExpectReadAsBefore(text, false);
            EXPECT_TRUE(SameMatrix(ParseReal(text), reference::ParseReal(text))) << text;
            EXPECT_TRUE(SameMatrix(ParseRealExponent(text), reference::ParseRealExponent(text)))
                << text;
        }
    }
}

TEST(ReaderComparison, FixedFormatWritesAsBefore) {
    std::mt19937_64 random(11);
    std::uniform_int_distribution<int> decimals(0, 17);
    std::uniform_int_distribution<int> exponent(-12, 16);
    std::uniform_int_distribution<int> kind(0, 9);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<long long> whole(-100000, 100000);
    for (int i = 0; i < 3000; ++i) {
        const int d = decimals(random);
        NEWMAT::Matrix m(3, 7);
        for (int k = 0; k < m.Storage(); ++k) {
            double& x = m.Store()[k];
            switch (kind(random)) {
            case 0: // a tie at the last decimal, or next to one
                x = (whole(random) + 0.5) / std::pow(10.0, std::min(d, 6));
                if (kind(random) < 5) x = std::nextafter(x, kind(random) < 5 ? 1e300 : -1e300);
                break;
            case 1:
                x = kind(random) < 5 ? -0.0 : -std::pow(10.0, -d - 1);
                break;
            case 2:
                x = kind(random) < 3 ? INFINITY : kind(random) < 5 ? -INFINITY : NAN;
                break;
            default:
                x = mantissa(random) * std::pow(10.0, exponent(random));
            }
        }
        const int width = i % 12; // beyond eight blanks too
        EXPECT_EQ(FormatFixed(m, width, d, 10), reference::FormatFixedDecimals(m, width, d))
            << "decimals " << d;
    }
}

// An element writer as the formats outside this library bring them, whose
// texts differ much in length: the shortest text that reads back the same.
char* WriteShortest(char* to, double value) {
    return std::to_chars(to, to + kNumberRoom, value).ptr;
}

// Large matrices are written in parts of whole rows side by side; joined,
// the parts' texts are the text one writing gives, in every format and
// layout, aligned columns as wide as their widest element in any part.
TEST(ReaderComparison, TextsWrittenInPartsAsBefore) {
    std::mt19937_64 random(5);
    std::uniform_int_distribution<int> exponent(-5, 12);
    std::uniform_int_distribution<int> kind(0, 19);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    for (int i = 0; i < 300; ++i) {
        NEWMAT::Matrix m(1 + i % 9, 2 * (1 + i % 4));
        for (int k = 0; k < m.Storage(); ++k)
            m.Store()[k] = kind(random) == 0 ? (kind(random) < 10 ? -INFINITY : NAN)
                                             : mantissa(random) * std::pow(10.0, exponent(random));
        const int width = i % 7 - 1;
        const int decimals = i % 6;
        const ColumnLayout layout = i % 2 ? ColumnLayout::Aligned : ColumnLayout::AsWritten;
        const auto texts = [&] {
            return std::vector<std::string>{FormatFixed(m, width, decimals, 10, layout),
                                            FormatFixed(m, width, 0, 2 + i % 40, layout),
                                            FormatExponential(m, width, decimals, layout),
                                            FormatComplex(m, width, decimals, layout),
                                            FormatEachElement(m, width, WriteShortest, layout)};
        };
        std::vector<std::string> whole;
        {
            const ForcedParts one(1);
            whole = texts();
        }
        if (layout == ColumnLayout::AsWritten) {
            EXPECT_EQ(whole[0], reference::FormatFixedDecimals(m, width, decimals));
        }
        for (const std::size_t parts : {2, 3, 7}) {
            const ForcedParts forced(parts);
            EXPECT_EQ(texts(), whole) << m.Nrows() << " rows in " << parts << " parts";
        }
    }
}

// A pasted text of lone CRs takes each step of setting it (the display's
// CR LF text, the check, the reader) in time linear in its length: eight
// times the text may take eight times as long, with room for noise, not
// the sixty-four times of a quadratic step.
TEST(ReaderComparison, LoneCarriageReturnsTakeLinearTime) {
    const auto setTime = [](std::size_t returns) {
        std::string pasted(returns + 2, '\r');
        pasted.front() = '1';
        pasted.back() = '2';
        double best = 1e9;
        for (int run = 0; run < 3; ++run) {
            const auto start = std::chrono::steady_clock::now();
            const std::string shown = CrLfText(pasted);
            EXPECT_FALSE(HasOnlyCrLf(pasted));
            EXPECT_EQ(LineFeedText(pasted).size(), pasted.size());
            EXPECT_EQ(FindEntryFault(shown, false).index, kEntryValid);
            ReadEntryText(shown, false);
            best = std::min(best, std::chrono::duration<double>(
                                      std::chrono::steady_clock::now() - start)
                                      .count());
        }
        return std::max(best, 1e-3);
    };
    const double small = setTime(256 * 1024);
    const double large = setTime(2 * 1024 * 1024);
    EXPECT_LT(large, 24 * small) << small << " s, then " << large << " s";
}
