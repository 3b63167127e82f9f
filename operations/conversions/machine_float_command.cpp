#include "operations/conversions/machine_float_command.h"

#include "calculator/calculator_dlg.h"
#include "operations/conversions/machine_arithmetic.h"

void OnMachineFloatingPoint(CCalculatorDlg& dlg) {
    dlg.RunCommand([&dlg] {
        dlg.Host().ShowMachineFloatDialog(MachineCharacteristicsReport(MeasureSinglePrecision()));
    });
}

std::span<const NamedCommand> MachineFloatCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Machine Floating Point", OnMachineFloatingPoint},
    };
    return kCommands;
}
