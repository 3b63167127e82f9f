#include "operations/conversions/machine_float_command.h"

#include "calculator/calculator.h"
#include "operations/conversions/machine_arithmetic.h"

void OnMachineFloatingPoint(Calculator& calculator) {
    calculator.RunCommand([&calculator] {
        calculator.Host().ShowMachineFloatDialog(
            MachineCharacteristicsReport(MeasureSinglePrecision()));
    });
}

std::span<const NamedCommand> MachineFloatCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Machine Floating Point", OnMachineFloatingPoint},
    };
    return kCommands;
}
