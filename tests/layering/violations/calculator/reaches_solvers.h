#include "solvers/simplex.h"
