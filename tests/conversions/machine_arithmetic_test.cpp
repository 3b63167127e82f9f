#include <gtest/gtest.h>

#include <cfloat>
#include <sstream>
#include <string>
#include <vector>

#include "conversions/machine_arithmetic.h"

TEST(MachineArithmetic, FindsIeeeSinglePrecision) {
    const MachineCharacteristics m = MeasureSinglePrecision();
    EXPECT_EQ(m.ibeta, 2);
    EXPECT_EQ(m.it, FLT_MANT_DIG);
    EXPECT_EQ(m.irnd, 5); // rounds, and underflow is gradual
    EXPECT_EQ(m.ngrd, 0);
    EXPECT_EQ(m.machep, -23);
    EXPECT_EQ(m.negep, -24);
    EXPECT_EQ(m.iexp, 8);
    EXPECT_EQ(m.minexp, FLT_MIN_EXP - 1);
    EXPECT_EQ(m.maxexp, FLT_MAX_EXP);
    EXPECT_EQ(m.eps, FLT_EPSILON);
    EXPECT_EQ(m.epsneg, FLT_EPSILON / 2);
    EXPECT_EQ(m.xmin, FLT_MIN);
    EXPECT_EQ(m.xmax, FLT_MAX);
}

TEST(MachineArithmetic, ReportHasThirteenIndentedLinesInOrder) {
    const std::string report = MachineCharacteristicsReport(MeasureSinglePrecision());
    std::istringstream lines(report);
    std::vector<std::string> names;
    for (std::string line; std::getline(lines, line);) {
        ASSERT_EQ(line.rfind("   ", 0), 0u) << line;
        names.push_back(line.substr(3, line.find(" = ") - 3));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"ibeta", "it", "irnd", "ngrd", "machep", "negep",
                                               "iexp", "minexp", "maxexp", "eps", "epsneg", "xmin",
                                               "xmax"}));
    EXPECT_NE(report.find("   eps =  1.19209e-07\n"), std::string::npos);
    EXPECT_NE(report.find("   xmax =  3.40282e+38\n"), std::string::npos);
}
