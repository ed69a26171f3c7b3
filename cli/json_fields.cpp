// JSON forms shared by the commands.
#include "json_fields.hpp"

#include "chart/vocabulary.hpp"
#include "date_argument.hpp"

namespace qimen::cli {

nlohmann::json momentJson(const calendar::CivilDateTime& d) {
    return nlohmann::json{{"year", calendar::userFromAstronomicalYear(d.year)},
                          {"month", d.month},
                          {"day", d.day},
                          {"hour", d.hour},
                          {"minute", d.minute},
                          {"text", formatMoment(d)}};
}

nlohmann::json ganZhiJson(calendar::GanZhiCode code) {
    return nlohmann::json{{"code", code}, {"text", chart::ganZhiText(code)}};
}

}  // namespace qimen::cli
