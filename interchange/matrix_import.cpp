#include "interchange/matrix_import.h"

MatrixImport ImportRefused(std::string reason) {
    MatrixImport import;
    import.error = std::move(reason);
    return import;
}
