#include "calculator/control_ids.h"
#include "platform/host.h"
