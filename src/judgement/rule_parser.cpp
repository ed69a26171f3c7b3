// Reading the rule file into a RuleBook: sections and "key = value" lines,
// the tables of tombs and punishments, the travel directions' weights, the
// topics' elements, and every rule resolved onto the elements it reaches.
#include <map>
#include <set>

#include "judgement/rule_book.hpp"
#include "judgement/rule_keys.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::judgement {
namespace {

using namespace rulekeys;

struct Entry {
    std::string key;
    std::string value;
    int line = 0;
};
struct Section {
    int line = 0;
    std::vector<Entry> entries;
};

std::string at(int line, std::string_view what) {
    return "规则文件第" + std::to_string(line) + "行：" + std::string(what);
}

class Parser {
public:
    Expected<RuleBook> run(std::string_view text);

private:
    using RuleMap = std::map<std::string, EffectRef, std::less<>>;

    Expected<void> readSections(std::string_view text);
    Expected<void> readGeneral(const Section& section);
    Expected<void> readTombs(const Section& section);
    Expected<void> readPunishments(const Section& section);
    Expected<void> readDirections(const Section& section);
    Expected<void> readTopic(Topic topic, const Section& section);
    Expected<void> readThresholds(const Entry& entry, TopicRules& rules, bool& handled);
    Expected<EffectRef> readEffect(const Entry& entry, SlotSet allowed);
    Expected<Cap> readCap(const Entry& entry);
    Expected<void> resolveTopic(TopicRules& rules, RuleMap& topicRules, std::set<std::string, std::less<>>& used);
    EffectRef resolve(const RuleMap& topicRules, std::set<std::string, std::less<>>& used, std::string_view element,
                      Role role, std::initializer_list<std::string_view> keys) const;

    std::map<std::string, Section, std::less<>> sections_;
    RuleBook book_;
    RuleMap general_;
    TopicRules defaults_;  // thresholds of 通则
    std::vector<Cap> generalCaps_;
};

Expected<void> Parser::readSections(std::string_view text) {
    Section* current = nullptr;
    int line = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        std::string_view raw = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        start = end == std::string_view::npos ? text.size() + 1 : end + 1;
        ++line;
        std::string_view content = trim(raw);
        if (content.empty() || content.starts_with('#')) continue;
        if (content.starts_with('[')) {
            if (!content.ends_with(']')) return fail(at(line, "节名缺少“]”"));
            std::string name(trim(content.substr(1, content.size() - 2)));
            if (sections_.contains(name)) return fail(at(line, "节[" + name + "]重复"));
            current = &sections_[name];
            current->line = line;
            continue;
        }
        if (!current) return fail(at(line, "第一节之前不能有规则"));
        std::size_t equals = content.find('=');
        if (equals == std::string_view::npos) return fail(at(line, "规则应写作“键 = 值”"));
        std::string_view key = trim(content.substr(0, equals));
        std::string_view value = trim(content.substr(equals + 1));
        if (key.empty() || value.empty()) return fail(at(line, "键和值都不能为空"));
        current->entries.push_back({std::string(key), std::string(value), line});
    }
    for (const auto& [name, section] : sections_) {
        bool known = name == "通则" || name == "墓" || name == "刑" || name == "出行方位" || topicOfName(name);
        if (!known) return fail(at(section.line, "未知的节[" + name + "]"));
    }
    return ok();
}

