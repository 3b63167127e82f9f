# The optimised BLAS/LAPACK under the heavy kernels: Debian's OpenBLAS
# (libopenblas-dev), which carries LAPACK's Fortran interface as well, with
# the C BLAS header cblas.h.
set(BLA_VENDOR OpenBLAS)
find_package(BLAS REQUIRED)
find_package(LAPACK REQUIRED)
find_path(CBLAS_INCLUDE_DIR cblas.h PATH_SUFFIXES openblas REQUIRED)
add_library(openblas::openblas INTERFACE IMPORTED)
target_include_directories(openblas::openblas SYSTEM INTERFACE ${CBLAS_INCLUDE_DIR})
target_link_libraries(openblas::openblas INTERFACE ${LAPACK_LIBRARIES} ${BLAS_LIBRARIES})
