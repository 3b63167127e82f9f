#pragma once
// What the fuzz targets check beyond "no crash": a broken invariant prints
// what broke and aborts, which libFuzzer and the replay driver both report
// as a fault with the input that caused it.

#include <newmat.h>

// Prints "invariant broken: <what>" and aborts when `holds` is false.
void CheckInvariant(bool holds, const char* what);

// Same shape and, element by element, the same value: NaN matches NaN, and
// 0 matches -0 (the text writers keep the sign, but the readers' callers
// never tell them apart).
bool SameMatrix(const NEWMAT::Matrix& a, const NEWMAT::Matrix& b);
