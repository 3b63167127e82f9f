// Orthogonal matrices: a random one of a typed order, and the 2 x 2
// reflection and rotation by a typed angle.

#include "calculator/calculator.h"
#include "matrixlib/special_matrices.h"
#include "operations/properties_creation/creation_steps.h"
#include "operations/properties_creation/matrix_creation.h"
#include "platform/wait_cursor.h"

using NEWMAT::Matrix;

namespace {

// Degrees to radians by 3.141592654 / 180, the factor the angle creations
// have always used.
constexpr double kRadiansPerDegree = 0.017453292522222223;
constexpr double kLargestAngle = 360.0;

const char* const kAngleTitle = "Reflection Matrix";

// Asks for the angle in degrees; nothing (after saying so) outside -360 ... 360.
std::optional<double> PromptAngle(Calculator& calculator, const char* request) {
    calculator.Host().MessageBox(request, kAngleTitle, MB_OK);
    const double degrees = PromptRealAndBeep(calculator, "Angle:");
    if (degrees >= -kLargestAngle && degrees <= kLargestAngle) return degrees * kRadiansPerDegree;
    ReportOutOfRange(calculator, "Angle Error");
    return std::nullopt;
}

void CreateByAngle(Calculator& calculator, const char* request, Matrix (*build)(double)) {
    calculator.RunCommand([&] {
        if (!ConfirmReplace(calculator)) return;
        if (const std::optional<double> t = PromptAngle(calculator, request))
            StoreCreated(calculator, build(*t));
    });
}

} // namespace

void OnCreateOrthogonal(Calculator& calculator) {
    calculator.RunCommand([&] {
        if (!ConfirmReplace(calculator)) return;
        calculator.Host().MessageBox("Enter Rows and Columns", "Random Orthogonal Matrix", MB_OK);
        const int n = PromptIntAndBeep(calculator, "Rows(Cols):");
        if (!SizeInRange(calculator, n, n)) return;
        Matrix q;
        {
            const WaitCursor wait(calculator.Host());
            q = RandomOrthogonal(nullptr, n);
        }
        StoreCreated(calculator, q);
    });
}

void OnCreateReflection(Calculator& calculator) {
    CreateByAngle(calculator, "Enter Angle of Reflection in Degrees", PlaneReflection);
}

void OnCreateRotation(Calculator& calculator) {
    CreateByAngle(calculator, "Enter Angle of Rotation in Degrees", PlaneRotation);
}

std::span<const NamedCommand> CreateGeometricCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Create Orthogonal", OnCreateOrthogonal},
        {"Create Reflection", OnCreateReflection},
        {"Create Rotation", OnCreateRotation},
    };
    return kCommands;
}
