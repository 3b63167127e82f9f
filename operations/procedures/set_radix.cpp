#include "operations/procedures/set_radix.h"

#include "calculator/calculator.h"
#include "operations/procedures/element_wise.h"

namespace {

const char* const kCaution =
    "Caution: Resetting the radix will result in the\nloss of the fractional portion of the "
    "data\nbecause it rounds all matrix elements to integers.\nDo you wish to proceed ?";
constexpr int kLowestRadix = 2;
constexpr int kHighestRadix = 256;

} // namespace

// Works without a current matrix too: the radix and the decimals are set
// for the next one.
void OnSetRadix(Calculator& calculator) {
    calculator.RunCommand([&calculator] {
        if (calculator.Host().MessageBox(kCaution, "Set Radix Procedure", MB_YESNO) != IDYES)
            return;
        const int radix = calculator.PromptInt("Radix:");
        calculator.Host().MessageBeep(kBeepDefault);
        if (radix < kLowestRadix || radix > kHighestRadix) {
            calculator.Refuse("Out of Range (2 - 256)", "Radix Error");
            return;
        }
        calculator.SetRadix(radix);
        OnElementInteger(calculator);
        calculator.SetDecimals(0);
        calculator.ShowCurrentMatrix();
    });
}

std::span<const NamedCommand> SetRadixCommands() {
    static constexpr NamedCommand kCommands[] = {
        {"Set Radix", OnSetRadix},
    };
    return kCommands;
}
