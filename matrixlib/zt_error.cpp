#include "matrixlib/zt_error.h"

void nrerror(const std::string& text) {
    throw ztmath::MathError(text);
}
