// Orthogonal matrices: a random one of a typed order, and the 2 x 2
// reflection and rotation by a typed angle.

#include "calculator/calculator_dlg.h"
#include "matrixlib/special_matrices.h"
#include "operations/properties_creation/creation_steps.h"
#include "operations/properties_creation/matrix_creation.h"

using NEWMAT::Matrix;

namespace {

// Degrees to radians by 3.141592654 / 180, the factor the angle creations
// have always used.
constexpr double kRadiansPerDegree = 0.017453292522222223;
constexpr double kLargestAngle = 360.0;

const char* const kAngleTitle = "Reflection Matrix";

// Asks for the angle in degrees; nothing (after saying so) outside -360 ... 360.
std::optional<double> PromptAngle(CCalculatorDlg& dlg, const char* request) {
    dlg.Host().MessageBox(request, kAngleTitle, MB_OK);
    const double degrees = PromptRealAndBeep(dlg, "Angle:");
    if (degrees >= -kLargestAngle && degrees <= kLargestAngle) return degrees * kRadiansPerDegree;
    ReportOutOfRange(dlg, "Angle Error");
    return std::nullopt;
}

void CreateByAngle(CCalculatorDlg& dlg, const char* request, Matrix (*build)(double)) {
    dlg.RunCommand([&] {
        if (!ConfirmReplace(dlg)) return;
        if (const std::optional<double> t = PromptAngle(dlg, request)) StoreCreated(dlg, build(*t));
    });
}

} // namespace

void OnCreateOrthogonal(CCalculatorDlg& dlg) {
    dlg.RunCommand([&] {
        if (!ConfirmReplace(dlg)) return;
        dlg.Host().MessageBox("Enter Rows and Columns", "Random Orthogonal Matrix", MB_OK);
        const int n = PromptIntAndBeep(dlg, "Rows(Cols):");
        if (!SizeInRange(dlg, n, n)) return;
        dlg.Host().BeginWaitCursor();
        const Matrix q = RandomOrthogonal(nullptr, n);
        dlg.Host().EndWaitCursor();
        StoreCreated(dlg, q);
    });
}

void OnCreateReflection(CCalculatorDlg& dlg) {
    CreateByAngle(dlg, "Enter Angle of Reflection in Degrees", PlaneReflection);
}

void OnCreateRotation(CCalculatorDlg& dlg) {
    CreateByAngle(dlg, "Enter Angle of Rotation in Degrees", PlaneRotation);
}

std::span<const NamedCommand> CreateGeometricCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Create Orthogonal", OnCreateOrthogonal},
        {"Create Reflection", OnCreateReflection},
        {"Create Rotation", OnCreateRotation},
    };
    return kCommands;
}
