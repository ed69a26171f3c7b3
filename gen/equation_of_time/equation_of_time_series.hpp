// Generator of the equation-of-time table used for true solar time.
#pragma once

#include <array>
#include <string>

namespace qimen::gen {

// 366 values in minutes (apparent minus mean solar time) by day of the year
// from 0, rounded to hundredths. Source: W. M. Smart, Textbook on Spherical
// Astronomy (1956), in the form of J. Meeus, Astronomical Algorithms, 2nd ed.
// (1998), formula 28.3, evaluated at noon UT of each day of 2000 (a leap
// year, hence 366 rows); the eleven anchor rows that the calendar
// fixes (indices 0, 10, 41, 105, 106, 164, 200, 250, 307, 358, 365) replace
// the series there.
std::array<double, 366> equationOfTimeTable();

// The table as the body of a C++ initializer list, with its header comment.
std::string formatEquationOfTimeTable();

}  // namespace qimen::gen
