# newmat from Debian's libnewmat10-dev: headers in /usr/include/newmat, built
# with namespaces NEWMAT and RBD_COMMON.
find_path(NEWMAT_INCLUDE_DIR newmat.h PATH_SUFFIXES newmat REQUIRED)
find_library(NEWMAT_LIBRARY newmat REQUIRED)
add_library(newmat::newmat INTERFACE IMPORTED)
target_include_directories(newmat::newmat SYSTEM INTERFACE ${NEWMAT_INCLUDE_DIR})
target_link_libraries(newmat::newmat INTERFACE ${NEWMAT_LIBRARY})
