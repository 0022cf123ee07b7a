#include "model/numbers.h"

#include "model/error.h"

#include <cmath>

// The arithmetic with the failures of the runtime. Parsing is in
// number_parsing.cpp, the 15-digit decomposition in decimal15.*, formatting
// in number_formatting.cpp.

namespace kvor {

long double roundHalfEven(long double x)
{
    // nearbyint follows the rounding mode, which is round-to-nearest-even unless changed.
    return std::nearbyint(x);
}

long double truncTowardZero(long double x) { return std::trunc(x); }

long double checkedDivide(long double x, long double y)
{
    if (y == 0) {
        if (x == 0 || std::isnan(x))
            throw Error::invalidOperation();
        throw Error::divisionByZero();
    }
    return checkedFinite(x / y);
}

void failNotFinite(long double x)
{
    if (std::isnan(x))
        throw Error::invalidOperation();
    throw Error::overflow();
}

}  // namespace kvor
