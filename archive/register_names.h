#pragma once
// Names of the register files in the working directory.

#include <string>
#include <string_view>

inline constexpr char kRegisterFilePrefix[] = "Reg";
// The temporary register t.
inline constexpr char kTemporaryRegisterFile[] = "Regtmp";
// The evaluator's 26 numeric variables a..z as a 26 x 1 matrix.
inline constexpr char kNumericVariablesFile[] = "RegNum";

// "Reg" + the register name after leading blanks are trimmed; the name "t"
// gives "Regtmp". RegisterFileName("A") == "RegA", RegisterFileName(" t") ==
// "Regtmp", RegisterFileName("ABC") == "RegABC".
std::string RegisterFileName(std::string_view registerName);

// "Reg" + letter for a lettered register ('A'..'Z'), "Regtmp" for 't'.
std::string RegisterFileName(char letter);
