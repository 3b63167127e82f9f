#include "operations/conversions/convert_command.h"

#include <newmat.h>

#include <array>
#include <optional>
#include <span>
#include <string>

#include "calculator/calculator.h"
#include "calculator/control_ids.h"
#include "matrixlib/predicates.h"
#include "operations/conversions/unit_tables.h"

namespace {

const char* const kNotImplemented = "Conversion Not Implemented";
const char* const kConversionError = "Conversion Error";

// The pairs the dialog offers before a category has been used.
struct FirstPair {
    const char* category;
    const char* from;
    const char* to;
};
constexpr FirstPair kFirstPairs[] = {
    {"Area", "sq.meters", "sq.feet"},
    {"Energy", "joules", "ergs"},
    {"Force", "newtons", "dynes"},
    {"Length", "meters", "feet"},
    {"Mass", "kilograms", "pounds"},
    {"Power", "watts", "horsepower (FPS)"},
    {"Pressure", "inches water", "mm mercury"},
    {"Speed", "knots", "miles/hour"},
    {"Temperature", "Deg Fahrenheit", "Deg Celsius"},
    {"Time", "hours", "minutes"},
    {"Volume", "gallons (US)", "liters"},
};
// The conversion dialog's memory: entry 0 names the category to open with,
// entries 1 ... 11 the pair last used with each category. Empty until the
// conversion command first fills it.
struct RememberedConversion {
    std::string category;
    std::string from;
    std::string to;
};
using ConversionMemory = std::array<RememberedConversion, 12>;
static_assert(std::size(kFirstPairs) + 1 == std::tuple_size_v<ConversionMemory>);

ConversionMemory& Memory(Calculator& calculator) {
    ConversionMemory& memory = calculator.CommandState<ConversionMemory>();
    if (memory[0].category.empty()) {
        memory[0] = {kFirstPairs[0].category, "", ""};
        for (std::size_t i = 0; i < std::size(kFirstPairs); ++i)
            memory[i + 1] = {kFirstPairs[i].category, kFirstPairs[i].from, kFirstPairs[i].to};
    }
    return memory;
}

ConversionDialogContent DialogContent(const ConversionMemory& memory) {
    ConversionDialogContent content;
    content.openCategory = memory[0].category;
    for (const UnitCategory& category : UnitCategories()) {
        ConversionDialogContent::Category entry;
        entry.name = category.name;
        for (const Unit& unit : category.units)
            entry.units.emplace_back(unit.name);
        for (std::size_t i = 1; i < memory.size(); ++i)
            if (memory[i].category == category.name) {
                entry.from = memory[i].from;
                entry.to = memory[i].to;
            }
        content.categories.push_back(std::move(entry));
    }
    return content;
}

// What the dialog opened with: the category to open with and its pair.
ConversionChoice OpeningChoice(const ConversionDialogContent& content) {
    ConversionChoice choice{content.openCategory, "", ""};
    for (const ConversionDialogContent::Category& category : content.categories)
        if (category.name == content.openCategory) {
            choice.from = category.from;
            choice.to = category.to;
        }
    return choice;
}

void Remember(ConversionMemory& memory, const ConversionChoice& choice) {
    memory[0].category = choice.category;
    for (std::size_t i = 1; i < memory.size(); ++i)
        if (memory[i].category == choice.category) {
            memory[i].from = choice.from;
            memory[i].to = choice.to;
        }
}

// In complex mode the real parts are readings and the imaginary parts are
// only scaled; a real matrix is all readings.
void Convert(NEWMAT::Matrix& m, const UnitConversion& conversion, bool complex) {
    const int rows = m.Nrows();
    const int columns = m.Ncols();
    const int readings = complex ? columns / 2 : columns;
    double* element = m.Store();
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c, ++element)
            *element = c < readings ? conversion.Apply(*element) : conversion.Scale(*element);
}

} // namespace

void OnConvert(Calculator& calculator) {
    calculator.RunCommand([&calculator] {
        NEWMAT::Matrix m = calculator.GetCurrentMatrix();
        if (!Exist(m)) {
            calculator.Host().SetFocusTo(IDC_DISPLAY);
            return;
        }
        ConversionMemory& memory = Memory(calculator);
        const ConversionDialogContent content = DialogContent(memory);
        const std::optional<ConversionChoice> answer =
            calculator.Host().ShowConversionDialog(content);
        const ConversionChoice choice = answer ? *answer : OpeningChoice(content);
        Remember(memory, choice);
        if (!answer) {
            calculator.SetCurrentMatrix(m);
            calculator.ShowCurrentMatrix();
            return;
        }

        const std::optional<UnitConversion> conversion =
            FindUnitConversion(choice.category, choice.from, choice.to);
        if (!conversion) {
            calculator.Refuse(kNotImplemented, kConversionError);
            return;
        }
        Convert(m, *conversion, calculator.IsComplexMode());
        calculator.SetCurrentMatrix(m);
        calculator.ShowCurrentMatrix();
    });
}
