#include "pictures/spectrum.h"

#include <myexcept.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "matrixlib/eigen.h"
#include "matrixlib/orthogonal_factors.h"

namespace {

constexpr char kComplexEigenvalues[] = "Eigenvalues are drawn for real matrices";

std::complex<double> Element(const NEWMAT::Matrix& m, int i, int j, bool complexMode) {
    if (!complexMode) return {m(i, j), 0.0};
    return {m(i, 2 * j - 1), m(i, 2 * j)};
}

// Runs a library step; its failure becomes the text it gives.
std::string Failure(const std::function<void()>& step) {
    try {
        step();
        return {};
    } catch (const RBD_COMMON::BaseException&) {
        return "The library could not finish";
    } catch (const std::exception& e) {
        return e.what();
    }
}

// The real matrix [X -Y; Y X] of the complex X + iY: its singular values
// are those of X + iY, each twice.
NEWMAT::Matrix Composite(const NEWMAT::Matrix& m) {
    const int rows = m.Nrows();
    const int columns = m.Ncols() / 2;
    NEWMAT::Matrix c(2 * rows, 2 * columns);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= columns; ++j) {
            const double re = m(i, 2 * j - 1);
            const double im = m(i, 2 * j);
            c(i, j) = re, c(i, columns + j) = -im;
            c(rows + i, j) = im, c(rows + i, columns + j) = re;
        }
    return c;
}

std::vector<double> SingularValues(const NEWMAT::Matrix& m, bool complexMode) {
    NEWMAT::Matrix a = complexMode ? Composite(m) : NEWMAT::Matrix(m);
    if (a.Nrows() < a.Ncols()) a = a.t();
    NEWMAT::Matrix u, v;
    NEWMAT::ColumnVector sigma;
    SvdFactors(a, u, sigma, v);
    std::vector<double> values;
    const int step = complexMode ? 2 : 1;
    for (int i = 1; i <= sigma.Nrows(); i += step)
        values.push_back(sigma(i));
    return values;
}

} // namespace

std::vector<GershgorinDisc> GershgorinDiscs(const NEWMAT::Matrix& m, bool complexMode) {
    const int n = m.Nrows();
    std::vector<GershgorinDisc> discs;
    discs.reserve(n);
    for (int i = 1; i <= n; ++i) {
        GershgorinDisc disc{Element(m, i, i, complexMode), 0.0};
        for (int j = 1; j <= n; ++j)
            if (j != i) disc.radius += std::abs(Element(m, i, j, complexMode));
        discs.push_back(disc);
    }
    return discs;
}

Spectrum MakeSpectrum(const NEWMAT::Matrix& m, bool complexMode) {
    Spectrum spectrum;
    const int columns = complexMode ? m.Ncols() / 2 : m.Ncols();
    spectrum.square = m.Nrows() > 0 && m.Nrows() == columns;
    if (m.Nrows() == 0 || columns == 0) return spectrum;
    if (!spectrum.square) {
        spectrum.failure = Failure([&] { spectrum.singularValues = SingularValues(m, complexMode); });
        return spectrum;
    }
    spectrum.discs = GershgorinDiscs(m, complexMode);
    if (complexMode) {
        spectrum.failure = kComplexEigenvalues;
        return spectrum;
    }
    spectrum.failure = Failure([&] {
        NEWMAT::Matrix h = m;
        NEWMAT::ColumnVector wr, wi;
        balanc(h);
        elmhes(h);
        hqr(h, wr, wi);
        for (int i = 1; i <= wr.Nrows(); ++i)
            spectrum.eigenvalues.emplace_back(wr(i), wi(i));
    });
    return spectrum;
}
