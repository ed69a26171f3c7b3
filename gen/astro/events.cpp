#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "astro/astro.hpp"

namespace qimen::astro {

namespace {

// Converged when a step is shorter than this, days (0.86 ms). The step of a
// secant iteration estimates the error of the point it starts from; the point
// it reaches is far closer still.
constexpr double kToleranceDays = 1e-8;

// Root of f near x0, for a continuous f (degrees) that increases through the
// root at a rate within rate × (1 ± spread) degrees per day.
// Secant steps, each slope clamped to the allowed rates, so a step never
// runs away; as soon as two points straddle the root they bracket it, and a
// secant step that would leave the bracket is replaced by bisection.
template <class F>
double findIncreasingRoot(F f, double x0, double rate, double spread, const char* what) {
    double lo = -HUGE_VAL, hi = HUGE_VAL;  // f(lo) < 0 < f(hi) once set
    auto record = [&](double x, double fx) {
        if (fx < 0.0) lo = std::max(lo, x);
        else hi = std::min(hi, x);
    };
    double f0 = f(x0);
    record(x0, f0);
    double x1 = x0 - f0 / rate;
    double f1 = f(x1);
    record(x1, f1);
    double minRate = rate * (1.0 - spread), maxRate = rate * (1.0 + spread);
    for (int i = 0; i < 60; ++i) {
        if (f1 == 0.0) return x1;
        double slope = (f1 - f0) / (x1 - x0);
        if (!(slope >= minRate)) slope = minRate;  // also catches NaN
        if (slope > maxRate) slope = maxRate;
        double x2 = x1 - f1 / slope;
        if (std::isfinite(lo) && std::isfinite(hi) && !(x2 > lo && x2 < hi)) x2 = 0.5 * (lo + hi);
        double f2 = f(x2);
        record(x2, f2);
        if (std::abs(x2 - x1) < kToleranceDays || hi - lo < kToleranceDays) return x2;
        x0 = x1;
        f0 = f1;
        x1 = x2;
        f1 = f2;
    }
    throw std::runtime_error(std::string(what) + ": no convergence");
}

}  // namespace

double wrapDegrees180(double degrees) {
    double r = std::fmod(degrees, 360.0);  // (−360, 360)
    if (r > 180.0) r -= 360.0;
    if (r <= -180.0) r += 360.0;
    return r;
}

JulianDate sunLongitudeCrossing(double targetDegrees, JulianDate guess) {
    auto f = [&](double x) { return wrapDegrees180(sunApparentLongitude({guess.jd1, x}) - targetDegrees); };
    // 0.9856°/day on average, 0.953..1.019 over the year.
    double x = findIncreasingRoot(f, guess.jd2, 0.9856, 0.04, "sunLongitudeCrossing");
    return {guess.jd1, x};
}

JulianDate newMoonNear(JulianDate guess) {
    auto f = [&](double x) {
        JulianDate t{guess.jd1, x};
        return wrapDegrees180(moonApparentLongitude(t) - sunApparentLongitude(t));
    };
    // 12.19°/day on average (one lunation of 29.53 days), 10..15.5 by the
    // Moon's anomaly.
    double x = findIncreasingRoot(f, guess.jd2, 12.19, 0.2, "newMoonNear");
    return {guess.jd1, x};
}

}  // namespace qimen::astro
