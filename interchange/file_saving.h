#pragma once
// The exporters' word on a save: "" when the file was written, else the
// reason for the message box.

#include "archive/safe_save.h"

#include <string>

std::string SaveMessage(SaveResult result);
