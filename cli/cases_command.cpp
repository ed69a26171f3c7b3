// Case store commands. Each opens the store of the data root, does one
// operation and reports the reason on failure (exit 1). Adding, editing,
// deleting and finding run the main window's workflows with the options as
// the window's inputs, so they check, refuse and store exactly as it does.
#include "cases_command.hpp"

#include <charconv>
#include <climits>
#include <filesystem>
#include <optional>

#include <nlohmann/json.hpp>

#include "cases/case_store.hpp"
#include "cases/class_list.hpp"
#include "chart_request_options.hpp"
#include "cli_prompter.hpp"
#include "files/window_settings.hpp"
#include "text/number_text.hpp"
#include "json_fields.hpp"
#include "user_data.hpp"
#include "workflow/case_search_form.hpp"
#include "workflow/consultation.hpp"
#include "workflow/input_lists.hpp"
#include "workflow/memory_pane.hpp"

namespace qimen::cli {
namespace {

using nlohmann::json;

// Cases listed when no --all is given, as the main window lists at start-up.
constexpr std::int32_t kFirstListed = 300;

// The store for a command that writes to it: a damaged store is refused with
// its damage and the way to repair it.
cases::CaseStore openStore() {
    cases::CaseStore store(preparedDataRoot());
    succeedOrError(store.open());
    return store;
}

// Names the folder where a clear or import kept the store it replaced.
void printBackup(CommandContext& context, const cases::CaseStore& store) {
    if (!store.lastBackup().empty()) context.out << "原有记录已备份到" << store.lastBackup().string() << "\n";
}

// The store for a command that only reads it, with what is wrong with it (""
// when sound): what can be read is shown, then the damage is reported. A
// store whose header cannot be read is refused at once.
std::pair<cases::CaseStore, std::string> openStoreForReading() {
    cases::CaseStore store(preparedDataRoot());
    auto opened = store.open();
    if (!opened && !store.header()) throw CommandError(opened.message());
    return {std::move(store), opened.message()};
}

// A case number as typed: decimal digits only ("0x1" and "1e0" are not 1).
std::int32_t caseNumber(const std::string& text) {
    auto n = text::parseDecimalInteger(text);
    if (!n || *n < INT32_MIN || *n > INT32_MAX) throw CommandError("\"" + text + "\" is not a case number");
    return static_cast<std::int32_t>(*n);
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

// The case list: ID, 求测人, 日期, 类别, 占问事宜, one case a line; then the
// store's damage, when it has any, as the command's failure.
void printList(CommandContext& context, cases::CaseStore& store, const std::vector<std::int32_t>& numbers, bool asJson,
               const std::string& damage) {
    auto live = valueOrError(store.readLive(numbers));
    if (asJson) {
        json list = json::array();
        for (auto& [n, image] : live) list.push_back(caseJson(n, cases::decodeCaseRecord(image), store.commentaryPath(n)));
        context.out << list.dump(2) << '\n';
        if (!damage.empty()) throw CommandError(damage);
        return;
    }
    context.out << "ID\t求测人\t日期\t类别\t占问事宜\n";
    for (auto& [n, image] : live) {
        auto r = cases::decodeCaseRecord(image);
        context.out << n << '\t' << r.askerName << '\t' << cases::caseDateText(r) << '\t' << r.className << '\t'
                    << r.matter << '\n';
    }
    if (!store.lastWarning().empty()) context.err << "qimen: " << store.lastWarning() << '\n';
    if (!damage.empty()) throw CommandError(damage);
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
        auto [store, damage] = openStoreForReading();
        std::vector<std::int32_t> numbers;
        if (all_) {
            auto header = valueOrError(store.header());
            numbers = valueOrError(store.filteredScan({}));
            if (numbers.empty() && !damage.empty()) throw CommandError(damage);
            if (header.slotCount == 0) throw CommandError("没有记录，无从查找。");
            if (numbers.empty()) throw CommandError("没有找到符合条件的事例。");
        } else {
            for (std::int32_t n = 0; n < kFirstListed; ++n) numbers.push_back(n);
        }
        printList(context, store, numbers, json_, damage);
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
        sub->add_option("id", idText_, "case number")->required();
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        id_ = caseNumber(idText_);
        auto [store, damage] = openStoreForReading();
        auto image = store.read(id_);
        if (!image) {
            if (damage.empty()) throw CommandError(image.message());
            context.err << "qimen: " << image.message() << '\n';
            throw CommandError(damage);
        }
        auto r = cases::decodeCaseRecord(*image);
        auto j = caseJson(id_, r, store.commentaryPath(id_));
        if (json_) {
            context.out << j.dump(2) << '\n';
            if (!damage.empty()) throw CommandError(damage);
            return 0;
        }
        context.out << "ID: " << id_ << "\n求测人: " << r.askerName << "\n日期: " << cases::caseDateText(r) << ' '
                    << r.date.hour << ':' << (r.date.minute < 10 ? "0" : "") << r.date.minute << "\n类别: " << r.className
                    << "\n占问事宜: " << r.matter << "\n地点: " << r.placeName << " (" << r.longitude << ", "
                    << r.latitude << ")\n盘式: " << int(r.method);
        if (r.method == cases::kManualJuMethod) context.out << " 局: " << int(r.givenJu);
        context.out << "\n附加信息: " << r.notes << '\n';
        if (!j["commentaryFile"].is_null()) context.out << "评注: " << j["commentaryFile"].get<std::string>() << '\n';
        if (!damage.empty()) throw CommandError(damage);
        return 0;
    }

private:
    std::string idText_;
    std::int32_t id_ = -1;
    bool json_ = false;
};

// The initial text of the classification dialog's notes.
constexpr const char* kDefaultNotes = "备注:";

// The main-window workflow over the data root, as the case commands drive
// it: an in-memory pane in the window's font, the tool's prompter, no
// automatic save after a chart (the command saves itself).
struct CaseDesk {
    CliPrompter prompter;
    workflow::MemoryPane pane;
    std::unique_ptr<workflow::Consultation> consultation;

