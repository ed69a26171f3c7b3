// `qimen search`: options fill the condition form's texts and flags, the
// form's own validation turns them into conditions, and the search engine
// scans the range; the result lines and the closing message are printed.
#include "search_command.hpp"

#include <unistd.h>

#include <atomic>
#include <csignal>
#include <iostream>

#include <nlohmann/json.hpp>

#include "chart/chart_settings.hpp"
#include "chart/vocabulary.hpp"
#include "chart_request_options.hpp"
#include "date_argument.hpp"
#include "search/condition_form.hpp"
#include "search/search_engine.hpp"
#include "terminal_text.hpp"
#include "user_data.hpp"

namespace qimen::cli {
namespace {

using search::ConditionForm;

constexpr const char* kHelp =
    "find the two-hour moments whose rotating-plate hour chart fits the conditions.\n"
    "Palaces are numbers 1..9 (坎1 坤2 震3 巽4 中5 乾6 兑7 艮8 离9); 0 leaves an item unused.\n"
    "Positions are NAME=PALACE, each option repeatable: deities 直符 螣蛇 太阴 六合 白虎 玄武 九地 九天\n"
    "(not the centre, 5 refused); stars 天英 … 天任 (or 英 … 任); stems 乙 丙 丁 戊 己 庚 辛 壬 癸;\n"
    "doors 景门 … 生门 (or 景 … 生; 5 refused). Leaders, patterns: comma-separated lists.\n"
    "Patterns are given by name or code: auspicious 0..26, inauspicious 0..27 or 10000..10027;\n"
    "the name 丙奇逢鼠 ticks both auspicious codes 2 and 3.";

std::atomic<bool> interrupted{false};

// 128 + SIGINT.
constexpr int kInterruptedExit = 130;

void onInterrupt(int) { interrupted.store(true); }

std::vector<std::string> splitList(const std::vector<std::string>& values) {
    std::vector<std::string> items;
    for (std::string value : values) {
        // A full-width comma separates items as well.
        for (std::size_t at; (at = value.find("，")) != std::string::npos;) value = value.substr(0, at) + "," + value.substr(at + 3);
        std::size_t from = 0;
        for (;;) {
            std::size_t comma = value.find(',', from);
            std::string item = value.substr(from, comma == std::string::npos ? std::string::npos : comma - from);
            if (!item.empty()) items.push_back(item);
            if (comma == std::string::npos) break;
            from = comma + 1;
        }
    }
    return items;
}

// Column of a named item; the names are those of the form's headings,
// optionally without the 天 of stars or the 门 of doors.
int columnOf(const std::string& name, int columns, const std::function<std::string(int)>& heading,
             std::string_view shortPrefix, std::string_view shortSuffix, const char* what) {
    for (int i = 0; i < columns; ++i) {
        std::string full = heading(i);
        if (name == full) return i;
        std::string shortName = full;
        if (!shortPrefix.empty() && shortName.rfind(shortPrefix, 0) == 0) shortName.erase(0, shortPrefix.size());
        if (!shortSuffix.empty() && shortName.size() > shortSuffix.size() &&
            shortName.compare(shortName.size() - shortSuffix.size(), shortSuffix.size(), shortSuffix) == 0)
            shortName.erase(shortName.size() - shortSuffix.size());
        if (name == shortName) return i;
    }
    throw CommandError(std::string(what) + ": no item \"" + name + "\"");
}

template <std::size_t N>
void setPositions(const std::vector<std::string>& values, std::array<std::string, N>& cells,
                  const std::function<std::string(int)>& heading, std::string_view prefix, std::string_view suffix,
                  const char* what) {
    for (const std::string& value : values) {
        auto eq = value.find('=');
        if (eq == std::string::npos) throw CommandError(std::string(what) + " takes NAME=PALACE, not \"" + value + "\"");
        int column = columnOf(value.substr(0, eq), static_cast<int>(N), heading, prefix, suffix, what);
        cells[static_cast<std::size_t>(column)] = value.substr(eq + 1);
    }
}

// Ticks the patterns named or numbered in `items` among `count` entries
// named by `name`; `codeBase` is the alternative numbering (10000 for 凶格).
template <std::size_t N>
void tickPatterns(const std::vector<std::string>& items, std::array<bool, N>& flags,
                  const std::function<std::string_view(int)>& name, int codeBase, const char* what) {
    for (const std::string& item : items) {
        bool ticked = false;
        for (std::size_t k = 0; k < N; ++k) {
            if (name(static_cast<int>(k)) == item) flags[k] = ticked = true;
        }
        if (ticked) continue;
        std::optional<int> code = search::readWholeNumber(item);
        if (code && codeBase != 0 && *code >= codeBase) *code -= codeBase;
        if (!code || *code < 0 || *code >= static_cast<int>(N))
            throw CommandError(std::string(what) + ": no pattern \"" + item + "\"");
        flags[static_cast<std::size_t>(*code)] = true;
    }
}



class SearchCommand : public Command {
public:
    std::string group() const override { return "search"; }
    bool standalone() const override { return true; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = &group;
        sub->description(kHelp);
        sub->add_option("--from", from_, "start \"YYYY-MM-DD HH:MM\" (1900..2050) or now");
        sub->add_option("--to", to_, "end \"YYYY-MM-DD HH:MM\" (1900..2050), not before the start");
        sub->add_option("--deity", deities_, "神盘: deity=palace, e.g. 直符=6");
        sub->add_option("--star", stars_, "九星: star=palace, e.g. 天心=1");
        sub->add_option("--heaven", heavenStems_, "天盘奇仪: stem=palace, e.g. 丙=9");
        sub->add_option("--door", doors_, "八门: door=palace, e.g. 开门=6");
        sub->add_option("--earth", earthStems_, "地盘奇仪: stem=palace, e.g. 戊=2");
        sub->add_flag("--all-deities", form_.deityAll, "all deity positions together (同时成立)");
        sub->add_flag("--all-stars", form_.starAll, "all star positions together");
        sub->add_flag("--all-heaven", form_.heavenStemAll, "all heaven-stem positions together");
        sub->add_flag("--all-doors", form_.doorAll, "all door positions together");
        sub->add_flag("--all-earth", form_.earthStemAll, "all earth-stem positions together");
        sub->add_option("--leader", leaders_, "值符 stars allowed, e.g. 天心,天任 (any one suffices)");
        sub->add_option("--leader-star-palace", form_.leaderStarEdit, "直符落宫 0..9");
        sub->add_option("--leader-door-palace", form_.leaderDoorEdit, "直使落宫 0..9");
        sub->add_option("--good", good_, "吉格 wanted, e.g. 飞鸟跌穴,青龙返首 or codes");
        sub->add_flag("--good-all", form_.goodPatternAll, "all wanted 吉格 together");
        sub->add_option("--avoid", avoid_, "凶格 to avoid, e.g. 大格,刑格 or codes");
        sub->add_flag("--avoid-all", form_.badPatternAll, "none of them may occur (else at least one absent)");
        sub->add_flag("--require-all", form_.allRequired, "every condition group must hold (条件同时成立)");
        sub->add_option("--listing", listing_, "print the chart of one result line, e.g. \"12:2008-05-03 14:00\"");
        sub->add_option("--set", settings_, "override a chart setting of dat/set.ini for this run (key=value)");
        sub->add_option("--avoid-term-minutes", avoidTermMinutes_,
                        "skip moments within N minutes of a solar term (a chart on a term is in doubt)")
            ->check(CLI::Range(0, 7 * 24 * 60));
        sub->add_flag("--json", json_, "print the result lines and the message as JSON");
        return sub;
    }

