#pragma once
// A complex number of two doubles, real part first.

struct FCOMPLEX {
    double r;
    double i;
};

// The complex number re + i·im.
FCOMPLEX Complex(double re, double im);
// The complex product a·b.
FCOMPLEX Cmul(FCOMPLEX a, FCOMPLEX b);
