// Case store commands. Each opens the store of the data root, does one
// operation and reports the store's reason on failure (exit 1). Adding and
// editing check every input before anything is written.
#include "cases_command.hpp"

#include <charconv>
#include <filesystem>
#include <optional>

#include <nlohmann/json.hpp>

#include "cases/case_store.hpp"
#include "cases/chart_rich_text.hpp"
#include "cases/class_list.hpp"
#include "cases/rtf_writer.hpp"
#include "chart_request_options.hpp"
#include "date_argument.hpp"
#include "files/file_io.hpp"
#include "files/fixed_fields.hpp"
#include "files/window_settings.hpp"
#include "json_fields.hpp"
#include "user_data.hpp"
#include "workflow/chart_driver.hpp"

namespace qimen::cli {
namespace {

using nlohmann::json;

// Cases listed when no --all is given, as the main window lists at start-up.
constexpr std::int32_t kFirstListed = 300;

cases::CaseStore openStore() {
    cases::CaseStore store(preparedDataRoot());
    succeedOrError(store.open());
    return store;
}

json caseJson(std::int32_t n, const cases::CaseRecord& r, const std::filesystem::path& commentary) {
    json j{{"id", n},
           {"askerName", r.askerName},
           {"className", r.className},
           {"date", momentJson(r.date)},
           {"dateText", cases::caseDateText(r)},
           {"lunarInput", r.lunarInput},
           {"leapMonth", r.leapMonth},
           {"provinceIndex", r.provinceIndex},
           {"cityIndex", r.cityIndex},
           {"longitude", r.longitude},
           {"latitude", r.latitude},
           {"placeName", r.placeName},
           {"matter", r.matter},
           {"notes", r.notes},
           {"method", r.method},
           {"givenJu", r.givenJu}};
    j["commentaryFile"] = std::filesystem::exists(commentary) ? json(commentary.string()) : json(nullptr);
    return j;
}

// The case list: ID, 求测人, 日期, 类别, 占问事宜, one case a line.
void printList(CommandContext& context, cases::CaseStore& store, const std::vector<std::int32_t>& numbers, bool asJson) {
    auto live = valueOrError(store.readLive(numbers));
    if (asJson) {
        json list = json::array();
        for (auto& [n, image] : live) list.push_back(caseJson(n, cases::decodeCaseRecord(image), store.commentaryPath(n)));
        context.out << list.dump(2) << '\n';
        return;
    }
    context.out << "ID\t求测人\t日期\t类别\t占问事宜\n";
    for (auto& [n, image] : live) {
        auto r = cases::decodeCaseRecord(image);
        context.out << n << '\t' << r.askerName << '\t' << cases::caseDateText(r) << '\t' << r.className << '\t'
                    << r.matter << '\n';
    }
    if (!store.lastWarning().empty()) context.err << "qimen: " << store.lastWarning() << '\n';
}

class CasesListCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("list", "list the cases (the first 300, or all with --all)");
        sub->add_flag("--all", all_, "list every live case");
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        auto store = openStore();
        std::vector<std::int32_t> numbers;
        if (all_) {
            auto header = valueOrError(store.header());
            if (header.slotCount == 0) throw CommandError("没有记录，无从查找。");
            numbers = valueOrError(store.filteredScan({}));
            if (numbers.empty()) throw CommandError("没有找到符合条件的事例。");
        } else {
            for (std::int32_t n = 0; n < kFirstListed; ++n) numbers.push_back(n);
        }
        printList(context, store, numbers, json_);
        return 0;
    }

private:
    bool all_ = false;
    bool json_ = false;
};

class CasesShowCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("show", "show every field of one case");
        sub->add_option("id", id_, "case number")->required();
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        auto store = openStore();
        auto r = cases::decodeCaseRecord(valueOrError(store.read(id_)));
        auto j = caseJson(id_, r, store.commentaryPath(id_));
        if (json_) {
            context.out << j.dump(2) << '\n';
            return 0;
        }
        context.out << "ID: " << id_ << "\n求测人: " << r.askerName << "\n日期: " << cases::caseDateText(r) << ' '
                    << r.date.hour << ':' << (r.date.minute < 10 ? "0" : "") << r.date.minute << "\n类别: " << r.className
                    << "\n占问事宜: " << r.matter << "\n地点: " << r.placeName << " (" << r.longitude << ", "
                    << r.latitude << ")\n盘式: " << int(r.method);
        if (r.method == cases::kManualJuMethod) context.out << " 局: " << int(r.givenJu);
        context.out << "\n附加信息: " << r.notes << '\n';
        if (!j["commentaryFile"].is_null()) context.out << "评注: " << j["commentaryFile"].get<std::string>() << '\n';
        return 0;
    }

private:
    std::int32_t id_ = -1;
    bool json_ = false;
};

// The initial text of the classification dialog's notes.
constexpr const char* kDefaultNotes = "备注:";

// Notes as the dialogs store them: lines ended by CR LF (a lone LF becomes
// CR LF), at most kNotesMax GBK bytes.
std::string checkedNotes(const std::string& given) {
    std::string notes;
    for (std::size_t i = 0; i < given.size(); ++i) {
        if (given[i] == '\n' && (i == 0 || given[i - 1] != '\r')) notes += '\r';
        notes += given[i];
    }
    return checkedGbkText(notes, cases::kNotesMax, "--notes");
}

// The case of a chart request: its inputs, the method code taken before the
// chart is laid (a given-ju chart keeps 250), class and notes.
cases::CaseRecord caseFromRequest(const chart::ChartRequest& request, std::string className, std::string notes) {
    cases::CaseRecord r;
    r.askerName = request.askerName;
    r.className = std::move(className);
    r.date = request.inputDate;
    r.lunarInput = request.lunarInput;
    r.leapMonth = request.leapMonth;
    r.provinceIndex = request.provinceIndex;
    r.cityIndex = request.cityIndex;
    r.longitude = request.longitude;
    r.latitude = request.latitude;
    r.notes = std::move(notes);
    r.matter = request.matter;
    r.method = static_cast<std::uint8_t>(request.method);
    r.givenJu = request.method == chart::ChartMethod::GivenJuHour ? request.givenJu : 0;
    r.placeName = request.placeName;
    return r;
}

class CasesAddCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("add", "lay a chart and save it as a new case with its commentary file");
        inputs_.attachAll(*sub);
        classOption_ = sub->add_option("--class", class_, "类别 (default: the first of the class list)");
        sub->add_option("--notes", notes_, "附加信息")->default_str(kDefaultNotes);
        return sub;
    }
    int run(CommandContext& context) override {
        chart::ChartRequest request = inputs_.request(context);
        if (request.askerName.empty()) throw CommandError("姓名不能为空");
        if (request.matter.empty()) throw CommandError("占问事宜不能为空");
        std::filesystem::path root = preparedDataRoot();
        std::string className = class_;
        if (classOption_->count() == 0) {
            // The first class of the list; a user with no classes yet gets
            // the class the case dialogs show for a missing one.
            auto classes = cases::readClassList(root, cases::MissingClass::AsTemporary).valueOr({});
            className = classes.empty() ? cases::kMissingClassName : classes.front();
        }
        if (className.empty()) throw CommandError("类别名不能为空");
        checkedGbkText(className, cases::kClassNameMax, "--class");
        std::string notes = checkedNotes(notes_);
        if (notes.empty()) throw CommandError("附加信息不能为空");
        auto image = valueOrError(cases::encodeCaseRecord(caseFromRequest(request, className, notes)));

        std::optional<render::StyledText> shown;
        workflow::ChartEnvironment environment;
        environment.dataRoot = root;
        environment.adjustSettings = inputs_.settingsAdjustment();
        environment.showOutput = [&](render::StyledText&& text) { shown = std::move(text); };
        environment.judgeMatter = true;  // the commentary is the chart `qimen chart` shows
        auto record = std::make_unique<chart::ChartRecord>();
        succeedOrError(workflow::drawChart(*record, request, environment));

        auto pane = files::readWindowSettings(root).valueOr(files::WindowSettings{});
        std::string rtf = cases::writeRtf(
            cases::richTextFromChartOutput(shown.value_or(render::StyledText{}), static_cast<int>(pane.fontSize)),
            pane.fontName);

        auto store = openStore();
        std::int32_t n = valueOrError(store.append(image));
        auto commentary = store.commentaryPath(n);
        try {
            files::replaceFileAtomically(commentary, rtf);
        } catch (const std::exception& e) {
            // The record stays: it is whole and listed; only its commentary is missing.
            throw CommandError("case " + std::to_string(n) + " was saved without its commentary file: " + e.what());
        }
        context.out << "ID: " << n << "\n评注: " << commentary.string() << '\n';
        return 0;
    }

