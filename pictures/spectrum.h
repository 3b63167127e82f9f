#pragma once
// What the spectrum picture shows. A square real matrix: its eigenvalues in
// the complex plane (balancing, Hessenberg reduction and the shifted QR
// iteration, as the Eigenvalues procedure finds them) and the Gershgorin
// disc of each row. A square complex matrix: its Gershgorin discs (the
// library finds eigenvalues of real matrices only). Any other matrix: its
// singular values, descending.

#include <newmat.h>

#include <complex>
#include <string>
#include <vector>

struct GershgorinDisc {
    std::complex<double> centre;
    double radius = 0.0;
};

struct Spectrum {
    bool square = false;
    std::vector<std::complex<double>> eigenvalues;
    std::vector<GershgorinDisc> discs;
    std::vector<double> singularValues;
    // Why the eigenvalues or singular values are missing, or empty.
    std::string failure;
};

Spectrum MakeSpectrum(const NEWMAT::Matrix& m, bool complexMode);

// Row i's disc: centre a_ii, radius the sum of |a_ij| over j != i (moduli in
// complex mode). A square matrix only.
std::vector<GershgorinDisc> GershgorinDiscs(const NEWMAT::Matrix& m, bool complexMode);
