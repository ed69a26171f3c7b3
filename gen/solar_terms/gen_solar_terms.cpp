// gen_solar_terms OUTPUT: computes the solar-term table and writes it to
// OUTPUT (normally data/calendar/solar_term_table.inc). Exit status 0 on
// success, 1 on a failed computation or write, 2 on wrong usage.
#include <exception>
#include <fstream>
#include <iostream>
#include <string>

#include "solar_terms/solar_term_table.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: gen_solar_terms OUTPUT\n";
        return 2;
    }
    try {
        std::string text = qimen::gen::formatSolarTermTable(qimen::gen::computeSolarTermTable());
        std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::cerr << "gen_solar_terms: cannot write " << argv[1] << "\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "gen_solar_terms: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
