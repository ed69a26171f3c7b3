// Writes the 置闰 table to the file named by the first argument.
#include <cstdio>
#include <fstream>

#include "intercalation_rule.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_intercalation OUTPUT.inc\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << qimen::gen::formatIntercalationTable(qimen::gen::computeIntercalationTable());
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
