// The main window's input controls as plain values. The window copies its
// widgets into this before each operation and shows it again afterwards;
// the workflow reads the inputs and writes back what an operation sets
// (现在时间, 查看 of a stored case, the method box after a given-ju chart).
#pragma once

#include <string>

namespace qimen::workflow {

struct ConsultationInputs {
    std::string yearText;      // EdtYear, as typed
    int yearSpin = 2000;       // UpDyear position (stored year, −849..2100)
    int monthItem = 0;         // cbom, 0 = 1月
    int dayItem = 0;           // cbod, 0 = 1日
    int hourItem = 0;          // cbos, item = hour
    int minuteItem = 0;        // cbomin, item = minute
    bool lunar = false;        // Rdonl checked (else Rdogl)
    bool leapMonth = false;    // Chkrun
    int provinceItem = 34;     // cbodiZ, 34 = 未知地; −1 none
    int cityItem = 0;          // cbodiC; −1 none
    std::string name = "某人";             // Edtname
    std::string matter = "关心的事情。";   // LedtEvent
    int methodItem = 1;        // CboPanShi; −1 none
    int givenJuItem = 0;       // CboCustom

    friend bool operator==(const ConsultationInputs&, const ConsultationInputs&) = default;
};

}  // namespace qimen::workflow
