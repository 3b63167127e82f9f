#pragma once
// The unit categories of the conversion dialog: each category lists its
// units in the order the unit boxes show them, the first being the base
// unit. A unit's value is how many of it make one base unit, so converting
// from unit a to unit b multiplies by value(b) / value(a).

#include <optional>
#include <span>
#include <string>
#include <string_view>

struct Unit {
    const char* name;
    double value;
};

struct UnitCategory {
    const char* name;
    std::span<const Unit> units;
};

// The eleven categories in the order of the category box.
std::span<const UnitCategory> UnitCategories();

// The category with exactly this name, or nullptr.
const UnitCategory* FindUnitCategory(std::string_view name);

// How a reading in one unit becomes a reading in another: for the scales of
// temperature a factor and an offset, for every other category a factor.
struct UnitConversion {
    double factor = 1.0;
    // Temperatures: the reading's origin in the source and target scales,
    // to = (from - sourceZero) * factor + targetZero.
    double sourceZero = 0.0;
    double targetZero = 0.0;

    double Apply(double reading) const { return (reading - sourceZero) * factor + targetZero; }
    // An imaginary part or any other difference of readings is only scaled.
    double Scale(double difference) const { return difference * factor; }
};

// The conversion of the pair in the category, or nullopt when the category
// or either unit is not one of the table's names.
std::optional<UnitConversion> FindUnitConversion(std::string_view category, std::string_view from,
                                                 std::string_view to);

