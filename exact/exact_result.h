#pragma once
// How an exact computation ended: errors are values, never thrown.

enum class ExactStatus {
    Done,
    // An operand beyond kLargestExactExtent rows or columns: the caller
    // computes in floating point instead.
    TooLarge,
    NotSquare,
    // Operand shapes that the operation cannot combine.
    SizeMismatch,
    // A zero pivot: singular in exact arithmetic.
    Singular,
};

// The value is meaningful only when the status is Done.
template <class Value> struct ExactResult {
    ExactStatus status = ExactStatus::Done;
    Value value{};

    bool IsDone() const { return status == ExactStatus::Done; }
};

// The largest row or column count the exact paths take on.
inline constexpr int kLargestExactExtent = 60;
