// The pictures' heavy paths: the heat map of a 2000 x 2000 matrix (cells
// for a 512-pixel view, and its saved PNG), and the spectrum of a 500 x 500
// matrix (eigenvalues, discs, SVG and PNG).

#include "bench/bench_timing.h"
#include "pictures/heat_map.h"
#include "pictures/picture_files.h"
#include "pictures/picture_style.h"
#include "pictures/png_encoder.h"
#include "pictures/spectrum_drawing.h"

#include <cstdio>

int main() {
    const NEWMAT::Matrix big = RandomMatrix(2000, 2000);
    std::printf("heat map cells 2000 x 2000 at 512: %.4f s\n", BestOfThreeSeconds([&] {
                    MakeHeatMap(big, false, WholeMatrix(big, false), kHeatMapLimit);
                }));
    std::printf("heat map PNG 2000 x 2000:          %.4f s\n",
                BestOfThreeSeconds([&] { EncodePng(HeatMapRaster(big, false)); }));

    const NEWMAT::Matrix square = RandomMatrix(500, 500);
    Spectrum spectrum;
    std::printf("spectrum 500 x 500 (eigenvalues):  %.4f s\n",
                BestOfThreeSeconds([&] { spectrum = MakeSpectrum(square, false); }));
    std::printf("spectrum SVG 500 x 500:            %.4f s\n",
                BestOfThreeSeconds([&] { SpectrumSvg(spectrum, kSpectrumWidth, kSpectrumHeight); }));
    std::printf("spectrum PNG 500 x 500:            %.4f s\n", BestOfThreeSeconds([&] {
                    EncodePng(SpectrumRaster(spectrum, kSpectrumWidth, kSpectrumHeight));
                }));
    return 0;
}