Expected<EffectRef> Parser::readEffect(const Entry& entry, SlotSet allowed) {
    std::vector<std::string_view> fields = split(entry.value, '|');
    std::optional<int> weight = parseNumber(fields[0], -9, 9);
    if (!weight) return fail(at(entry.line, "权重应为-9到9的整数"));
    Effect effect;
    effect.weight = *weight;
    if (fields.size() == 1 && *weight == 0) {
        book_.effects.push_back(std::move(effect));
        return static_cast<EffectRef>(book_.effects.size() - 1);
    }
    if (fields.size() != 3 || fields[1].empty() || fields[2].empty())
        return fail(at(entry.line, "应写作“权重 | 描述 | 效果”"));
    auto describe = RuleTemplate::parse(fields[1], allowed);
    if (!describe) return fail(at(entry.line, describe.message()));
    auto consequence = RuleTemplate::parse(fields[2], allowed);
    if (!consequence) return fail(at(entry.line, consequence.message()));
    effect.describe = std::move(*describe);
    effect.effect = std::move(*consequence);
    book_.effects.push_back(std::move(effect));
    return static_cast<EffectRef>(book_.effects.size() - 1);
}

Expected<Cap> Parser::readCap(const Entry& entry) {
    std::vector<std::string_view> fields = split(entry.value, '|');
    if (fields.size() != 3) return fail(at(entry.line, "上限应写作“角色:特征+特征 | 断 | 说明”"));
    std::size_t colon = fields[0].find(':');
    if (colon == std::string_view::npos) return fail(at(entry.line, "上限的条件应以“人:”“事:”“用:”“忌:”或“局:”开头"));
    std::string_view scope = trim(fields[0].substr(0, colon));
    Cap cap;
    if (scope != "局") {
        cap.role = roleOfWord(scope);
        if (!cap.role) return fail(at(entry.line, "未知的角色“" + std::string(scope) + "”"));
    }
    for (std::string_view name : split(fields[0].substr(colon + 1), '+')) {
        if (cap.role && name == "受克") {
            cap.controlled = true;
            continue;
        }
        std::optional<Feature> f = featureOfKey(name);
        bool fits = f && (cap.role ? *f < Feature::Generates : (*f >= Feature::FuYin && *f <= Feature::DoorFanYin));
        if (!fits) return fail(at(entry.line, "上限的条件不能用“" + std::string(name) + "”"));
        cap.features.push_back(*f);
    }
    std::optional<Verdict> ceiling = verdictOfText(fields[1]);
    if (!ceiling) return fail(at(entry.line, "断应为大吉、吉、平、凶或大凶"));
    cap.ceiling = *ceiling;
    auto text = RuleTemplate::parse(fields[2], cap.role ? kElementSlots : 0);
    if (!text) return fail(at(entry.line, text.message()));
    cap.text = std::move(*text);
    return cap;
}

Expected<void> Parser::readThresholds(const Entry& entry, TopicRules& rules, bool& handled) {
    int* target = entry.key == "大吉" ? &rules.greatGood
                  : entry.key == "吉" ? &rules.good
                  : entry.key == "凶" ? &rules.bad
                  : entry.key == "大凶" ? &rules.greatBad
                                        : nullptr;
    handled = target != nullptr;
    if (!target) return ok();
    std::optional<int> value = parseNumber(entry.value, -99, 99);
    if (!value) return fail(at(entry.line, "分界应为整数"));
    *target = *value;
    return ok();
}

