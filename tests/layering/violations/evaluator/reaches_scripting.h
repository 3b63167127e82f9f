#include "scripting/script_runner.h"
