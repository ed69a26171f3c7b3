// data/knowledge/baojian.txt: the 2,160 御定奇门宝鉴 texts in the knowledge
// store's file format, composed from the 1,080 charts.
#pragma once

#include <string>

#include "palace_remarks.hpp"
#include "topic_readings.hpp"

namespace qimen::gen {

struct BaojianTexts {
    std::string remarks;   // id 100 + 2n
    std::string readings;  // id 101 + 2n
};

// Both texts of chart n (0..1079), UTF-8 with CR LF line breaks.
BaojianTexts composeBaojianTexts(int n);

// The entry label of chart n, e.g. "甲己日 子时 阴遁一局".
std::string baojianLabel(int n);

// The whole file: a '#' header saying what it is and how to regenerate it,
// then for each n the entries "@<100+2n> label 其一" and "@<101+2n> label
// 其二" with the text's lines (LF line ends; the store joins them with
// CR LF). Deterministic: the same build gives the same bytes.
std::string formatBaojianFile();

}  // namespace qimen::gen
