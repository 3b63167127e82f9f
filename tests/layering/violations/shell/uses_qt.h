#include <QWidget>
#include "commands/buttons.h"
