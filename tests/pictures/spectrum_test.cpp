#include <gtest/gtest.h>
#include <newmat.h>

#include <algorithm>
#include <complex>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "matrixlib/eigen.h"
#include "pictures/picture_files.h"
#include "pictures/plot_frame.h"
#include "pictures/spectrum_drawing.h"
#include "tests/pictures/png_reading.h"

namespace {

// Every element <circle class="..." ...> of the SVG, as its attributes.
std::vector<std::map<std::string, std::string>> Circles(const std::string& svg, const std::string& kind) {
    std::vector<std::map<std::string, std::string>> circles;
    const std::regex element("<circle class=\"" + kind + "\"([^>]*)>");
    const std::regex attribute("([a-z-]+)=\"([^\"]*)\"");
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), element); it != std::sregex_iterator(); ++it) {
        const std::string attributes = (*it)[1];
        std::map<std::string, std::string> circle;
        for (auto a = std::sregex_iterator(attributes.begin(), attributes.end(), attribute);
             a != std::sregex_iterator(); ++a)
            circle[(*a)[1]] = (*a)[2];
        circles.push_back(circle);
    }
    return circles;
}

bool ByRealThenImaginary(std::complex<double> a, std::complex<double> b) {
    return a.real() != b.real() ? a.real() < b.real() : a.imag() < b.imag();
}

TEST(SpectrumSvg, EigenvaluesAreTheLibrarysToTheLastDigit) {
    NEWMAT::Matrix m(4, 4);
    m << 4 << -2 << 1 << 0 << 3 << 1 << 0 << 2 << 0 << 5 << -1 << 1 << 1 << 0 << 2 << 3;
    const std::string svg = SpectrumSvg(MakeSpectrum(m, false), 640, 480);
    std::vector<std::complex<double>> drawn;
    for (auto& circle : Circles(svg, "eigenvalue"))
        drawn.emplace_back(std::stod(circle["data-re"]), std::stod(circle["data-im"]));

    NEWMAT::Matrix h = m;
    NEWMAT::ColumnVector wr, wi;
    balanc(h);
    elmhes(h);
    hqr(h, wr, wi);
    std::vector<std::complex<double>> library;
    for (int i = 1; i <= 4; ++i) library.emplace_back(wr(i), wi(i));
    std::sort(drawn.begin(), drawn.end(), ByRealThenImaginary);
    std::sort(library.begin(), library.end(), ByRealThenImaginary);
    EXPECT_EQ(drawn, library); // 17 digits read back exactly

    // The eigenvalues sum to the trace and multiply to the determinant.
    std::complex<double> sum = 0.0, product = 1.0;
    for (auto value : drawn) sum += value, product *= value;
    EXPECT_NEAR(sum.real(), 7.0, 1e-12);
    EXPECT_NEAR(sum.imag(), 0.0, 1e-12);
    EXPECT_NEAR(product.real(), m.Determinant(), 1e-10);
}

TEST(SpectrumSvg, GershgorinDiscsOfAKnownMatrix) {
    NEWMAT::Matrix m(3, 3);
    m << 4 << 1 << -1 << 2 << -5 << 0 << 0.5 << 0.5 << 1;
    const auto discs = Circles(SpectrumSvg(MakeSpectrum(m, false), 640, 480), "gershgorin");
    ASSERT_EQ(discs.size(), 3u);
    const double centres[] = {4, -5, 1}, radii[] = {2, 2, 1};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(std::stod(discs[i].at("data-center-re")), centres[i]);
        EXPECT_EQ(std::stod(discs[i].at("data-center-im")), 0.0);
        EXPECT_EQ(std::stod(discs[i].at("data-radius")), radii[i]);
    }

    NEWMAT::Matrix complexMatrix(2, 4); // [1+i, 3-4i; 0, 2i]
    complexMatrix << 1 << 1 << 3 << -4 << 0 << 0 << 0 << 2;
    const Spectrum spectrum = MakeSpectrum(complexMatrix, true);
    ASSERT_EQ(spectrum.discs.size(), 2u);
    EXPECT_EQ(spectrum.discs[0].centre, std::complex<double>(1, 1));
    EXPECT_EQ(spectrum.discs[0].radius, 5.0);
    EXPECT_EQ(spectrum.discs[1].centre, std::complex<double>(0, 2));
    EXPECT_EQ(spectrum.discs[1].radius, 0.0);
    EXPECT_TRUE(spectrum.eigenvalues.empty());
    EXPECT_EQ(spectrum.failure, "Eigenvalues are drawn for real matrices");
}

