// Custom label class commands. Each opens dat/custom.dat of the data root,
// does one operation and answers with the system's own message; refusals
// and failures go to standard error with exit code 1.
#include "custom_command.hpp"

#include <charconv>

#include <nlohmann/json.hpp>

#include "chart_json.hpp"
#include "chart_request_options.hpp"
#include "custom/custom_chart_file.hpp"
#include "custom_class_json.hpp"
#include "files/file_io.hpp"
#include "terminal_text.hpp"
#include "text/gbk.hpp"
#include "user_data.hpp"
#include "workflow/custom_chart.hpp"

namespace qimen::cli {
namespace {

using custom::AliasCheck;
using custom::AliasGroup;
using custom::CustomChartFile;
using custom::CustomClass;

// Largest class file --from reads.
constexpr std::uint64_t kMaxJsonBytes = 1u << 20;

CustomChartFile openFile() {
    CustomChartFile file(CustomChartFile::pathIn(preparedDataRoot()));
    if (auto opened = file.open(); !opened) throw CommandError(opened.message());
    return file;
}

template <typename T>
T checked(Expected<T> result) {
    if (!result) throw CommandError(result.message());
    return std::move(*result);
}

// The class of that name, or CommandError with `unknownMessage`.
CustomClass readClass(CustomChartFile& file, const std::string& name, const char* unknownMessage) {
    std::optional<CustomClass> found = checked(file.readClass(name));
    if (!found) throw CommandError(unknownMessage);
    return *found;
}

// A group by its name in the messages (九星 …), its caption (值符), its
// control (GrdXing) or its JSON key (stars).
const custom::AliasGroupInfo& groupNamed(const std::string& name) {
    for (const auto& info : custom::aliasGroups())
        if (name == info.name || name == info.caption || name == info.control || name == customGroupKey(info.group))
            return info;
    std::string known;
    for (const auto& info : custom::aliasGroups()) known += (known.empty() ? "" : " ") + std::string(info.name);
    throw CommandError("\"" + name + "\" is not an alias group; the groups are " + known);
}

// A column by its number 1..N or by its default text (天芮, 景门 …).
std::size_t columnNamed(const custom::AliasGroupInfo& info, const std::string& index) {
    for (std::size_t i = 0; i < info.defaults.size(); ++i)
        if (index == info.defaults[i]) return i;
    std::size_t number = 0;
    auto [end, error] = std::from_chars(index.data(), index.data() + index.size(), number);
    if (error == std::errc() && end == index.data() + index.size() && number >= 1 && number <= info.defaults.size())
        return number - 1;
    throw CommandError("\"" + index + "\" is not a column of " + std::string(info.name) + ": give 1.." +
                       std::to_string(info.defaults.size()) + " or a heading such as " + std::string(info.defaults[0]));
}

// The check boxes as the command names them: the edit's group and the
// box's caption (日干天盘 …), or the window's control name.
AliasCheck checkNamed(const std::string& name) {
    static constexpr std::pair<const char*, AliasCheck> kNames[] = {
        {"日干天盘", AliasCheck::DayOnHeaven}, {"日干地盘", AliasCheck::DayOnEarth},
        {"时干天盘", AliasCheck::HourOnHeaven}, {"时干地盘", AliasCheck::HourOnEarth},
        {"使用直符", AliasCheck::LeaderStar},  {"使用直使", AliasCheck::LeaderDoor},
    };
    for (auto [text, check] : kNames)
        if (name == text) return check;
    for (const auto& info : custom::aliasChecks())
        if (name == info.control) return info.check;
    throw CommandError("\"" + name + "\" is not a check box; they are 日干天盘 日干地盘 时干天盘 时干地盘 使用直符 使用直使");
}

bool switchValue(const std::string& value) {
    if (value == "on" || value == "1" || value == "是") return true;
    if (value == "off" || value == "0" || value == "否") return false;
    throw CommandError("\"" + value + "\" is neither on nor off");
}

std::string yesNo(bool value) { return value ? "是" : "否"; }

// The class as the editor shows it: a line per group, aliases as stored.
void printClass(std::ostream& out, const CustomClass& c) {
    out << "类别:" << c.name << '\n';
    for (const auto& info : custom::aliasGroups()) {
        out << info.name << ':';
        auto cells = custom::aliasCells(c, info.group);
        for (std::size_t i = 0; i < cells.size(); ++i) out << (i ? " " : "") << cells[i];
        switch (info.group) {
        case AliasGroup::DayStem:
            out << "  天盘奇仪:" << yesNo(c.dayStemOnHeaven) << " 地盘奇仪:" << yesNo(c.dayStemOnEarth);
            break;
        case AliasGroup::HourStem:
            out << "  天盘奇仪:" << yesNo(c.hourStemOnHeaven) << " 地盘奇仪:" << yesNo(c.hourStemOnEarth);
            break;
        case AliasGroup::LeaderStar: out << "  使用直符:" << yesNo(c.useLeaderStar); break;
        case AliasGroup::LeaderDoor: out << "  使用直使:" << yesNo(c.useLeaderDoor); break;
        default: break;
        }
        out << '\n';
    }
}

class CustomListCommand : public Command {
public:
    std::string group() const override { return "custom"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("list", "list the custom label classes");
        sub->add_flag("--json", json_, "print the names as a JSON list");
        return sub;
    }
    int run(CommandContext& context) override {
        auto file = openFile();
        custom::ClassListing listing = checked(file.listClasses());
        if (json_) {
            context.out << nlohmann::json(listing.names).dump(2) << '\n';
        } else {
            for (const auto& name : listing.names) context.out << name << '\n';
        }
        // A damaged file is listed as far as it can be read, and said so.
        if (!listing.damage.empty()) throw CommandError(listing.damage);
        return 0;
    }

private:
    bool json_ = false;
};

class CustomShowCommand : public Command {
public:
    std::string group() const override { return "custom"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("show", "show the aliases of a class");
        sub->add_option("name", name_, "class name")->required();
        sub->add_flag("--json", json_, "print the class as JSON (the form custom add --from reads)");
        return sub;
    }
    int run(CommandContext& context) override {
        auto file = openFile();
        CustomClass c = readClass(file, name_, "找不到这个类别!");
        if (json_)
            context.out << customClassJson(c).dump(2) << '\n';
        else
            printClass(context.out, c);
        return 0;
    }

private:
    std::string name_;
    bool json_ = false;
};

class CustomAddCommand : public Command {
public:
    std::string group() const override { return "custom"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("add", "add a class (the default aliases unless --from is given)");
        sub->add_option("name", name_, "class name, at most 12 Chinese characters")->required();
        auto* defaults = sub->add_flag("--defaults", defaults_, "the aliases of 默认输入 (the default)");
        sub->add_option("--from", from_, "a JSON file in the form custom show --json prints")->excludes(defaults);
        return sub;
    }
    int run(CommandContext& context) override {
        if (!custom::isValidClassName(name_)) throw CommandError(custom::kClassNameMessage);
        CustomClass c = custom::defaultCustomClass();
        if (!from_.empty()) {
            std::string content;
            try {
                content = files::readWholeFile(from_, kMaxJsonBytes);
            } catch (const files::FileError& error) {
                throw CommandError(error.what());
            }
            auto parsed = nlohmann::json::parse(content, nullptr, false);
            if (parsed.is_discarded()) throw CommandError(from_ + " is not a JSON file");
            c = customClassFromJson(parsed);
        }
        c.name = name_;
        auto file = openFile();
        checked(file.addClass(c));
        context.out << "增加新类别成功!\n";
        return 0;
    }

private:
    std::string name_;
    bool defaults_ = false;
    std::string from_;
};

// Changes one thing of a stored class and writes it back as 保存 does.
class CustomChangeCommand : public Command {
public:
    std::string group() const override { return "custom"; }
    int run(CommandContext& context) override {
        auto file = openFile();
        const char* unknown = "找不到这个类别,无法完成修改";
        CustomClass c = readClass(file, name_, unknown);
        change(c);
        c.slotNumber = 0;
        if (!checked(file.updateClass(name_, c))) throw CommandError(unknown);
        context.out << "完成修改!\n";
        return 0;
    }

protected:
    virtual void change(CustomClass& c) = 0;
    std::string name_;
};

class CustomSetCommand : public CustomChangeCommand {
public:
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("set", "set one alias of a class");
        sub->add_option("name", name_, "class name")->required();
        sub->add_option("group", group_, "神盘阴遁 神盘阳遁 九星 天盘奇仪 八门 地盘奇仪 九宫 日干 时干 直符 直使")->required();
        sub->add_option("index", index_, "column 1..N or its heading (1 for 日干 … 直使)")->required();
        sub->add_option("alias", alias_, "one or two Chinese characters")->required();
        return sub;
    }

protected:
    void change(CustomClass& c) override {
        const auto& info = groupNamed(group_);
        custom::aliasCells(c, info.group)[columnNamed(info, index_)] = alias_;
        // The same check 保存 makes, with the group's own message.
        if (!custom::checkedAlias(alias_)) throw CommandError(custom::aliasErrorMessage(info.group));
    }

private:
    std::string group_, index_, alias_;
};

class CustomCheckCommand : public CustomChangeCommand {
public:
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("check", "tick or clear a check box of a class");
        sub->add_option("name", name_, "class name")->required();
        sub->add_option("box", box_, "日干天盘 日干地盘 时干天盘 时干地盘 使用直符 使用直使")->required();
        sub->add_option("value", value_, "on or off")->required();
        return sub;
    }

protected:
    void change(CustomClass& c) override {
        c.*custom::aliasChecks()[static_cast<std::size_t>(checkNamed(box_))].flag = switchValue(value_);
    }

private:
    std::string box_, value_;
};

