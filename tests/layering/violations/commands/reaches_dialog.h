// The command layer reaching past the Calculator interface.
#include "calculator/calculator_dlg.h"