private:
    ChartRequestOptions inputs_;
    std::string class_;
    CLI::Option* classOption_ = nullptr;
    std::string notes_ = kDefaultNotes;
};

class CasesEditCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand(
            "edit",
            "change a case's moment, asker, matter, class or notes (its chart and commentary file stay); "
            "--at replaces the whole moment, so give --lunar and --leap again for a lunar date");
        sub->add_option("id", id_, "case number")->required();
        inputs_.attachMoment(*sub);
        sub->get_option("--at")->default_str("");  // an edit keeps the stored moment unless --at is given
        inputs_.attachTexts(*sub);
        classOption_ = sub->add_option("--class", class_, "类别");
        notesOption_ = sub->add_option("--notes", notes_, "附加信息");
        return sub;
    }
    int run(CommandContext& context) override {
        bool classGiven = classOption_->count() > 0, notesGiven = notesOption_->count() > 0;
        if (!inputs_.momentGiven() && !inputs_.nameGiven() && !inputs_.matterGiven() && !classGiven && !notesGiven)
            throw CommandError("nothing to change: give --at, --name, --matter, --class or --notes");
        if (inputs_.momentGiven() && !inputs_.atGiven()) throw CommandError("--lunar and --leap go with --at");

        auto store = openStore();
        cases::CaseRecord r = cases::decodeCaseRecord(valueOrError(store.read(id_)));
        if (inputs_.atGiven()) {
            auto moment = inputs_.moment(context);
            r.date = moment.date;
            r.lunarInput = moment.lunarInput;
            r.leapMonth = moment.leapMonth;
        }
        if (inputs_.nameGiven()) r.askerName = inputs_.askerName();
        if (inputs_.matterGiven()) r.matter = inputs_.matter();
        if (classGiven) r.className = checkedGbkText(class_, cases::kClassListNameMax, "--class");
        if (notesGiven) r.notes = checkedNotes(notes_);
        if (r.askerName.empty()) throw CommandError("姓名不能为空");
        if (r.notes.empty()) throw CommandError("附加信息不能为空");
        if (r.className.empty()) throw CommandError("类别不能为空");
        if (r.matter.empty()) throw CommandError("占问事宜不能为空");
        succeedOrError(store.update(id_, valueOrError(cases::encodeCaseRecord(r))));
        context.out << "完成\n";
        return 0;
    }

private:
    std::int32_t id_ = -1;
    ChartRequestOptions inputs_;
    std::string class_, notes_;
    CLI::Option* classOption_ = nullptr;
    CLI::Option* notesOption_ = nullptr;
};

class CasesDeleteCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("delete", "delete a case and its commentary file");
        sub->add_option("id", id_, "case number")->required();
        return sub;
    }
    int run(CommandContext& context) override {
        auto store = openStore();
        succeedOrError(store.markDeleted(id_));
        std::error_code error;
        std::filesystem::remove(store.commentaryPath(id_), error);
        if (error) context.err << "qimen: the commentary file was kept: " << error.message() << '\n';
        context.out << "完成\n";
        return 0;
    }