Expected<void> Parser::readGeneral(const Section& section) {
    constexpr SlotSet kTimingSlots = slotBit(Slot::Thing) | slotBit(Slot::Palace) | slotBit(Slot::Branch);
    std::map<std::string_view, RuleTemplate*> timing = {{"应期.空亡", &book_.timing.voidFilled},
                                                        {"应期.入墓", &book_.timing.tombOpened},
                                                        {"应期.旺相", &book_.timing.strong},
                                                        {"应期.平", &book_.timing.even},
                                                        {"应期.囚死", &book_.timing.weak}};
    defaults_.greatGood = defaults_.good = defaults_.bad = defaults_.greatBad = 0;
    std::set<std::string_view> thresholds;
    for (const Entry& entry : section.entries) {
        bool handled = false;
        if (auto r = readThresholds(entry, defaults_, handled); !r) return r;
        if (handled) {
            thresholds.insert(entry.key);
            continue;
        }
        if (auto t = timing.find(entry.key); t != timing.end()) {
            auto parsed = RuleTemplate::parse(entry.value, kTimingSlots);
            if (!parsed) return fail(at(entry.line, parsed.message()));
            *t->second = std::move(*parsed);
            continue;
        }
        if (entry.key == "上限") {
            auto cap = readCap(entry);
            if (!cap) return fail(cap.message());
            generalCaps_.push_back(std::move(*cap));
            continue;
        }
        std::string_view named = entry.key;
        if (std::size_t dot = named.find('.'); dot != std::string_view::npos) {
            if (!roleOfWord(named.substr(0, dot))) return fail(at(entry.line, "通则中的限定只能是角色（人、事、用、忌）"));
            named = named.substr(dot + 1);
        }
        std::optional<KeyTarget> parsed = targetOfKey(named);
        if (!parsed || parsed->kind == KeyTarget::Kind::Companion || (parsed->kind == KeyTarget::Kind::Chart && named != entry.key))
            return fail(at(entry.line, "未知的规则“" + entry.key + "”"));
        if (general_.contains(entry.key)) return fail(at(entry.line, "规则“" + entry.key + "”重复"));
        auto effect = readEffect(entry, slotsOf(*parsed));
        if (!effect) return fail(effect.message());
        general_[entry.key] = *effect;
    }
    if (thresholds.size() != 4) return fail(at(section.line, "通则须给出大吉、吉、凶、大凶四个分界"));
    for (auto& [key, target] : timing)
        if (target->empty()) return fail(at(section.line, "通则缺少“" + std::string(key) + "”"));
    return ok();
}

Expected<void> Parser::readTombs(const Section& section) {
    constexpr std::string_view kElementNames[5] = {"水", "木", "火", "土", "金"};
    for (const Entry& entry : section.entries) {
        std::optional<chart::Palace> palace = palaceOfName(entry.value);
        if (!palace) return fail(at(entry.line, "墓应为八宫之一（坎、坤、震、巽、乾、兑、艮、离）"));
        std::optional<Thing> thing = thingOfName(entry.key);
        if (thing && thing->kind == ThingKind::Stem) {
            book_.stemTomb[thing->code] = *palace;
            continue;
        }
        bool found = false;
        for (int e = 0; e < 5; ++e)
            if (kElementNames[e] == entry.key) {
                book_.elementTomb[static_cast<std::size_t>(e)] = *palace;
                found = true;
            }
        if (!found) return fail(at(entry.line, "墓的键应为天干（乙至癸）或五行"));
    }
    for (int s = 0; s < 10; ++s)
        if (s != chart::kStemJia && book_.stemTomb[static_cast<std::size_t>(s)] == 0)
            return fail(at(section.line, "墓缺少" + std::string(chart::stemText(s))));
    for (int e = 0; e < 5; ++e)
        if (book_.elementTomb[static_cast<std::size_t>(e)] == 0)
            return fail(at(section.line, "墓缺少" + std::string(kElementNames[e])));
    return ok();
}

Expected<void> Parser::readPunishments(const Section& section) {
    for (const Entry& entry : section.entries) {
        std::optional<Thing> thing = thingOfName(entry.key);
        std::optional<chart::Palace> palace = palaceOfName(entry.value);
        if (!thing || thing->kind != ThingKind::Stem) return fail(at(entry.line, "刑的键应为天干（乙至癸）"));
        if (!palace) return fail(at(entry.line, "刑的值应为八宫之一"));
        book_.punishment[thing->code] = *palace;
    }
    return ok();
}

