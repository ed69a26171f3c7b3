// Writes the 御定奇门宝鉴 knowledge file to the path given as the argument.
#include <cstdio>
#include <fstream>

#include "baojian_file.hpp"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_baojian OUTPUT.txt\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << qimen::gen::formatBaojianFile();
    if (!out.flush()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
