// Place table commands: list places with their coordinates, add or change one
// ("度:分" for longitude and latitude, with the dialog's range checks), delete one.
#include "places_command.hpp"

#include <cstdio>

#include "places/place_table.hpp"
#include "places/provinces.hpp"
#include "user_data.hpp"

namespace qimen::cli {
namespace {

std::string degrees(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

places::PlaceTable openTable() {
    places::PlaceTable table(preparedDataRoot());
    if (!table.error().empty()) throw CommandError(table.error());
    return table;
}

class PlacesListCommand : public Command {
public:
    std::string group() const override { return "places"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("list", "list the places of one province, or of all");
        sub->add_option("province", province_, "province name, e.g. 福建省");
        return sub;
    }
    int run(CommandContext& context) override {
        auto table = openTable();
        if (!province_.empty() && places::provinceIndex(province_) < 0)
            throw CommandError("\"" + province_ + "\" is not a province of the place table");
        for (std::size_t i = 0; i < places::kTableProvinceCount; ++i) {
            std::string province(places::kProvinces[i]);
            if (!province_.empty() && province != province_) continue;
            for (const auto& city : table.cities(province)) {
                auto c = table.coordinates(province, city);
                context.out << province << '\t' << city << '\t' << table.valueText(province, city) << '\t'
                            << degrees(c.longitude) << '\t' << degrees(c.latitude) << '\n';
                if (!c.valid) context.err << "qimen: " << c.problem << '\n';
            }
        }
        return 0;
    }

private:
    std::string province_;
};

class PlacesSetCommand : public Command {
public:
    std::string group() const override { return "places"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("set", "add a place or change its coordinates");
        sub->add_option("province", province_, "province name")->required();
        sub->add_option("city", city_, "city or county name (at most 10 characters)")->required();
        sub->add_option("longitude", longitude_, "degrees:minutes east, e.g. 119:18 (west negative)")->required();
        sub->add_option("latitude", latitude_, "degrees:minutes north, e.g. 26:5 (south negative)")->required();
        return sub;
    }
    int run(CommandContext& context) override {
        auto value = places::placeValueOfTexts(places::splitPlaceValue(longitude_ + "*" + latitude_));
        if (!value) throw CommandError(value.message());
        auto table = openTable();
        if (auto set = table.setPlace(province_, city_, *value); !set) throw CommandError(set.message());
        context.out << "完成\n";
        return 0;
    }

private:
    std::string province_, city_, longitude_, latitude_;
};

class PlacesDeleteCommand : public Command {
public:
    std::string group() const override { return "places"; }
    CLI::App* attach(CLI::App& group) override {
        auto* sub = group.add_subcommand("delete", "delete a place");
        sub->add_option("province", province_, "province name")->required();
        sub->add_option("city", city_, "city or county name")->required();
        return sub;
    }
    int run(CommandContext& context) override {
        auto table = openTable();
        if (auto deleted = table.deletePlace(province_, city_); !deleted) throw CommandError(deleted.message());
        context.out << "完成\n";
        return 0;
    }

private:
    std::string province_, city_;
};

}  // namespace

void addPlaceCommands(std::vector<std::unique_ptr<Command>>& commands) {
    commands.push_back(std::make_unique<PlacesListCommand>());
    commands.push_back(std::make_unique<PlacesSetCommand>());
    commands.push_back(std::make_unique<PlacesDeleteCommand>());
}

}  // namespace qimen::cli
