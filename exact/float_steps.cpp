#include "exact/float_steps.h"

#include "exact/exact_steps.h"
#include "matrixlib/linear_solvers.h"

#include <cmath>

namespace {

class StepObserver : public EliminationObserver {
  public:
    explicit StepObserver(std::vector<FloatStep>& steps) : steps_(steps) {}

    void RowsSwapped(int a, int b, const Matrix& after) override {
        Record({RowOperationKind::Swap, a, b, 0, 0.0}, after);
    }
    void RowDivided(int row, double pivot, const Matrix& after) override {
        Record({RowOperationKind::Scale, row, row, 0, pivot}, after);
    }
    void RowSubtracted(int target, double factor, int source, const Matrix& after) override {
        Record({RowOperationKind::Subtract, target, source, 0, factor}, after);
    }
    void ResidueCleared(int column, int first, const Matrix& after) override {
        Record({RowOperationKind::ClearResidue, first, after.Nrows(), column, 0.0}, after);
    }

  private:
    void Record(const FloatRowOperation& operation, const Matrix& after) {
        steps_.push_back({operation, after});
    }

    std::vector<FloatStep>& steps_;
};

bool AllFinite(const NEWMAT::Matrix& M) {
    const double* value = M.Store();
    for (int k = 0; k < M.Storage(); ++k)
        if (!std::isfinite(value[k])) return false;
    return true;
}

} // namespace

FloatElimination GaussWithSteps(NEWMAT::Matrix& M) {
    FloatElimination run;
    if (!AllFinite(M)) {
        run.finite = false;
        return run;
    }
    run.stepsKept = static_cast<long>(M.Nrows()) * M.Ncols() <= kLargestSteppedElements;
    if (run.stepsKept) {
        StepObserver observer(run.steps);
        DoGauss(M, &observer);
    } else {
        DoGauss(M);
    }
    return run;
}
