#include "shell/calculator_window.h"
