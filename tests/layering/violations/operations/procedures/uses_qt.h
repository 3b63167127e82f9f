#include <QString>
#include "calculator/calculator.h"
#include "operations/properties_creation/compare_registers.h"