class CustomDeleteCommand : public Command {
public:
    std::string group() const override { return "custom"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("delete", "delete a class");
        sub->add_option("name", name_, "class name")->required();
        return sub;
    }
    int run(CommandContext& context) override {
        auto file = openFile();
        if (!checked(file.deleteClass(name_))) throw CommandError("删除失败,没有这个类别");
        context.out << "已删除!\n";
        return 0;
    }

private:
    std::string name_;
};

class CustomChartCommand : public Command {
public:
    std::string group() const override { return "custom"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("chart", "the rotating-plate hour chart labelled by a class");
        sub->add_option("name", name_, "class name")->required();
        inputs_.attachAll(*sub);
        sub->add_flag("--gbk", gbk_, "write the exact GBK bytes with CR LF line ends");
        sub->add_flag("--json", json_, "print the computed record and the text as JSON");
        return sub;
    }
    int run(CommandContext& context) override {
        chart::ChartRequest request = inputs_.request(context);
        auto file = openFile();
        CustomClass aliases = readClass(file, name_, workflow::kUnknownClassMessage);
        auto record = std::make_unique<chart::ChartRecord>();
        workflow::CustomChartEnvironment environment{preparedDataRoot(), inputs_.settingsAdjustment()};
        std::string text = checked(workflow::drawCustomChart(*record, request, aliases, environment));
        if (json_) {
            nlohmann::json j = chartRecordJson(*record);
            j["className"] = aliases.name;
            j["text"] = text;
            context.out << j.dump(2) << '\n';
        } else if (gbk_) {
            context.out << text::utf8ToGbk(text);
        } else {
            context.out << withoutCarriageReturns(text);
        }
        return 0;
    }

private:
    std::string name_;
    ChartRequestOptions inputs_;
    bool gbk_ = false;
    bool json_ = false;
};

}  // namespace

void addCustomCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<CustomListCommand>());
    commands.push_back(std::make_unique<CustomShowCommand>());
    commands.push_back(std::make_unique<CustomAddCommand>());
    commands.push_back(std::make_unique<CustomSetCommand>());
    commands.push_back(std::make_unique<CustomCheckCommand>());
    commands.push_back(std::make_unique<CustomDeleteCommand>());
    commands.push_back(std::make_unique<CustomChartCommand>());
}

}  // namespace qimen::cli
