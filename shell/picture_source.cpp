#include "shell/picture_source.h"

#include "matrixtext/matrix_text.h"

namespace zentabl {

namespace {

// One number in the display's format, without the row's line break.
std::string ShownNumber(double value, bool exponent, int decimals, int radix) {
    NEWMAT::Matrix one(1, 1);
    one(1, 1) = value;
    std::string text = exponent ? FormatExponential(one, 0, decimals) : FormatFixed(one, 0, decimals, radix);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

} // namespace

PictureSource PictureSourceOf(const Calculator& calculator) {
    return [&calculator] {
        auto data = std::make_shared<PictureData>();
        data->matrix = calculator.GetCurrentMatrix();
        data->complexMode = calculator.IsComplexMode();
        const bool exponent = calculator.ExponentFlag();
        const int decimals = calculator.Decimals();
        const int radix = calculator.Radix();
        data->number = [=](double value) { return ShownNumber(value, exponent, decimals, radix); };
        return std::shared_ptr<const PictureData>(std::move(data));
    };
}

} // namespace zentabl
