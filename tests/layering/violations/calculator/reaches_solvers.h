#include "operations/solvers/simplex.h"
