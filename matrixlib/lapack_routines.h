#pragma once
// The few LAPACK routines the library calls, through LAPACK's Fortran
// interface (column-major arrays, every argument by pointer). OpenBLAS
// provides them.

#include <algorithm>
#include <vector>

extern "C" {
void dgetrf_(const int* m, const int* n, double* a, const int* lda, int* ipiv, int* info);
void dgecon_(const char* norm, const int* n, const double* a, const int* lda, const double* anorm,
             double* rcond, double* work, int* iwork, int* info, unsigned long normLength);
void dgetri_(const int* n, double* a, const int* lda, const int* ipiv, double* work,
             const int* lwork, int* info);
void dgetrs_(const char* trans, const int* n, const int* nrhs, const double* a, const int* lda,
             const int* ipiv, double* b, const int* ldb, int* info, unsigned long transLength);
void dgesdd_(const char* jobz, const int* m, const int* n, double* a, const int* lda, double* s,
             double* u, const int* ldu, double* vt, const int* ldvt, double* work,
             const int* lwork, int* iwork, int* info, unsigned long jobzLength);
void dgelqf_(const int* m, const int* n, double* a, const int* lda, double* tau, double* work,
             const int* lwork, int* info);
void dorglq_(const int* m, const int* n, const int* k, double* a, const int* lda,
             const double* tau, double* work, const int* lwork, int* info);
}

namespace ztmath::detail {

// Runs a LAPACK routine that wants a workspace: once asking for the best
// size (a length of -1), then with a workspace of that size, at least
// `smallest`. The routine is called as routine(work, &length).
template <class Routine>
void CallWithWorkspace(Routine routine, int smallest = 1) {
    double best = 0.0;
    int query = -1;
    routine(&best, &query);
    int length = std::max(smallest, static_cast<int>(best));
    std::vector<double> work(static_cast<std::size_t>(length));
    routine(work.data(), &length);
}

} // namespace ztmath::detail
