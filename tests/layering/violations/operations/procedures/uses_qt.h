#include <QString>
#include "calculator/calculator_dlg.h"
#include "operations/properties_creation/compare_registers.h"
