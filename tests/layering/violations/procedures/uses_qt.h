#include <QString>
#include "calculator/calculator_dlg.h"
#include "testscreate/compare_registers.h"
