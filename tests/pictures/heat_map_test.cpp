#include <gtest/gtest.h>
#include <newmat.h>

#include <cmath>
#include <limits>

#include "pictures/heat_map.h"
#include "pictures/picture_files.h"
#include "pictures/png_encoder.h"
#include "tests/pictures/png_reading.h"

namespace {

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ColourScale, WhiteAtZeroHueBySignSaturatingAtTheLargestMagnitude) {
    EXPECT_EQ(DivergingColour(0.0, 4.0), (Rgb{255, 255, 255}));
    EXPECT_EQ(DivergingColour(4.0, 4.0), (Rgb{255, 0, 0}));
    EXPECT_EQ(DivergingColour(-4.0, 4.0), (Rgb{0, 0, 255}));
    EXPECT_EQ(DivergingColour(2.0, 4.0), (Rgb{255, 128, 128}));
    EXPECT_EQ(DivergingColour(-1.0, 4.0), (Rgb{191, 191, 255}));
    EXPECT_EQ(DivergingColour(9.0, 4.0), (Rgb{255, 0, 0}));
    EXPECT_EQ(DivergingColour(kNan, 4.0), (Rgb{128, 128, 128}));
    EXPECT_EQ(DivergingColour(kInf, 4.0), (Rgb{0, 0, 0}));
    EXPECT_EQ(DivergingColour(-kInf, 4.0), (Rgb{0, 0, 0}));
    EXPECT_EQ(DivergingColour(0.0, 0.0), (Rgb{255, 255, 255})); // an all-zero matrix
    EXPECT_EQ(SequentialColour(0.0, 2.0), (Rgb{255, 255, 255}));
    EXPECT_EQ(SequentialColour(2.0, 2.0), (Rgb{255, 0, 0}));
}

TEST(HeatMap, BlocksAverageWithoutDroppingRowsAndKeepNonFiniteValuesVisible) {
    NEWMAT::Matrix identity(1000, 1000);
    identity = 0.0;
    for (int i = 1; i <= 1000; ++i) identity(i, i) = 1.0;
    const Raster raster = HeatMapRaster(identity, false);
    ASSERT_EQ(raster.width, 500);
    ASSERT_EQ(raster.height, 500);
    for (int i = 0; i < 500; ++i) {
        EXPECT_EQ(raster.pixels[i * 500 + i], (Rgb{255, 128, 128})) << i; // two ones in four
        EXPECT_EQ(raster.pixels[i * 500 + (i + 250) % 500], kZeroColour) << i;
    }

    // 3 x 5 elements in blocks of 2: the partial blocks average what they hold.
    NEWMAT::Matrix m(3, 5);
    m << 1 << 3 << 5 << 5 << 8 << 1 << 3 << kNan << 0 << -2 << 10 << -10 << kInf << kInf << 4;
    const HeatMap map = MakeHeatMap(m, false, WholeMatrix(m, false), 3);
    ASSERT_EQ(map.block, 2);
    ASSERT_EQ(map.cellRows, 2);
    ASSERT_EQ(map.cellColumns, 3);
    EXPECT_EQ(map.cells[0], 2.0);
    EXPECT_TRUE(std::isnan(map.cells[1]));
    EXPECT_EQ(map.cells[2], 3.0);
    EXPECT_EQ(map.cells[3], 0.0);
    EXPECT_EQ(map.cells[4], kInf);
    EXPECT_EQ(map.cells[5], 4.0);
    EXPECT_EQ(map.largest, 10.0);

    NEWMAT::Matrix mixed(1, 2);
    mixed << kInf << -kInf;
    EXPECT_TRUE(std::isnan(MakeHeatMap(mixed, false, WholeMatrix(mixed, false), 1).cells[0]));
}

TEST(HeatMap, ComplexElementsShowTheirModulus) {
    NEWMAT::Matrix m(1, 4); // 3 + 4i, 0 + 0i
    m << 3 << 4 << 0 << 0;
    const HeatMap map = MakeHeatMap(m, true, WholeMatrix(m, true), 512);
    ASSERT_EQ(map.cellColumns, 2);
    EXPECT_EQ(map.cells[0], 5.0);
    EXPECT_EQ(map.largest, 5.0);
    EXPECT_EQ(map.ColourOf(5.0), (Rgb{255, 0, 0}));
}

TEST(HeatMapPng, SizeFollowsTheCellRuleAndPixelsTheScale) {
    struct Case {
        int rows, columns;
        bool complex;
        int width, height;
    };
    for (const Case& c : {Case{6, 6, false, 510, 510}, Case{1, 512, false, 512, 1},
                          Case{3, 700, false, 350, 2}, Case{2, 4, true, 512, 512},
                          Case{513, 2, false, 1, 257}, Case{7, 3, false, 219, 511}}) {
        NEWMAT::Matrix m(c.rows, c.columns);
        m = 1.0;
        const DecodedPng png = DecodePng(EncodePng(HeatMapRaster(m, c.complex)));
        EXPECT_EQ(png.width, c.width) << c.rows << " x " << c.columns;
        EXPECT_EQ(png.height, c.height) << c.rows << " x " << c.columns;
    }

    NEWMAT::Matrix m(2, 2);
    m << -2 << 0 << kNan << 1;
    const DecodedPng png = DecodePng(EncodePng(HeatMapRaster(m, false)));
    ASSERT_EQ(png.width, 512);
    EXPECT_EQ(png.At(0, 0), (Rgb{0, 0, 255}));
    EXPECT_EQ(png.At(256, 0), kZeroColour);
    EXPECT_EQ(png.At(0, 256), kNanColour);
    EXPECT_EQ(png.At(511, 511), (Rgb{255, 128, 128}));
}

TEST(PictureFiles, FormatByExtensionAndRefusalsAsText) {
    NEWMAT::Matrix m(2, 2);
    m << 1 << 2 << 3 << 4;
    EXPECT_EQ(DrawPictureFile(PictureKind::HeatMap, m, false, "a.PNG").bytes.substr(1, 3), "PNG");
    const std::string svg = DrawPictureFile(PictureKind::HeatMap, m, false, "dir.v2/a.svg").bytes;
    EXPECT_NE(svg.find("data:image/png;base64,"), std::string::npos);
    EXPECT_NE(svg.find("data-largest=\"4\""), std::string::npos);
    EXPECT_EQ(DrawPictureFile(PictureKind::HeatMap, m, false, "a.jpg").error,
              "Pictures are saved as .png or .svg");
    EXPECT_EQ(DrawPictureFile(PictureKind::Spectrum, NEWMAT::Matrix(), false, "a.svg").error,
              "No matrix to draw");
    EXPECT_EQ(SavePicture(PictureKind::HeatMap, m, false, "/nonexistent-folder/a.png"),
              "Unable to open file");
}

} // namespace
