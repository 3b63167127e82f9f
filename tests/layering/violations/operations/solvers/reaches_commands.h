// An operation reaching the tables that name it.
#include "commands/command_tables.h"
