#pragma once
// What the picture window draws: the current matrix, whether it is complex,
// and how the display writes one number, for hover texts and the legend.

#include <newmat.h>

#include <functional>
#include <memory>
#include <string>

namespace zentabl {

struct PictureData {
    NEWMAT::Matrix matrix;
    bool complexMode = false;
    std::function<std::string(double)> number;
};

using PictureSource = std::function<std::shared_ptr<const PictureData>()>;

} // namespace zentabl