private:
    std::int32_t id_ = -1;
};

class CasesFindCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("find", "list the cases matching name, class, matter and years");
        sub->add_option("--name", name_, "name contains (or equals, with --exact)");
        sub->add_option("--class", class_, "class contains (or equals, with --exact)");
        sub->add_option("--matter", matter_, "matter contains (or equals, with --exact)");
        sub->add_flag("--exact", exact_, "texts must be equal, not contained");
        sub->add_option("--years", years_, "range of years A..B as written (-120 is 120 BCE)");
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        cases::CaseFilter filter;
        auto mode = exact_ ? cases::TextMatch::Equals : cases::TextMatch::Contains;
        if (!name_.empty()) filter.name = name_, filter.nameMode = mode;
        if (!class_.empty()) filter.className = class_, filter.classMode = mode;
        if (!matter_.empty()) filter.matter = matter_, filter.matterMode = mode;
        if (!years_.empty()) {
            auto dots = years_.find("..", 1);
            if (dots == std::string::npos) throw CommandError("--years takes A..B, e.g. 2004..2008");
            filter.yearRange = true;
            filter.yearFrom = static_cast<std::int16_t>(parseUserYear(years_.substr(0, dots)));
            filter.yearTo = static_cast<std::int16_t>(parseUserYear(years_.substr(dots + 2)));
        }
        auto store = openStore();
        if (store.slotCount() == 0) throw CommandError("没有记录，无从查找。");
        std::vector<std::int32_t> numbers = valueOrError(store.filteredScan(filter));
        if (numbers.empty()) throw CommandError("没有找到符合条件的事例。");
        printList(context, store, numbers, json_);
        return 0;
    }

private:
    std::string name_, class_, matter_, years_;
    bool exact_ = false;
    bool json_ = false;
};

class CasesExportCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("export", "copy the store and the commentary files into a folder");
        sub->add_option("folder", folder_, "target folder (created when missing)")->required();
        return sub;
    }
    int run(CommandContext& context) override {
        auto store = openStore();
        succeedOrError(store.exportTo(folder_));
        context.out << "成功导出，已保存到" << folder_ << "目录下\n";
        return 0;
    }

private:
    std::string folder_;
};

class CasesImportCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("import", "replace the store with an exported one (its qimen0.dat)");
        sub->add_option("file", file_, "the qimen0.dat of the exported store")->required();
        return sub;
    }
    int run(CommandContext& context) override {
        auto store = openStore();
        succeedOrError(store.importFrom(file_));
        context.out << "成功导入\n";
        return 0;
    }

private:
    std::string file_;
};

class CasesClearCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("clear", "delete every case and commentary file");
        sub->add_flag("--yes", yes_, "confirm: this cannot be undone");
        return sub;
    }
    int run(CommandContext& context) override {
        if (!yes_) throw CommandError("这将清除所有历史记录; add --yes to confirm");
        auto store = openStore();
        succeedOrError(store.clear());
        succeedOrError(store.open());
        context.out << "清除完成\n";
        return 0;
    }

private:
    bool yes_ = false;
};

}  // namespace

void addCaseCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<CasesListCommand>());
    commands.push_back(std::make_unique<CasesShowCommand>());
    commands.push_back(std::make_unique<CasesAddCommand>());
    commands.push_back(std::make_unique<CasesEditCommand>());
    commands.push_back(std::make_unique<CasesDeleteCommand>());
    commands.push_back(std::make_unique<CasesFindCommand>());
    commands.push_back(std::make_unique<CasesExportCommand>());
    commands.push_back(std::make_unique<CasesImportCommand>());
    commands.push_back(std::make_unique<CasesClearCommand>());
}

}  // namespace qimen::cli
