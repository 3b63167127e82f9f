#include "calculator/calculator_dlg.h"