    CaseDesk(const CommandContext& context, std::function<bool(workflow::ClassificationForm&)> classify = {},
             std::function<void(chart::ChartSettings&)> adjust = {}) {
        std::filesystem::path root = preparedDataRoot();
        auto read = files::readWindowSettings(root);
        // qminit.ini also holds the class list: a file that cannot be read
        // is named, and the case is still kept with the defaults.
        if (!read) context.err << "qimen: warning: " << read.message() << "; the defaults are used\n";
        auto window = read.valueOr(files::WindowSettings{});
        pane.setFont(workflow::PaneFont{window.fontName, static_cast<int>(window.fontSize)});
        workflow::ConsultationServices services;
        services.dataRoot = root;
        services.prompter = &prompter;
        services.pane = &pane;
        services.now = context.now;
        services.classify = std::move(classify);
        services.adjustSettings = [adjust = std::move(adjust)](chart::ChartSettings& settings) {
            if (adjust) adjust(settings);
            settings.save = false;
        };
        consultation = std::make_unique<workflow::Consultation>(std::move(services));
        files::WindowSettings unknownPlace;
        unknownPlace.province = workflow::kUnknownProvinceItem;
        consultation->start(unknownPlace);
        if (prompter.shown()) prompter.refuse();
    }
};

// The window's date inputs of a moment.
void setMomentInputs(workflow::ConsultationInputs& in, const calendar::CivilDateTime& date, bool lunar, bool leap) {
    in.yearText = workflow::yearTextOfStored(date.year);
    in.monthItem = date.month - 1;
    in.dayItem = date.day - 1;
    in.hourItem = date.hour;
    in.minuteItem = date.minute;
    in.lunar = lunar;
    in.leapMonth = leap;
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
        // The window's edits hold these lengths; longer options are refused
        // rather than cut.
        if (classOption_->count() > 0) checkedGbkText(class_, cases::kClassNameMax, "--class");
        checkedGbkText(notes_, workflow::ClassificationForm::kNotesMax, "--notes");
        chart::ChartRequest request = inputs_.request(context);
        workflow::PlaceChoice place = inputs_.place();

        auto classify = [&](workflow::ClassificationForm& form) {
            // A user with no classes yet gets the class the case dialogs show
            // for a missing one.
            if (classOption_->count() > 0) form.className = class_;
            else if (form.className.empty()) form.className = cases::kMissingClassName;
            form.notes = notes_;
            return form.confirm(desk_->prompter);
        };
        desk_ = std::make_unique<CaseDesk>(context, classify, inputs_.settingsAdjustment());
        auto& c = *desk_->consultation;
        auto& in = c.inputs();
        setMomentInputs(in, request.inputDate, request.lunarInput, request.leapMonth);
        in.name = request.askerName;
        in.matter = request.matter;
        c.selectProvince(place.provinceItem);
        in.cityItem = place.cityItem;
        bool drawn = false;
        if (request.method == chart::ChartMethod::GivenJuHour) {
            drawn = c.chartGivenJu(request.givenJu);
        } else {
            in.methodItem = workflow::itemOfMethod(request.method);
            drawn = c.chart();
        }
        if (!drawn) desk_->prompter.refuse();
        if (!c.save()) desk_->prompter.refuse();
        std::int32_t n = c.currentCase().caseNumber;
        if (desk_->prompter.shown()) desk_->prompter.refuse();  // saved, but its commentary file is missing
        context.out << "ID: " << n << "\n评注: " << c.store().commentaryPath(n).string() << '\n';
        return 0;
    }

private:
    ChartRequestOptions inputs_;
    std::string class_;
    CLI::Option* classOption_ = nullptr;
    std::string notes_ = kDefaultNotes;
    std::unique_ptr<CaseDesk> desk_;
};

class CasesEditCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand(
            "edit",
            "change a case's moment, asker, matter, class or notes (its chart and commentary file stay); "
            "--at replaces the whole moment, so give --lunar and --leap again for a lunar date");
        sub->add_option("id", idText_, "case number")->required();
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
        if (classGiven) checkedGbkText(class_, cases::kClassListNameMax, "--class");
        if (notesGiven) checkedGbkText(notes_, cases::kNotesMax - 1, "--notes");
        std::optional<ChartRequestOptions::Moment> moment;
        if (inputs_.atGiven()) moment = inputs_.moment(context);
        std::string name = inputs_.nameGiven() ? inputs_.askerName() : "";
        std::string matter = inputs_.matterGiven() ? inputs_.matter() : "";

