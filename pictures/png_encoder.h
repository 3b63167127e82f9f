#pragma once
// A raster as the bytes of a PNG file: 8-bit RGB, no interlace, each row
// unfiltered and the whole deflated by zlib.

#include <string>

#include "pictures/heat_map.h"

std::string EncodePng(const Raster& raster);
