#include "matrixlib/complex_scalar.h"

FCOMPLEX Complex(double re, double im) {
    return FCOMPLEX{re, im};
}

FCOMPLEX Cmul(FCOMPLEX a, FCOMPLEX b) {
    return FCOMPLEX{a.r * b.r - a.i * b.i, a.i * b.r + a.r * b.i};
}
