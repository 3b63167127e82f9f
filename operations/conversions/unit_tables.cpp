#include "operations/conversions/unit_tables.h"

#include <algorithm>

namespace {

// Exact definitions behind the volume and time units.
constexpr double kInch = 0.0254;                             // metres
constexpr double kCubicInch = kInch * kInch * kInch;         // cubic metres
constexpr double kUsGallon = 231.0 * kCubicInch;             // cubic metres
constexpr double kUkGallon = 4.54609e-3;                     // cubic metres
constexpr double kUsBushel = 2150.42 * kCubicInch;           // cubic metres
constexpr double kSecondsPerDay = 86400.0;
constexpr double kTropicalYearDays = 365.24219;

constexpr Unit kArea[] = {
    {"sq.meters", 1.0},           {"ares", 0.01},
    {"acres", 0.000247105407259}, {"hectares", 0.0001},
    {"sq.centimeters", 10000.0},  {"sq.feet", 10.7639104167},
    {"sq.inches", 1550.00310001}, {"sq.kilometers", 1e-06},
    {"sq.miles", 3.86102158542e-07}, {"sq.millimeters", 1000000.0},
    {"sq.yards", 1.1959900463},
};

// "Kelvins" stands before "hertz" in the boxes.
constexpr Unit kEnergy[] = {
    {"joules", 1.0},
    {"BTU (int)", 0.000947816987913},
    {"calories (int)", 0.238845896627},
    {"ergs", 10000000.0},
    {"electron-volts", 6.24150634401e+18},
    {"kilowatt-hours", 2.77777777778e-07},
    {"meters*Kg.Force", 0.101971621298},
    {"therms (EEC)", 9.47813394499e-09},
    {"kilograms", 1.112650056e-17},
    {"inv.meters (1/m)", 5.034112515e+24},
    {"Kelvins", 7.24292461e+22},
    {"hertz", 1.509188979e+33},
    {"atom.mass units", 6700530840.0},
    {"hartrees", 2.293710414e+17},
};

constexpr Unit kForce[] = {
    {"newtons", 1.0},           {"dynes", 100000.0},      {"Kg force", 0.101971621298},
    {"pound-force", 0.224808923655}, {"poundals", 7.23301146432},
};

constexpr Unit kLength[] = {
    {"meters", 1.0},
    {"Angstroms", 10000000000.0},
    {"astron.units", 6.68458134467e-12},
    {"centimeters", 100.0},
    {"fathoms", 0.546806649169},
    {"feet", 3.28083989501},
    {"inches", 39.3700787402},
    {"kilometers", 0.001},
    {"light years", 1.05702099772e-16},
    {"miles (stat)", 0.000621371192237},
    {"miles (naut)", 0.000539956803456},
    {"millimeters", 1000.0},
    {"parsecs", 3.24281554217e-17},
    {"yards", 1.09361329834},
};

constexpr Unit kMass[] = {
    {"kilograms", 1.0},
    {"carats", 5000.0},
    {"grains", 15432.3583529},
    {"grams", 1000.0},
    {"pounds", 2.20462271906},
    {"pounds (troy)", 2.67922903577},
    {"ounces", 35.2739596166},
    {"ounces (troy)", 32.1507484292},
    {"tons (metric)", 0.001},
    {"tons (long)", 0.000984206571007},
    {"tons (short)", 0.00110231135953},
};

constexpr Unit kPower[] = {
    {"watts", 1.0},
    {"ft*lb.force/hr", 2655.223714546457},
    {"ft*lb.force/sec", 0.7375621429295715},
    {"horsepower (FPS)", 0.001341022089595514},
    {"horsepower (MKS)", 0.001359621155161326},
    {"m*kG.force/hr", 367.0978366720541},
    {"m*kG.force/sec", 0.1019716212977928},
};

constexpr Unit kPressure[] = {
    {"pascals", 1.0},
    {"atmosph.(phys)", 9.869232667160129e-06},
    {"atmosph.(tech)", 1.019716212977928e-05},
    {"bars", 1e-05},
    {"inches mercury", 0.0002952998750807948},
    {"inches water", 0.004018646519852113},
    {"mm mercury", 0.007500616827044658},
    {"pounds/sq.inch", 0.0001450377438972831},
    {"torr (O/C)", 0.007500615050434135},
};

constexpr Unit kSpeed[] = {
    {"meters/second", 1.0},           {"feet/second", 3.280839895013123},
    {"knots", 1.943844492440605},     {"kilometers/hr", 3.6},
    {"miles/hour", 2.236936292054403}, {"light speed", 3.335640951981521e-09},
};

// The readings of one degree Celsius; the scales' origins are below.
constexpr Unit kTemperature[] = {
    {"Deg Celsius", 1.0},
    {"Deg Kelvin", 1.0},
    {"Deg Fahrenheit", 1.8},
};
// The reading of 0 Deg Celsius in each scale, in the order above.
constexpr double kTemperatureZero[] = {0.0, 273.15, 32.0};

constexpr Unit kTime[] = {
    {"seconds", 1.0},
    {"days", 1.157407407407e-05},
    {"days (sidereal)", 1.160576291120814e-05},
    {"hours", 1.0 / 3600.0},
    {"minutes", 0.01666666666666667},
    {"years", 3.168873850681143e-08},
    {"years (Julian)", 3.168808781402895e-08},
    {"years (sidereal)", 3.16875325773185e-08},
    {"years (tropical)", 1.0 / (kTropicalYearDays * kSecondsPerDay)},
};

constexpr Unit kVolume[] = {
    {"cu.meters", 1.0},
    {"barrels (oil)", 1.0 / (42.0 * kUsGallon)},
    {"bushels", 1.0 / kUsBushel},
    {"cu.inches", 1.0 / kCubicInch},
    {"cu.feet", 1.0 / (1728.0 * kCubicInch)},
    {"gallons (US)", 1.0 / kUsGallon},
    {"gallons (UK)", 1.0 / kUkGallon},
    {"liters", 1000.0},
    {"ounces (UK fl)", 160.0 / kUkGallon},
    {"ounces (US fl)", 128.0 / kUsGallon},
    {"pints (US dry)", 64.0 / kUsBushel},
    {"pints (US liq)", 8.0 / kUsGallon},
    {"quarts (US dry)", 32.0 / kUsBushel},
    {"quarts (US liq)", 4.0 / kUsGallon},
};

constexpr char kTemperatureName[] = "Temperature";

constexpr UnitCategory kCategories[] = {
    {"Area", kArea},         {"Energy", kEnergy},     {"Force", kForce},
    {"Length", kLength},     {"Mass", kMass},         {"Power", kPower},
    {"Pressure", kPressure}, {"Speed", kSpeed},       {kTemperatureName, kTemperature},
    {"Time", kTime},         {"Volume", kVolume},
};

// The position of the unit in the category's list, or -1.
int UnitIndex(const UnitCategory& category, std::string_view name) {
    const auto found = std::find_if(category.units.begin(), category.units.end(),
                                    [name](const Unit& unit) { return name == unit.name; });
    return found == category.units.end() ? -1 : static_cast<int>(found - category.units.begin());
}

} // namespace

std::span<const UnitCategory> UnitCategories() {
    return kCategories;
}

const UnitCategory* FindUnitCategory(std::string_view name) {
    for (const UnitCategory& category : kCategories)
        if (name == category.name) return &category;
    return nullptr;
}

std::optional<UnitConversion> FindUnitConversion(std::string_view categoryName, std::string_view from,
                                                 std::string_view to) {
    const UnitCategory* category = FindUnitCategory(categoryName);
    if (!category) return std::nullopt;
    const int source = UnitIndex(*category, from);
    const int target = UnitIndex(*category, to);
    if (source < 0 || target < 0) return std::nullopt;

    UnitConversion conversion;
    conversion.factor = category->units[target].value / category->units[source].value;
    if (categoryName == kTemperatureName) {
        conversion.sourceZero = kTemperatureZero[source];
        conversion.targetZero = kTemperatureZero[target];
    }
    return conversion;
}

