#pragma once
// Compares a golden transcript with a fresh one: the words, layout and number
// formats exactly, the values of the numbers within a relative tolerance.
//
// Each line is split into text and numbers. A number is a decimal such as
// 12, -0.5, .25 or 1.500e+003 standing alone (not part of a word such as R2
// or a radix text such as 1f). Two numbers agree when they differ by at most
// `tolerance` times the largest magnitude in their group; a group is one
// line, or a run of consecutive lines that hold nothing but numbers (a
// matrix), whose largest magnitude then serves every line of the run. Agreeing
// numbers may be written differently (-0.00 and 0.00, 0.99999999999999989 and
// 1.0000000000000000) and the blanks that pad them into columns may shift with
// them; an exponent letter or the width of an exponent may not change.

#include <cstddef>
#include <string>

struct TranscriptDifference {
    bool found = false;
    std::size_t line = 0;  // 1-based line of the transcripts where they first differ
    std::string expected;  // that line in each transcript ("" past the end)
    std::string actual;
    std::string reason;
};

constexpr double kTranscriptTolerance = 1e-12;

TranscriptDifference CompareTranscripts(const std::string& expected, const std::string& actual,
                                        double tolerance = kTranscriptTolerance);