Expected<void> Parser::readDirections(const Section& section) {
    DirectionWeights& w = book_.directions;
    std::vector<const Entry*> specific;  // pattern names, applied over 吉格/凶格
    for (const Entry& entry : section.entries) {
        std::optional<int> weight = parseNumber(entry.value, -9, 9);
        if (!weight) return fail(at(entry.line, "出行方位的值应为-9到9的整数"));
        std::map<std::string_view, int*> plain = {{"空亡", &w.voidBranch},  {"击刑", &w.punishment},
                                                  {"门迫", &w.doorPressing}, {"宫迫", &w.palacePressing},
                                                  {"入墓", &w.tomb},        {"驿马", &w.horse}};
        if (auto p = plain.find(entry.key); p != plain.end()) {
            *p->second = *weight;
        } else if (entry.key == "吉格" || entry.key == "凶格") {
            bool good = entry.key == "吉格";
            for (int i = 0; i < kPatternSlots; ++i)
                if ((i < patterns::kAuspiciousPatternCount) == good) w.pattern[static_cast<std::size_t>(i)] = *weight;
        } else if (!patternSlotsOfName(entry.key).empty()) {
            specific.push_back(&entry);
        } else if (std::optional<Thing> thing = thingOfName(entry.key); thing && thing->kind == ThingKind::Door) {
            w.door[thing->code] = *weight;
        } else if (thing && thing->kind == ThingKind::Star) {
            w.star[thing->code] = *weight;
        } else if (thing && thing->kind == ThingKind::Deity) {
            w.deity[thing->code] = *weight;
        } else {
            return fail(at(entry.line, "出行方位不认识“" + entry.key + "”"));
        }
    }
    for (const Entry* entry : specific)
        for (int slot : patternSlotsOfName(entry->key)) w.pattern[static_cast<std::size_t>(slot)] = *parseNumber(entry->value, -9, 9);
    return ok();
}

