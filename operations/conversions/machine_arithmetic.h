#pragma once
// The characteristics of the machine's single-precision arithmetic, found by
// experiment (Cody's method): radix, digits, rounding, epsilons and range.

#include <string>

struct MachineCharacteristics {
    int ibeta = 0;  // radix
    int it = 0;     // radix digits of the mantissa
    int irnd = 0;   // rounding code 0..5 (3 added for gradual underflow)
    int ngrd = 0;   // guard digits when a product is truncated
    int machep = 0; // exponent of the smallest power of the radix that changes 1 + x
    int negep = 0;  // exponent of the smallest power of the radix that changes 1 - x
    int iexp = 0;   // bits of the exponent
    int minexp = 0; // exponent of the smallest normalised power of the radix
    int maxexp = 0; // smallest power of the radix that overflows
    float eps = 0;
    float epsneg = 0;
    float xmin = 0; // smallest normalised positive number
    float xmax = 0; // largest finite number
};

MachineCharacteristics MeasureSinglePrecision();

// The thirteen-line report of the characteristics, one "   name = value"
// line each, in the order of the structure.
std::string MachineCharacteristicsReport(const MachineCharacteristics& machine);
