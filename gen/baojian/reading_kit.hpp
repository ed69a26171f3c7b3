// What every 御定奇门宝鉴 reading is built from: the names of a chart's
// pieces, the weighing of one palace for a matter (its stems, patterns,
// door-palace relation, star, deity and void), the note that names the
// feature which decided it, and the outcome step that joins the palace's
// weight with the chart's verdict so that no matter of a 凶 chart promises
// success.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "baojian_chart.hpp"
#include "patterns/pattern_codes.hpp"

namespace qimen::gen {

// Door, star, deity and stem codes the readings name.
namespace piece {
inline constexpr chart::Door kJing = 0, kXiu = 1, kSi = 2, kShang = 3, kDu = 4, kKai = 6, kJingFear = 7,
                             kSheng = 8;
inline constexpr chart::Star kYing = 0, kPeng = 1, kRui = 2, kChong = 3, kFu = 4, kXinStar = 6, kRen = 8;
inline constexpr chart::Deity kZhiFu = 0, kTengShe = 1, kTaiYin = 2, kLiuHe = 3, kBaiHu = 5, kXuanWu = 6,
                              kJiuDi = 7, kJiuTian = 8;
inline constexpr calendar::StemCode kGui = 0, kYi = 2, kBing = 3, kDing = 4, kWu = 5, kJi = 6, kGeng = 7,
                                    kXin = 8, kRenStem = 9;
}  // namespace piece

bool isWonder(calendar::StemCode stem);
// The six echo patterns (九星伏吟 … 直符反吟): the plate's state, which the
// readings name as 伏吟 or 反吟 rather than as a palace's pattern.
bool isEchoPattern(patterns::PatternCode code);
// 休 开 生 are good doors; 死 伤 惊 and 杜 are read as inauspicious; 景 as
// middling (it takes the good doors' reading of the palace relation).
bool isGoodDoor(chart::Door door);
bool isBadDoor(chart::Door door);

// A star's and a deity's weight in a palace: +1 helping, −1 harming, 0.
int starWeight(chart::Star star);
int deityWeight(chart::Deity deity);

// How a palace's door-palace relation is read. The inauspicious doors read
// it the other way (凶门被克凶不起, 凶门得生祸难避): a palace restraining a
// 死 or 伤 door holds its harm down, a palace generating it feeds the harm.
enum class DoorUse {
    Door,    // the matter's own door stands here: read by that door's nature
    Palace,  // the palace is reached by a star or deity: its door counts too
};

// One feature of a palace with its weight for a matter and the words that
// name it ("得丙奇", "门迫", "犯大格"); words may be empty for a feature
// that only weighs. `rides` is true for what rides the palace (stems and
// patterns) and false for how the palace holds it (door, star, deity).
struct Note {
    int weight = 0;
    bool rides = false;
    std::string words;
};

// One of five wordings by outcome −2..2, each in two forms: the first when
// what rides the palace decided it, the second when the palace itself did.
struct Outcomes {
    const char* rides[5];
    const char* holds[5];
    const char* pick(int s, bool byRides) const { return (byRides ? rides : holds)[s + 2]; }
};

class Reader {
public:
    explicit Reader(const BaojianChart& chart) : c(chart) {}

    const BaojianChart& c;

    std::string P(int g) const { return std::string(palaceOf(g)); }
    std::string D(int g) const { return std::string(directionOf(g)); }
    std::string door(int g) const;   // "生门"
    std::string star(int g) const;   // "天任"
    std::string deity(int g) const;  // "六合"
    std::string heaven(int g) const;
    std::string earth(int g) const;
    const chart::PalaceCell& cell(int g) const { return c.cell(g); }
    bool has(int g, patterns::PatternCode code) const { return g != chart::kCentreCell && c.found(g).contains(code); }

    // The features of palace g, strongest first. `skipStar` and `skipDeity`
    // leave out the piece the matter itself is read from.
    std::vector<Note> notes(int g, DoorUse use, bool skipStar = false, bool skipDeity = false) const;
    // The palace's weight: −1, 0 or 1 from the sum of its notes and the
    // detector's score of the palace, plus `extra` (a matter's own signs).
    int weigh(int g, DoorUse use, int extra = 0, bool skipStar = false, bool skipDeity = false) const;
    // The outcome step −2..2 of a matter whose palace weighs q: the chart's
    // verdict sets the frame. A 凶 or 大凶 chart never reaches above 0, nor
    // does a palace that weighs −1; a good palace in a 吉 chart reaches 2.
    int outcome(int q) const;
    // The words naming the feature that decided an outcome s: the strongest
    // good note for s > 0, the worst for s < 0, both joined by "而" for 0.
    // `rides` tells which kind of feature it was (true when none).
    std::string decidingNote(const std::vector<Note>& notes, int s, bool* rides = nullptr) const;

    // The usual course of a matter read from palace g: its notes after the
    // matter's own (`own`, which weigh too; a note without words only
    // weighs), the outcome step, the deciding note and the wording of
    // `words` that outcome and note call for.
    struct Judged {
        int s = 0;
        std::string note;
        std::string outcome;
    };
    Judged judge(int g, DoorUse use, const Outcomes& words, std::vector<Note> own = {}, bool skipStar = false,
                 bool skipDeity = false) const;

    // "乘" and the heaven stem of g, or nothing when `note` names it already.
    std::string mounted(int g, std::string_view note) const;

    // The verdict step of the chart.
    int level() const { return c.level; }
};

// A matter's sentence from its parts at detail 0..2: the lead naming the
// pieces read (always), the extra naming their stems (detail 2), the note
// naming the deciding feature (detail ≥ 1) and the outcome (always).
std::string sentence(std::string_view lead, std::string_view extra, std::string_view note, std::string_view outcome,
                     int detail);

}  // namespace qimen::gen
