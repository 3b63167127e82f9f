#pragma once
// The picture files of a matrix: its heat map or its spectrum as PNG or
// SVG, the format chosen by the file's extension. The window's Save button
// and zenscript's save-picture both write through here.

#include <newmat.h>

#include <optional>
#include <string>
#include <string_view>

enum class PictureKind { HeatMap, Spectrum };

// "heatmap" or "spectrum".
std::optional<PictureKind> PictureKindNamed(std::string_view name);

// The file's bytes, or why there are none.
struct PictureBytes {
    std::string bytes;
    std::string error;
};
PictureBytes DrawPictureFile(PictureKind kind, const NEWMAT::Matrix& m, bool complexMode,
                             const std::string& path);

// Draws and writes the file whole or not at all; returns the error text,
// empty on success.
std::string SavePicture(PictureKind kind, const NEWMAT::Matrix& m, bool complexMode,
                        const std::string& path);

// The heat map as SVG: the cells as an embedded PNG image drawn without
// smoothing, and a legend with the scale's end values.
std::string HeatMapSvg(const NEWMAT::Matrix& m, bool complexMode);