TEST(SpectrumSvg, NonSquareMatricesShowTheirSingularValues) {
    NEWMAT::Matrix m(2, 3);
    m << 3 << 0 << 0 << 0 << -4 << 0;
    auto values = Circles(SpectrumSvg(MakeSpectrum(m, false), 640, 480), "singular-value");
    ASSERT_EQ(values.size(), 2u);
    EXPECT_NEAR(std::stod(values[0]["data-value"]), 4.0, 1e-14);
    EXPECT_NEAR(std::stod(values[1]["data-value"]), 3.0, 1e-14);

    NEWMAT::Matrix complexRow(1, 4); // [3+4i, 0]: one singular value, 5
    complexRow << 3 << 4 << 0 << 0;
    const Spectrum spectrum = MakeSpectrum(complexRow, true);
    ASSERT_EQ(spectrum.singularValues.size(), 1u);
    EXPECT_NEAR(spectrum.singularValues[0], 5.0, 1e-14);
}

TEST(PlotFrame, OneScaleOnBothAxesAndTicksInsideTheRanges) {
    NEWMAT::Matrix m(2, 2);
    m << 0 << -2 << 2 << 0; // eigenvalues ±2i, discs of radius 2 at 0
    const PlotFrame frame = FrameSpectrum(MakeSpectrum(m, false), 640, 480);
    EXPECT_NEAR(frame.width / (frame.x.high - frame.x.low), frame.height / (frame.y.high - frame.y.low), 1e-9);
    EXPECT_LE(frame.y.low, -2.0);
    EXPECT_GE(frame.y.high, 2.0);
    EXPECT_TRUE(frame.unitCircle);
    for (double tick : frame.x.ticks) {
        EXPECT_GE(tick, frame.x.low);
        EXPECT_LE(tick, frame.x.high);
    }
    EXPECT_NEAR(frame.DataX(frame.PixelX(1.25)), 1.25, 1e-12);
    EXPECT_NEAR(frame.DataY(frame.PixelY(-0.5)), -0.5, 1e-12);
    EXPECT_EQ(TickLabel(0.5, 0.5), "0.5");
    EXPECT_EQ(TickLabel(-2, 1), "-2");
    EXPECT_EQ(TickLabel(2e6, 1e6), "2e+06");
}

TEST(SpectrumPng, DrawsThePointsWhereTheFrameMapsThem) {
    NEWMAT::Matrix m(2, 2);
    m << 1 << 0 << 0 << -1;
    const Spectrum spectrum = MakeSpectrum(m, false);
    const PlotFrame frame = FrameSpectrum(spectrum, 640, 480);
    const DecodedPng png = DecodePng(DrawPictureFile(PictureKind::Spectrum, m, false, "s.png").bytes);
    ASSERT_EQ(png.width, 640);
    ASSERT_EQ(png.height, 480);
    EXPECT_EQ(png.At(static_cast<int>(std::lround(frame.PixelX(1))), static_cast<int>(std::lround(frame.PixelY(0)))),
              (Rgb{192, 0, 0}));
    EXPECT_EQ(png.At(static_cast<int>(std::lround(frame.PixelX(-1))), static_cast<int>(std::lround(frame.PixelY(0)))),
              (Rgb{192, 0, 0}));
}

} // namespace
