#pragma once
// A product of many doubles held as mantissa · 2^exponent, so that it never
// over- or underflows on the way: a determinant that is out of the double
// range can still scale an inverse into a representable adjugate.

class ScaledProduct {
  public:
    void MultiplyBy(double factor);
    // The product as a double (±infinity or 0 when it is out of range).
    double Value() const;
    // x times the product, rounded once at the end.
    double Scale(double x) const;

  private:
    double mantissa_ = 1.0;
    long exponent_ = 0;
};
