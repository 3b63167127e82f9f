#pragma once
// A matrix of exact rationals, and its way back to doubles.

#include <gmpxx.h>
#include <newmat.h>

#include <vector>

// Rows × columns rationals, row by row; element (i, j) counted from 1.
class RationalMatrix {
  public:
    RationalMatrix() = default;
    // All zeros.
    RationalMatrix(int rows, int columns);
    static RationalMatrix Identity(int n);

    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    mpq_class& operator()(int i, int j) { return elements_[Index(i, j)]; }
    const mpq_class& operator()(int i, int j) const { return elements_[Index(i, j)]; }
    bool operator==(const RationalMatrix& other) const = default;

  private:
    std::size_t Index(int i, int j) const {
        return static_cast<std::size_t>(i - 1) * static_cast<std::size_t>(columns_) +
               static_cast<std::size_t>(j - 1);
    }

    int rows_ = 0;
    int columns_ = 0;
    std::vector<mpq_class> elements_;
};

// The double nearest to q (ties to the even one), ±inf beyond the range.
// mpq_get_d truncates instead.
double NearestDouble(const mpq_class& q);

// Every element as NearestDouble gives it.
NEWMAT::Matrix NearestDoubles(const RationalMatrix& m);
