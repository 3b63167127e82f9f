#pragma once
// The picture window's view of the calculator: the current matrix, the
// mode, and numbers written as the display writes them.

#include "calculator/calculator.h"
#include "shell/picture_data.h"

namespace zentabl {

PictureSource PictureSourceOf(const Calculator& calculator);

} // namespace zentabl
