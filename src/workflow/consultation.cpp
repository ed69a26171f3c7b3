// The main window's charting workflow: start-up, 排盘 and its variants, 查看,
// 新建, the topics and the custom-chart preconditions. Saving, editing,
// deleting and listing cases are in consultation_cases.cpp.
#include "workflow/consultation.hpp"

#include <algorithm>

#include "cases/class_list.hpp"
#include "judgement/snapshot_memo.hpp"
#include "places/provinces.hpp"
#include "text/number_text.hpp"
#include "workflow/chart_driver.hpp"
#include "workflow/input_lists.hpp"
#include "workflow/pane_files.hpp"

namespace qimen::workflow {
namespace {

constexpr std::string_view kTip = "提示";

}  // namespace

Consultation::Consultation(ConsultationServices services)
    : services_(std::move(services)),
      prompter_(*services_.prompter),
      pane_(*services_.pane),
      places_(services_.dataRoot),
      store_(services_.dataRoot),
      rows_(store_),
      record_(std::make_unique<chart::ChartRecord>()),
      topics_(services_.dataRoot) {
    cities_ = citiesOfProvince(places_, inputs_.provinceItem);
}

Consultation::~Consultation() = default;

void Consultation::start(const files::WindowSettings& settings) {
    setNow();
    inputs_.provinceItem = kUnknownProvinceItem;
    cities_ = citiesOfProvince(places_, kUnknownProvinceItem);
    inputs_.cityItem = 0;
    // A stored method item outside the list leaves the box without a
    // selection, which 排盘 treats as a blank item.
    inputs_.methodItem = settings.chartMethodItem >= 0 && settings.chartMethodItem < kMethodItemCount
                             ? static_cast<int>(settings.chartMethodItem)
                             : -1;
    selectProvince(static_cast<int>(files::effectiveProvinceItem(settings.province)));
    inputs_.cityItem = static_cast<int>(files::effectiveCityItem(settings.city, static_cast<long>(cities_.size())));
    if (cities_.empty()) inputs_.cityItem = -1;

    reloadCases();
}

void Consultation::reloadCases() {
    // A damaged store is named; what can still be read of it is listed.
    auto opened = store_.open();
    if (!opened) prompter_.message(opened.message(), "错误", Icon::Error);
    if (!opened && !store_.header()) {
        rows_.showLive({});
        return;
    }
    std::vector<std::int32_t> first(kFirstListedCases);
    for (std::int32_t n = 0; n < kFirstListedCases; ++n) first[static_cast<std::size_t>(n)] = n;
    if (auto filled = rows_.fill(first); !filled) prompter_.message(filled.message(), "错误", Icon::Error);
}

void Consultation::selectProvince(int item) {
    if (item < 0) return;
    inputs_.provinceItem = item;
    (void)places_.reload();  // an unreadable table lists no cities
    cities_ = citiesOfProvince(places_, item);
    inputs_.cityItem = cities_.empty() ? -1 : 0;
}

void Consultation::setNow() {
    setMoment(services_.now ? services_.now() : calendar::CivilDateTime{2000, 1, 1, 0, 0});
}

void Consultation::setMoment(const calendar::CivilDateTime& now) {
    int year = std::min<int>(now.year, 2100);
    inputs_.lunar = false;
    inputs_.leapMonth = false;
    inputs_.yearSpin = year;
    inputs_.yearText = yearTextOfStored(year);
    inputs_.monthItem = now.month - 1;
    inputs_.dayItem = now.day - 1;
    inputs_.hourItem = now.hour;
    inputs_.minuteItem = now.minute;
}

bool Consultation::validateTexts() {
    if (text::isBlank(inputs_.name)) {
        prompter_.message("姓名不能为空", kTip, Icon::Information);
        prompter_.focus("Edtname");
        return false;
    }
    request_.askerName = chart::clipToGbkBytes(inputs_.name, chart::kAskerNameMaxBytes);
    if (text::isBlank(inputs_.matter)) {
        prompter_.message("占问事宜不能为空", kTip, Icon::Information);
        prompter_.focus("LedtEvent");
        return false;
    }
    request_.matter = chart::clipToGbkBytes(inputs_.matter, chart::kMatterMaxBytes);
    return true;
}

std::optional<std::int16_t> Consultation::validateYear() {
    auto year = storedYearOfText(inputs_.yearText);
    if (!year) {
        prompter_.message(year.message(), kYearCaption, Icon::Warning);
        prompter_.focus("EdtYear");
        return std::nullopt;
    }
    return *year;
}

void Consultation::fillRequest(std::int16_t storedYear) {
    inputs_.yearSpin = storedYear;
    request_.lunarInput = inputs_.lunar;
    request_.leapMonth = inputs_.leapMonth;
    request_.inputDate = calendar::CivilDateTime{storedYear, static_cast<std::int16_t>(inputs_.monthItem + 1),
                                                 static_cast<std::int16_t>(inputs_.dayItem + 1),
                                                 static_cast<std::int16_t>(inputs_.hourItem),
                                                 static_cast<std::int16_t>(inputs_.minuteItem)};
    request_.provinceIndex = static_cast<std::int16_t>(inputs_.provinceItem);
    request_.cityIndex = static_cast<std::int16_t>(inputs_.cityItem);
    // A province without cities (no section in the place table) has no
    // coordinates of its own; it is charted at those of 未知地.
    City city{"", static_cast<float>(places::kUnknownLongitude), static_cast<float>(places::kUnknownLatitude)};
    if (inputs_.cityItem >= 0 && inputs_.cityItem < static_cast<int>(cities_.size()))
        city = cities_[static_cast<std::size_t>(inputs_.cityItem)];
    request_.longitude = city.longitude;
    request_.latitude = city.latitude;
    request_.placeName = placeNameOf(inputs_.provinceItem, city.name);
}

void Consultation::copyRequestToCase() {
    currentCase_.askerName = request_.askerName;
    currentCase_.matter = request_.matter;
    currentCase_.placeName = request_.placeName;
    currentCase_.date = request_.inputDate;
    currentCase_.lunarInput = request_.lunarInput;
    currentCase_.leapMonth = request_.leapMonth;
    currentCase_.provinceIndex = request_.provinceIndex;
    currentCase_.cityIndex = request_.cityIndex;
    currentCase_.longitude = request_.longitude;
    currentCase_.latitude = request_.latitude;
    currentCase_.method = static_cast<std::uint8_t>(request_.method);
    currentCase_.givenJu = request_.givenJu;
}

bool Consultation::drawChart() {
    ChartEnvironment environment;
    environment.dataRoot = services_.dataRoot;
    environment.adjustSettings = services_.adjustSettings;
    environment.showOutput = [this](render::StyledText&& text) { pane_.showChart(text); };
    environment.showMemo = services_.showMemo;
    environment.judgeMatter = true;  // a matter naming a topic gets its judgement, as `qimen chart` shows
    auto drawn = workflow::drawChart(*record_, request_, environment);
    if (!drawn) prompter_.message(drawn.message(), "错误", Icon::Error);
    return drawn.ok();
}

void Consultation::afterSuccess() {
    if (request_.method == chart::ChartMethod::GivenJuHour) {
        request_.method = chart::ChartMethod::Hour;
        inputs_.methodItem = kHourChartMethodItem;
    }
    chartValid_ = true;
    topics_.takeSnapshot(*record_);
    if (services_.closeCustomChart) services_.closeCustomChart();
}

void Consultation::askToSavePendingEdits() {
    if (state_ == CaseState::Viewing && pane_.modified() &&
        prompter_.ask(kPendingEditsQuestion, kTip, Icon::Warning, true))
        save();
}

bool Consultation::chart() {
    chartValid_ = false;
    if (request_.method != chart::ChartMethod::GivenJuHour) {
        auto method = methodOfItem(inputs_.methodItem);
        if (!method) {
            prompter_.message("必须选择一个盘式", "选择盘式", Icon::Error);
            prompter_.focus("CboPanShi");
            return false;
        }
        request_.method = *method;
    }
    if (!validateTexts()) return false;
    auto year = validateYear();
    if (!year) return false;
    askToSavePendingEdits();
    fillRequest(*year);
    copyRequestToCase();
    record_->writeOutput = true;
    if (!drawChart()) return false;
    afterSuccess();
    if (record_->settings.save) save();
    return true;
}

bool Consultation::chartGivenJu(int item) {
    auto ju = givenJuOfItem(item);
    if (!ju) return false;
    inputs_.givenJuItem = item;
    request_.method = chart::ChartMethod::GivenJuHour;
    request_.givenJu = *ju;
    return chart();
}

bool Consultation::chartRandom() {
    std::uint32_t r = services_.random ? services_.random() : 0;
    return chartGivenJu(randomGivenJuItem(r));
}

void Consultation::loadInputsFromCase(const cases::CaseRecord& r) {
    inputs_.lunar = r.lunarInput;
    inputs_.leapMonth = r.leapMonth;
    inputs_.yearSpin = r.date.year;
    inputs_.yearText = yearTextOfStored(r.date.year);
    inputs_.monthItem = r.date.month - 1;
    inputs_.dayItem = r.date.day - 1;
    inputs_.hourItem = r.date.hour;
    inputs_.minuteItem = r.date.minute;
    selectProvince(r.provinceIndex);
    if (!cities_.empty())
        inputs_.cityItem = r.cityIndex >= 0 && r.cityIndex < static_cast<int>(cities_.size()) ? r.cityIndex : 0;
    inputs_.name = r.askerName;
    inputs_.matter = r.matter;
}

std::optional<cases::CaseRecord> Consultation::selectedCase(std::optional<std::int32_t> selected) {
    if (!selected) {
        prompter_.message(kSelectCaseFirst, "", Icon::None);
        return std::nullopt;
    }
    if (*selected < 0) return std::nullopt;
    auto image = store_.read(*selected);
    if (!image) return std::nullopt;
    return cases::decodeCaseRecord(*image);
}

bool Consultation::view(std::optional<std::int32_t> selected) {
    auto chosen = selectedCase(selected);
    if (!chosen) return false;
    std::int32_t n = *selected;
    askToSavePendingEdits();

    currentCase_ = *chosen;
    loadInputsFromCase(currentCase_);
    request_.method = static_cast<chart::ChartMethod>(currentCase_.method);
    if (currentCase_.method == cases::kManualJuMethod) {
        request_.givenJu = currentCase_.givenJu;
        if (currentCase_.givenJu <= 20) inputs_.givenJuItem = currentCase_.givenJu;
    } else {
        inputs_.methodItem = itemOfMethod(request_.method);
    }
    if (!validateTexts()) return false;
    auto year = validateYear();
    if (!year) return false;
    fillRequest(*year);

    state_ = CaseState::Viewing;
    viewedCase_ = n;
    casePath_ = store_.commentaryPath(n);
    // A commentary that exists is shown as the user left it; only a missing
    // one is written from the fresh chart. One that cannot be read is named
    // and the chart shown instead, but never written over.
    bool writeCommentaryAfter = false;
    std::error_code error;
    if (std::filesystem::exists(casePath_, error)) {
        pane_.clear();
        auto loaded = loadPaneFile(pane_, casePath_);
        record_->writeOutput = !loaded.ok();
        if (!loaded) prompter_.message(loaded.message(), "错误", Icon::Error);
    } else {
        record_->writeOutput = true;
        writeCommentaryAfter = true;
    }

    chartValid_ = false;
    if (!drawChart()) return false;
    afterSuccess();
    if (writeCommentaryAfter) {
        // Nothing is written into a damaged store, its commentaries included.
        if (auto sound = store_.check(); !sound)
            prompter_.message(sound.message(), "错误", Icon::Error);
        else if (auto written = savePaneRichText(pane_, casePath_); !written)
            prompter_.message(written.message(), "错误", Icon::Error);
    }
    pane_.setModified(false);
    return true;
}

void Consultation::enterNewState() {
    state_ = CaseState::New;
    viewedCase_ = -1;
    casePath_.clear();
    chartValid_ = false;
}

void Consultation::newCase() {
    askToSavePendingEdits();
    enterNewState();
    pane_.clear();
    pane_.setModified(false);
    if (services_.showMemo) services_.showMemo("");
}

void Consultation::topic(int topic) {
    if (!chartValid_) {
        prompter_.message(kNoChartYet, "先排盘", Icon::Information);
        return;
    }
    // The topic's guide, then the judgement of this chart for it.
    auto guide = judgement::topicButtonMemo(topics_, static_cast<judgement::Topic>(topic));
    if (!guide) {
        prompter_.message(guide.message(), "错误", Icon::Error);
        return;
    }
    if (services_.showMemo) services_.showMemo(*guide);
}

void Consultation::explain() {
    if (!chartValid_) {
        prompter_.message(kNoChartYet, "先排盘", Icon::Information);
        return;
    }
    if (services_.showMemo) services_.showMemo(record_->memoText);
}

std::optional<chart::ChartRequest> Consultation::customChart() {
    if (inputs_.methodItem != kHourChartMethodItem) {
        prompter_.message("只能使用时家转盘法排自定义盘", "选择盘式", Icon::Warning);
        prompter_.focus("CboPanShi");
        return std::nullopt;
    }
    request_.method = chart::ChartMethod::Hour;
    if (!validateTexts()) return std::nullopt;
    auto year = validateYear();
    if (!year) return std::nullopt;
    fillRequest(*year);
    return request_;
}

void Consultation::close() {
    askToSavePendingEdits();
    if (services_.closeCustomChart) services_.closeCustomChart();
}

void Consultation::storeInputsIn(files::WindowSettings& settings) const {
    settings.chartMethodItem = inputs_.methodItem;
    settings.province = inputs_.provinceItem;
    settings.city = inputs_.cityItem;
}

std::string Consultation::saveCaption() const { return state_ == CaseState::New ? "存新" : "存旧"; }

}  // namespace qimen::workflow