        std::int32_t id = caseNumber(idText_);
        CaseDesk desk(context);
        auto& c = *desk.consultation;
        valueOrError(c.store().read(id));
        bool edited = c.editCase(id, [&](workflow::CaseEditForm& form) {
            if (moment) {
                workflow::ConsultationInputs in;
                setMomentInputs(in, moment->date, moment->lunarInput, moment->leapMonth);
                form.yearText = in.yearText;
                form.monthItem = in.monthItem, form.dayItem = in.dayItem;
                form.hourItem = in.hourItem, form.minuteItem = in.minuteItem;
                form.lunar = in.lunar, form.leapMonth = in.leapMonth;
            }
            if (inputs_.nameGiven()) form.name = name;
            if (inputs_.matterGiven()) form.matter = matter;
            if (classGiven) form.className = class_;
            if (notesGiven) form.notes = notes_;
            return form.save(desk.prompter);
        });
        if (!edited) desk.prompter.refuse();
        context.out << "完成\n";
        return 0;
    }

private:
    std::string idText_;
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
        sub->add_option("id", idText_, "case number")->required();
        return sub;
    }
    int run(CommandContext& context) override {
        std::int32_t id = caseNumber(idText_);
        CaseDesk desk(context);
        valueOrError(desk.consultation->store().read(id));
        if (!desk.consultation->deleteCase(id)) desk.prompter.refuse();
        context.out << "完成\n";
        return 0;
    }

private:
    std::string idText_;
};

class CasesFindCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("find", "list the cases matching name, class, matter and years");
        sub->add_option("--name", form_.name, "name contains (or equals, with --exact)");
        sub->add_option("--class", form_.className, "class contains (or equals, with --exact)");
        sub->add_option("--matter", form_.matter, "matter contains (or equals, with --exact)");
        sub->add_flag("--exact", exact_, "texts must be equal, not contained");
        sub->add_option("--years", years_, "range of years A..B as written (-120 is 120 BCE)");
        sub->add_flag("--json", json_, "print JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        form_.nameExact = form_.classExact = form_.matterExact = exact_;
        if (!years_.empty()) {
            auto dots = years_.find("..", 1);
            if (dots == std::string::npos) throw CommandError("--years takes A..B, e.g. 2004..2008");
            form_.yearFrom = years_.substr(0, dots);
            form_.yearTo = years_.substr(dots + 2);
        }
        auto [store, damage] = openStoreForReading();
        CliPrompter prompter;
        cases::CaseFilter filter;
        auto numbers = form_.search(filter, store, prompter);
        // What a damaged store hides is no "not found".
        if (!numbers && !damage.empty()) throw CommandError(damage);
        if (!numbers) prompter.refuse();
        printList(context, store, *numbers, json_, damage);
        return 0;
    }

private:
    workflow::CaseSearchForm form_;
    std::string years_;
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
        auto [store, damage] = openStoreForReading();
        succeedOrError(store.exportTo(folder_));
        if (!damage.empty()) throw CommandError("the store was copied as it is, damage included: " + damage);
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
        auto* sub = group.add_subcommand(
            "import", "replace the store with an exported one (its qimen0.dat); the old store is kept under dat/backup");
        sub->add_option("file", file_, "the qimen0.dat of the exported store")->required();
        return sub;
    }
    int run(CommandContext& context) override {
        // A damaged store may be replaced: nothing of it is read.
        cases::CaseStore store(preparedDataRoot());
        succeedOrError(store.importFrom(file_));
        context.out << "成功导入\n";
        printBackup(context, store);
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
        sub->add_flag("--yes", yes_, "confirm (the old store is kept under dat/backup first)");
        return sub;
    }
    int run(CommandContext& context) override {
        if (!yes_) throw CommandError("这将清除所有历史记录; add --yes to confirm");
        cases::CaseStore store(preparedDataRoot());
        succeedOrError(store.clear());
        context.out << "清除完成\n";
        printBackup(context, store);
        succeedOrError(store.open());
        return 0;
    }

private:
    bool yes_ = false;
};

class CasesRepairCommand : public Command {
public:
    std::string group() const override { return "cases"; }
    CLI::App* attach(CLI::App& group) override {
        return group.add_subcommand("repair",
                                    "rebuild a damaged store's header from the slots its files hold whole "
                                    "(a copy of the damaged file is kept as dat/qimen0.dat.damaged-N)");
    }
    int run(CommandContext& context) override {
        cases::CaseStore store(preparedDataRoot());
        auto repaired = store.repair();
        if (!repaired) throw CommandError(repaired.message());
        context.out << *repaired << '\n';
        return 0;
    }
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
    commands.push_back(std::make_unique<CasesRepairCommand>());
}

}  // namespace qimen::cli