    int run(CommandContext& context) override {
        warnings_ = &context.err;
        settingsWarned_ = false;
        search::SearchEngine engine([this] { return loadSettings(); });
        engine.setAvoidTermMinutes(avoidTermMinutes_);
        if (!listing_.empty()) return runListing(context, engine);
        if (from_.empty() || to_.empty()) throw CommandError("search needs --from and --to (or --listing)");
        calendar::CivilDateTime start = parseMoment(from_, context.now);
        calendar::CivilDateTime end = parseMoment(to_, context.now);

        search::SearchConditions conditions;
        succeedOrError(search::acceptForm(buildForm(), conditions));

        bool bar = &context.err == &std::cerr && ::isatty(STDERR_FILENO);
        interrupted.store(false);
        auto previous = std::signal(SIGINT, onInterrupt);
        int shownPercent = -1;
        auto searched = engine.search(start, end, conditions, [&](const search::SearchProgress& p) {
            if (interrupted.load()) engine.requestCancel();
            if (!bar || p.maximum <= 0) return;
            int percent = static_cast<int>(std::min<long>(100, p.candidate * 100 / p.maximum));
            if (percent == shownPercent) return;
            shownPercent = percent;
            context.err << "\r[" << std::string(static_cast<std::size_t>(percent / 5), '#')
                        << std::string(static_cast<std::size_t>(20 - percent / 5), ' ') << "] " << percent << "% "
                        << p.found << std::flush;
        });
        std::signal(SIGINT, previous);
        if (bar && shownPercent >= 0) context.err << "\r" << std::string(40, ' ') << "\r" << std::flush;
        succeedOrError(searched);

        if (json_) {
            nlohmann::json j;
            j["results"] = nlohmann::json::array();
            for (std::size_t i = 0; i < engine.results().size(); ++i) {
                const std::string& line = engine.results()[i];
                j["results"].push_back({{"number", i + 1}, {"moment", line.substr(line.find(':') + 1)}, {"line", line}});
            }
            j["found"] = engine.results().size();
            j["cancelled"] = engine.cancelled();
            j["capped"] = !engine.cancelled() && engine.results().size() >= search::kMaxSearchResults;
            j["message"] = withoutCarriageReturns(engine.closingMessage());
            context.out << j.dump(2) << '\n';
        } else {
            for (const std::string& line : engine.results()) context.out << line << '\n';
            context.out << withoutCarriageReturns(engine.closingMessage()) << '\n';
        }
        // Stopped by Ctrl-C: what was found is printed, and the exit status says
        // the run was interrupted, as a shell expects of SIGINT.
        return engine.cancelled() && interrupted.load() ? kInterruptedExit : 0;
    }

private:
    chart::ChartSettings loadSettings() const {
        chart::ChartSettingsRead read = chart::readChartSettings(chart::chartSettingsPath(preparedDataRoot()));
        if (!read.problem.empty() && !settingsWarned_ && warnings_) *warnings_ << "qimen: warning: " << read.problem << '\n';
        settingsWarned_ = true;
        chart::ChartSettings settings = read.settings;
        for (const std::string& s : settings_) {
            auto [key, value] = parseSettingOverride(s);
            chart::setChartSetting(settings, key, value);
        }
        return settings;
    }

