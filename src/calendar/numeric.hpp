// Small numeric operations of the solar-term and lunar series. They are part
// of the calendar's definition: the series round exactly this way.
#pragma once

#include <cmath>

namespace qimen::calendar {

// x − floor(x), in [0, 1).
inline double fracPart(double x) { return x - std::floor(x); }

// m × (x/m − floor(x/m)), in [0, m) for m > 0.
inline double floatMod(double x, double m) { return m * (x / m - std::floor(x / m)); }

// Nearest integer, ties going down: floor(x) when x is no nearer to ceil(x).
inline double roundHalfDown(double x) {
    double lo = std::floor(x);
    double hi = std::ceil(x);
    return (hi - x >= x - lo) ? lo : hi;
}

// Integer modulo into [0, m) for m > 0.
constexpr int positiveMod(long long x, int m) {
    long long r = x % m;
    return static_cast<int>(r < 0 ? r + m : r);
}

}  // namespace qimen::calendar
