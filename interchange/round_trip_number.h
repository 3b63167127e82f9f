#pragma once
// The shortest decimal text that reads back to exactly the same double (at
// most 17 significant digits): 0.1 is "0.1", 1e300 is "1e+300", 2/3 is
// "0.6666666666666666". Non-finite values are "inf", "-inf", "nan".

#include <string>

std::string RoundTripNumber(double value);