    int runListing(CommandContext& context, search::SearchEngine& engine) {
        engine.reloadSettings();
        auto text = engine.listing(listing_);
        if (!text) throw CommandError("--listing takes a result line \"N:YYYY-MM-DD HH:MM\" of 1900..2050");
        if (json_) {
            nlohmann::json j{{"line", listing_}, {"text", *text}};
            context.out << j.dump(2) << '\n';
        } else {
            context.out << withoutCarriageReturns(*text);
        }
        return 0;
    }

    ConditionForm buildForm() const {
        ConditionForm form = form_;
        auto fromSecond = [](auto cells) {
            for (auto& c : cells) c = "0";
            return cells;
        };
        form.deityCells = fromSecond(form.deityCells);
        form.starCells = fromSecond(form.starCells);
        form.heavenStemCells = fromSecond(form.heavenStemCells);
        form.doorCells = fromSecond(form.doorCells);
        form.earthStemCells = fromSecond(form.earthStemCells);
        if (form.leaderStarEdit.empty()) form.leaderStarEdit = "0";
        if (form.leaderDoorEdit.empty()) form.leaderDoorEdit = "0";
        auto deity = [](int i) { return std::string(search::deityHeading(i)); };
        auto star = [](int i) { return search::starHeading(i); };
        auto stem = [](int i) { return std::string(search::stemHeading(i)); };
        auto door = [](int i) { return search::doorHeading(i); };
        setPositions(deities_, form.deityCells, deity, "", "", "--deity");
        setPositions(stars_, form.starCells, star, "天", "", "--star");
        setPositions(heavenStems_, form.heavenStemCells, stem, "", "", "--heaven");
        setPositions(doors_, form.doorCells, door, "", "门", "--door");
        setPositions(earthStems_, form.earthStemCells, stem, "", "", "--earth");
        for (const std::string& name : splitList(leaders_))
            form.leaderChoice[static_cast<std::size_t>(columnOf(name, 9, star, "天", "", "--leader"))] = true;
        tickPatterns(splitList(good_), form.goodPattern, search::goodPatternName, 0, "--good");
        tickPatterns(splitList(avoid_), form.badPattern, search::badPatternName, 10000, "--avoid");
        return form;
    }

    std::string from_;
    std::string to_;
    std::vector<std::string> deities_, stars_, heavenStems_, doors_, earthStems_;
    std::vector<std::string> leaders_, good_, avoid_, settings_;
    ConditionForm form_;
    std::string listing_;
    int avoidTermMinutes_ = 0;
    bool json_ = false;
    // Where the one warning about a damaged set.ini goes.
    std::ostream* warnings_ = nullptr;
    mutable bool settingsWarned_ = false;
};

}  // namespace

void addSearchCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<SearchCommand>());
}

}  // namespace qimen::cli
