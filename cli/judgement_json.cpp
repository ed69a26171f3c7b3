// JSON form of a judgement.
#include "judgement_json.hpp"

#include "chart/vocabulary.hpp"

namespace qimen::cli {
namespace {

nlohmann::json palaceDirection(chart::Palace palace) {
    if (palace == 0) return nullptr;
    return std::string(chart::directionText(chart::homeOfPalace(palace)));
}

nlohmann::json directionJson(const judgement::Direction& d) {
    return {{"palace", d.palace}, {"direction", palaceDirection(d.palace)}, {"score", d.score}, {"items", d.items}};
}

}  // namespace

nlohmann::json judgementJson(const judgement::Judgement& j) {
    nlohmann::json elements = nlohmann::json::array();
    for (const judgement::PlacedElement& e : j.elements)
        elements.push_back({{"name", e.name},
                            {"role", judgement::kRoleWords[static_cast<std::size_t>(e.role)]},
                            {"meaning", e.meaning},
                            {"palace", e.palace},
                            {"direction", palaceDirection(e.palace)}});
    nlohmann::json reasons = nlohmann::json::array();
    for (const judgement::Reason& r : j.reasons) {
        nlohmann::json element = r.element >= 0 ? nlohmann::json(j.elements[static_cast<std::size_t>(r.element)].name)
                                                : nlohmann::json(nullptr);
        reasons.push_back({{"feature", judgement::featureKey(r.feature)},
                           {"element", element},
                           {"palace", r.palace},
                           {"weight", r.weight},
                           {"text", r.text}});
    }
    nlohmann::json out = {{"topic", judgement::topicName(j.topic)},
                          {"verdict", judgement::verdictText(j.verdict)},
                          {"score", j.score},
                          {"elements", elements},
                          {"reasons", reasons},
                          {"timing", j.timing}};
    if (j.best) out["best"] = directionJson(*j.best);
    if (j.worst) out["worst"] = directionJson(*j.worst);
    return out;
}

}  // namespace qimen::cli
