#include "commands/buttons.h"
#include "matrixlib/ztmath.h"
#include "calculator/calculator_dlg.h"
