#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "operations/conversions/unit_tables.h"

namespace {

double Relative(double value, double expected) {
    return std::fabs(value - expected) / std::fabs(expected);
}

// Cubic metres in one unit, from the units' legal definitions.
double CubicMetres(const std::string& unit) {
    const double inch3 = std::pow(0.0254, 3);
    const double usGallon = 231 * inch3;
    const double ukGallon = 0.00454609;
    const double bushel = 2150.42 * inch3;
    if (unit == "cu.meters") return 1;
    if (unit == "barrels (oil)") return 42 * usGallon;
    if (unit == "bushels") return bushel;
    if (unit == "cu.inches") return inch3;
    if (unit == "cu.feet") return std::pow(12 * 0.0254, 3);
    if (unit == "gallons (US)") return usGallon;
    if (unit == "gallons (UK)") return ukGallon;
    if (unit == "liters") return 0.001;
    if (unit == "ounces (UK fl)") return ukGallon / 160;
    if (unit == "ounces (US fl)") return usGallon / 128;
    if (unit == "pints (US dry)") return bushel / 64;
    if (unit == "pints (US liq)") return usGallon / 8;
    if (unit == "quarts (US dry)") return bushel / 32;
    if (unit == "quarts (US liq)") return usGallon / 4;
    ADD_FAILURE() << "no definition for " << unit;
    return NAN;
}

} // namespace

TEST(UnitTables, EveryPairIsTheRatioOfTheUnitValuesAndRoundTrips) {
    for (const UnitCategory& category : UnitCategories())
        for (const Unit& from : category.units)
            for (const Unit& to : category.units) {
                const double factor = FindUnitConversion(category.name, from.name, to.name)->factor;
                if (from.name == std::string(to.name)) {
                    EXPECT_EQ(factor, 1.0);
                }
                EXPECT_LT(Relative(factor, to.value / from.value), 1e-15)
                    << category.name << ": " << from.name << " -> " << to.name;
                const auto there = FindUnitConversion(category.name, from.name, to.name);
                const auto back = FindUnitConversion(category.name, to.name, from.name);
                for (const double reading : {1.0, -273.15, 12345.678, 1e-9}) {
                    const double returned = back->Apply(there->Apply(reading));
                    EXPECT_NEAR(returned, reading, 1e-12 * std::max(std::fabs(reading), 273.15))
                        << category.name << ": " << from.name << " <-> " << to.name;
                }
            }
}

TEST(UnitTables, VolumeUnitsFollowTheirDefinitions) {
    for (const Unit& from : FindUnitCategory("Volume")->units)
        for (const Unit& to : FindUnitCategory("Volume")->units)
            EXPECT_LT(Relative(FindUnitConversion("Volume", from.name, to.name)->factor,
                               CubicMetres(from.name) / CubicMetres(to.name)),
                      1e-12)
                << from.name << " -> " << to.name;
}