Expected<void> Parser::readTopic(Topic topic, const Section& section) {
    TopicRules& rules = book_.topics[static_cast<std::size_t>(topic)];
    rules.greatGood = defaults_.greatGood;
    rules.good = defaults_.good;
    rules.bad = defaults_.bad;
    rules.greatBad = defaults_.greatBad;
    rules.caps = generalCaps_;

    // Elements first, so that rules may name any of them.
    std::map<std::string, int, std::less<>> elementOf;
    std::vector<std::pair<const Entry*, std::string_view>> counterpartLists;
    for (const Entry& entry : section.entries) {
        std::optional<Thing> thing = thingOfName(entry.key);
        if (!thing) continue;
        std::vector<std::string_view> fields = split(entry.value, '|');
        std::optional<Role> role = roleOfWord(fields[0]);
        if (!role || fields.size() < 2 || fields.size() > 3 || fields[1].empty())
            return fail(at(entry.line, "取用应写作“角色 | 义 | 相较者”，角色为人、事、用或忌"));
        if (elementOf.contains(entry.key)) return fail(at(entry.line, "“" + entry.key + "”重复取用"));
        elementOf[entry.key] = static_cast<int>(rules.elements.size());
        Element element;
        element.thing = *thing;
        element.role = *role;
        element.meaning = std::string(fields[1]);
        element.own.fill(kNoEffect);
        element.patterns.fill(kNoEffect);
        rules.elements.push_back(std::move(element));
        counterpartLists.emplace_back(&entry, fields.size() == 3 ? fields[2] : std::string_view());
    }
    bool useful = false;
    for (const Element& e : rules.elements) useful = useful || e.role == Role::Useful || e.role == Role::Adverse;
    if (!useful) return fail(at(section.line, "[" + std::string(topicName(topic)) + "]没有取用神（用或忌）"));

    for (std::size_t i = 0; i < rules.elements.size(); ++i) {
        Element& element = rules.elements[i];
        auto [entry, list] = counterpartLists[i];
        std::vector<std::string_view> names;
        if (!list.empty()) {
            if (list != "无") names = words(list);
        } else if (element.role == Role::Matter) {
            names = {"日干"};
        } else if (element.role != Role::Asker) {
            names = {"日干", "时干"};
        }
        for (std::string_view name : names) {
            auto found = elementOf.find(name);
            if (found == elementOf.end()) {
                if (!list.empty()) return fail(at(entry->line, "相较者“" + std::string(name) + "”没有取用"));
                continue;  // a default counterpart the topic does not use
            }
            if (found->second == static_cast<int>(i)) return fail(at(entry->line, "不能与自身相较"));
            element.counterparts.push_back(found->second);
        }
    }

    RuleMap topicRules;
    bool timing = false;
    for (const Entry& entry : section.entries) {
        if (elementOf.contains(entry.key)) continue;
        bool handled = false;
        if (auto r = readThresholds(entry, rules, handled); !r) return r;
        if (handled) continue;
        if (entry.key == "应期") {
            auto found = elementOf.find(entry.value);
            if (found == elementOf.end()) return fail(at(entry.line, "应期应为已取用的一项"));
            rules.timingElement = found->second;
            timing = true;
            continue;
        }
        if (entry.key == "上限") {
            auto cap = readCap(entry);
            if (!cap) return fail(cap.message());
            rules.caps.push_back(std::move(*cap));
            continue;
        }
        std::string_view named = entry.key;
        std::size_t plus = named.find('+');
        std::size_t dot = named.find('.');
        if (plus != std::string_view::npos) {
            if (!elementOf.contains(named.substr(0, plus)))
                return fail(at(entry.line, "“" + std::string(named.substr(0, plus)) + "”没有取用"));
        } else if (dot != std::string_view::npos) {
            std::string_view qualifier = named.substr(0, dot);
            if (!roleOfWord(qualifier) && !elementOf.contains(qualifier))
                return fail(at(entry.line, "“" + std::string(qualifier) + "”既非角色也未取用"));
            named = named.substr(dot + 1);
        }
        std::optional<KeyTarget> parsed = targetOfKey(named);
        if (!parsed || (parsed->kind == KeyTarget::Kind::Chart && named != entry.key))
            return fail(at(entry.line, "未知的规则“" + entry.key + "”"));
        if (topicRules.contains(entry.key)) return fail(at(entry.line, "规则“" + entry.key + "”重复"));
        auto effect = readEffect(entry, slotsOf(*parsed));
        if (!effect) return fail(effect.message());
        topicRules[entry.key] = *effect;
    }
    if (!timing) return fail(at(section.line, "[" + std::string(topicName(topic)) + "]缺少应期"));
    if (rules.good <= rules.bad || rules.greatGood < rules.good || rules.greatBad > rules.bad)
        return fail(at(section.line, "分界应满足 大凶 ≤ 凶 < 吉 ≤ 大吉"));

    std::set<std::string, std::less<>> used;
    if (auto r = resolveTopic(rules, topicRules, used); !r) return r;
    for (const Entry& entry : section.entries)
        if (topicRules.contains(entry.key) && !used.contains(entry.key))
            return fail(at(entry.line, "规则“" + entry.key + "”不适用于任何取用"));
    return ok();
}

EffectRef Parser::resolve(const RuleMap& topicRules, std::set<std::string, std::less<>>& used,
                          std::string_view element, Role role, std::initializer_list<std::string_view> keys) const {
    const std::string roleWord(kRoleWords[static_cast<std::size_t>(role)]);
    auto look = [&](const RuleMap& map, const std::string& key, bool mark) -> EffectRef {
        auto found = map.find(key);
        if (found == map.end()) return kNoEffect;
        if (mark) used.insert(key);
        return found->second;
    };
    for (const std::string& prefix : {std::string(element) + ".", roleWord + ".", std::string()})
        for (std::string_view key : keys)
            if (EffectRef ref = look(topicRules, prefix + std::string(key), true); ref != kNoEffect) return ref;
    for (const std::string& prefix : {roleWord + ".", std::string()})
        for (std::string_view key : keys)
            if (EffectRef ref = look(general_, prefix + std::string(key), false); ref != kNoEffect) return ref;
    return kNoEffect;
}

