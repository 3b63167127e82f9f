#pragma once
// The library's numerical error: every failure of a ztmath routine is
// reported by throwing it; nothing here prints or ends the program.

#include <stdexcept>
#include <string>

namespace ztmath {

class MathError : public std::runtime_error {
  public:
    explicit MathError(const std::string& text) : std::runtime_error(text) {}
};

} // namespace ztmath

// Throws ztmath::MathError carrying text.
[[noreturn]] void nrerror(const std::string& text);
