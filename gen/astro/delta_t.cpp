// ΔT = TT − UT1 in three pieces:
//
// 1. Before 2005.0: the polynomial expressions of F. Espenak and J. Meeus,
//    "Five Millennium Canon of Solar Eclipses: −1999 to +3000", NASA
//    Technical Publication TP-2006-214141 (2006), section 2.6. Over
//    1800..2005 they fit the observed values (McCarthy and Babcock 1986,
//    then IERS) to a few tenths of a second.
// 2. 2005.0..2026.0: the observed ΔT on 1 January of each year, from the
//    monthly TT − UT1 determinations of the IERS Rapid Service / Prediction
//    Center (USNO, file deltat.data), interpolated linearly. The polynomials
//    would be too large here by up to 6 s (they were an extrapolation made
//    in 2006), enough to move about one term in ten to the wrong minute.
// 3. After 2026.0: a forecast, the Espenak–Meeus polynomials shifted by a
//    constant to meet the last observation (87 s in 2050). ΔT cannot be
//    predicted well: its uncertainty reaches tens of seconds by 2050.
//
// The pieces join within 0.05 s at 2005.0 and exactly at 2026.0.
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>

#include "astro/time_scale.hpp"

namespace qimen::astro {

namespace {

// Espenak–Meeus, NASA TP-2006-214141, valid 1800..2150 (seconds).
double espenakMeeus(double y) {
    if (y < 1860.0) {
        double t = y - 1800.0;
        return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436 +
               t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900.0) {
        double t = y - 1860.0;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
    }
    if (y < 1920.0) {
        double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 + t * -0.000197)));
    }
    if (y < 1941.0) {
        double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        double t = y - 1950.0;
        return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
    }
    if (y < 1986.0) {
        double t = y - 1975.0;
        return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
    }
    if (y < 2005.0) {
        double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050.0) {
        double t = y - 2000.0;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    double u = (y - 1820.0) / 100.0;
    return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

// Observed ΔT on 1 January of kFirstObservedYear + i, seconds (IERS/USNO).
constexpr int kFirstObservedYear = 2005;
constexpr std::array<double, 22> kObserved = {
    64.6876, 64.8452, 65.1464, 65.4574, 65.7768, 66.0699,  // 2005..2010
    66.3246, 66.6030, 66.9069, 67.2810, 67.6439, 68.1024,  // 2011..2016
    68.5927, 68.9676, 69.2202, 69.3612, 69.3594, 69.2945,  // 2017..2022
    69.2039, 69.1752, 69.1377, 69.1099,                    // 2023..2026
};
constexpr double kLastObservedYear = kFirstObservedYear + static_cast<double>(kObserved.size()) - 1.0;

}  // namespace

const char* deltaTModelDescription() {
    return "TT - UT1 (Delta T): Espenak and Meeus (NASA TP-2006-214141) before\n"
           "2005; the observed values of IERS/USNO on 1 January of 2005..2026,\n"
           "interpolated linearly; after 2026 Espenak and Meeus shifted to meet the\n"
           "2026 value.";
}

double deltaTSeconds(double y) {
    if (!(y >= 1800.0 && y <= 2150.0)) {
        throw std::domain_error("deltaTSeconds: year outside 1800..2150: " + std::to_string(y));
    }
    if (y < kFirstObservedYear) return espenakMeeus(y);
    if (y < kLastObservedYear) {
        double offset = y - kFirstObservedYear;
        auto i = static_cast<std::size_t>(std::floor(offset));  // [0, size − 2]
        double f = offset - static_cast<double>(i);               // [0, 1)
        return kObserved[i] + f * (kObserved[i + 1] - kObserved[i]);
    }
    return espenakMeeus(y) - (espenakMeeus(kLastObservedYear) - kObserved.back());
}

}  // namespace qimen::astro