Expected<void> Parser::resolveTopic(TopicRules& rules, RuleMap& topicRules, std::set<std::string, std::less<>>& used) {
    for (int c = 0; c < kChartFeatureCount; ++c) {
        std::string key(featureKey(chartFeature(c)));
        auto look = [&](const RuleMap& map) {
            auto found = map.find(key);
            return found == map.end() ? kNoEffect : found->second;
        };
        EffectRef ref = look(topicRules);
        if (ref != kNoEffect) used.insert(key);
        rules.chart[static_cast<std::size_t>(c)] = ref != kNoEffect ? ref : look(general_);
    }
    for (Element& element : rules.elements) {
        const std::string_view name = thingName(element.thing);
        for (int f = 0; f < kOwnFeatureCount; ++f)
            element.own[static_cast<std::size_t>(f)] =
                resolve(topicRules, used, name, element.role, {featureKey(static_cast<Feature>(f))});
        for (int other : element.counterparts) {
            std::array<EffectRef, kRelationCount> refs{};
            for (int r = 0; r < kRelationCount; ++r) {
                std::string generic(featureKey(relationFeature(r)));
                std::string concrete = generic;
                concrete.replace(concrete.find("对"), std::string_view("对").size(),
                                 thingName(rules.elements[static_cast<std::size_t>(other)].thing));
                refs[static_cast<std::size_t>(r)] = resolve(topicRules, used, name, element.role, {concrete, generic});
            }
            element.relations.push_back(refs);
        }
        for (int i = 0; i < kPatternSlots; ++i) {
            std::string pattern(patterns::patternName(patterns::patternCodeOfIndex(i)));
            std::string_view kind = i < patterns::kAuspiciousPatternCount ? "吉格" : "凶格";
            element.patterns[static_cast<std::size_t>(i)] = resolve(topicRules, used, name, element.role, {pattern, kind});
        }
        const std::string prefix = std::string(name) + "+";
        for (const auto& [key, ref] : topicRules) {
            if (!key.starts_with(prefix)) continue;
            element.companions.push_back({*thingOfName(std::string_view(key).substr(prefix.size())), ref});
            used.insert(key);
        }
    }
    return ok();
}

Expected<RuleBook> Parser::run(std::string_view text) {
    if (auto r = readSections(text); !r) return fail(r.message());
    auto section = [&](std::string_view name) -> const Section* {
        auto found = sections_.find(name);
        return found == sections_.end() ? nullptr : &found->second;
    };
    for (std::string_view required : {"通则", "墓", "刑", "出行方位"})
        if (!section(required)) return fail("规则文件缺少节[" + std::string(required) + "]");
    if (auto r = readGeneral(*section("通则")); !r) return fail(r.message());
    if (auto r = readTombs(*section("墓")); !r) return fail(r.message());
    if (auto r = readPunishments(*section("刑")); !r) return fail(r.message());
    if (auto r = readDirections(*section("出行方位")); !r) return fail(r.message());
    for (int t = 0; t < kTopicCount; ++t) {
        const Section* topic = section(kTopicNames[static_cast<std::size_t>(t)]);
        if (!topic) return fail("规则文件缺少节[" + std::string(kTopicNames[static_cast<std::size_t>(t)]) + "]");
        if (auto r = readTopic(static_cast<Topic>(t), *topic); !r) return fail(r.message());
    }
    return std::move(book_);
}

}  // namespace

std::string_view verdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::GreatBad: return "大凶";
    case Verdict::Bad: return "凶";
    case Verdict::Even: return "平";
    case Verdict::Good: return "吉";
    case Verdict::GreatGood: return "大吉";
    }
    return {};
}

std::optional<Verdict> verdictOfText(std::string_view text) {
    for (int v = -2; v <= 2; ++v)
        if (verdictText(static_cast<Verdict>(v)) == text) return static_cast<Verdict>(v);
    return std::nullopt;
}

Expected<RuleBook> parseRules(std::string_view text) { return Parser().run(text); }

const Expected<RuleBook>& builtInRules() {
    static const Expected<RuleBook> book = parseRules(builtInRuleText());
    return book;
}

}  // namespace qimen::judgement
