#include "operations/procedures/library_step.h"

#include "calculator/calculator.h"
#include "matrixlib/zt_error.h"

bool RunLibraryStep(Calculator& calculator, const char* caption,
                    const std::function<void()>& step) {
    try {
        step();
        return true;
    } catch (const ztmath::MathError& error) {
        return calculator.Refuse(error.what(), caption);
    }
}
