// The five checks of the boundary report and the texts of their warnings.
#include "boundary/boundary_report.hpp"

#include <cmath>
#include <cstdio>

#include "calendar/day_arithmetic.hpp"
#include "calendar/disputed_lunar_months.hpp"
#include "calendar/lunar_text.hpp"
#include "calendar/term_proximity.hpp"
#include "calendar/true_solar_time.hpp"
#include "chart/hour_chart.hpp"
#include "chart/vocabulary.hpp"

namespace qimen::boundary {

using calendar::CivilDateTime;

namespace {

constexpr double kMinutesPerDay = 1440.0;

std::string durationText(int minutes) {
    return minutes % 60 == 0 ? std::to_string(minutes / 60) + "小时" : std::to_string(minutes) + "分钟";
}

CivilDateTime shifted(const CivilDateTime& t, double minutes) {
    // Half a minute past, so that flooring the day fraction keeps the minute.
    return calendar::dateFromJulianDay(calendar::julianDay(t) + (minutes + 0.5) / kMinutesPerDay);
}

double minutesBetween(const CivilDateTime& from, const CivilDateTime& to) {
    return std::round((calendar::julianDay(to) - calendar::julianDay(from)) * kMinutesPerDay);
}

// The double hour (时辰) of a clock hour: 23 and 0 are 子 (0), 1 and 2 丑 …
int doubleHourOf(int hour) { return (hour + 1) / 2 % 12; }

bool sameDay(const CivilDateTime& a, const CivilDateTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
}

// "<situation>；<label>：<changes>", or "<situation>；<label>干支与局数不变"
// when nothing changes.
std::string warningText(const std::string& situation, const std::string& label, const std::string& changes) {
    return situation + "；" + label + (changes.empty() ? "干支与局数不变" : "：" + changes);
}

class Report {
public:
    Report(const chart::ChartRequest& request, const chart::ChartRecord& charted, const BoundaryOptions& options)
        : request_(request), charted_(charted), options_(options), here_(numbersOf(charted, request.method)) {}

    std::vector<BoundaryWarning> run() {
        solarTerm();
        lateZiHour();
        trueSolarTime();
        daylightSaving();
        lunarMonthStart();
        return std::move(warnings_);
    }

private:
    ChartNumbers lay(const chart::ChartRecord& record,
                     const std::optional<calendar::LunarDate>& lunar = std::nullopt) const {
        return layNumbers(record, request_.method, lunar);
    }

    void add(BoundaryKind kind, std::string text, double minutes, std::optional<ChartNumbers> alternative) {
        warnings_.push_back({kind, std::move(text), static_cast<int>(std::lround(minutes)), std::move(alternative)});
    }

    // The terms compare the clock time; moving the clock across the
    // instant (to it, or to the minute before) and keeping the compute date
    // changes exactly what the term governs.
    void solarTerm() {
        calendar::NearestTerm near = calendar::nearestTerm(charted_.clockDate);
        if (std::fabs(near.minutesAway) > options_.termWindowMinutes) return;
        const bool toCome = near.minutesAway > 0;
        chart::ChartRecord other = charted_;
        other.clockDate = toCome ? near.instant.time : shifted(near.instant.time, -1);
        ChartNumbers alternative = lay(other);
        if (sameChart(here_, alternative)) return;
        const std::string term(chart::solarTermText(near.term));
        const long minutes = std::lround(std::fabs(near.minutesAway));
        std::string situation = toCome ? "距" + term + "（" + momentText(near.instant.time) + "）还有" +
                                             std::to_string(minutes) + "分钟"
                                       : term + "（" + momentText(near.instant.time) + "）" +
                                             (minutes == 0 ? "恰在此刻" : "已过" + std::to_string(minutes) + "分钟");
        std::string label = "交" + term + (toCome ? "后" : "前");
        add(BoundaryKind::SolarTerm, warningText(situation, label, describeChanges(here_, alternative)),
            near.minutesAway, alternative);
    }

    void lateZiHour() {
        if (charted_.computeDate.hour != 23) return;
        chart::ChartRecord other = charted_;
        const bool atMidnight = charted_.settings.zishi != 0;
        other.settings.zishi = atMidnight ? 0 : 1;
        ChartNumbers alternative = lay(other);
        std::string situation = atMidnight ? timeText(charted_.computeDate) + "属夜子时，按零时换日，日柱仍是本日"
                                           : timeText(charted_.computeDate) + "已入子时，按23时换日，日柱已是次日";
        std::string label = atMidnight ? "若23时换日" : "若零时换日";
        add(BoundaryKind::LateZiHour, warningText(situation, label, describeChanges(here_, alternative)),
            charted_.computeDate.minute, alternative);
    }

    // Only when the chart applies true solar time (setting sun): without
    // it the place's longitude may be a default, and a warning on every
    // moment near an odd hour would bury the others.
    void trueSolarTime() {
        if (!charted_.settings.sun) return;
        const CivilDateTime& solar = charted_.computeDate;
        const CivilDateTime& clock = charted_.clockDate;
        const bool otherDay = !sameDay(solar, clock);
        if (!otherDay && doubleHourOf(solar.hour) == doubleHourOf(clock.hour)) return;
        chart::ChartRecord other = charted_;
        other.computeDate = clock;
        ChartNumbers alternative = lay(other);
        if (sameChart(here_, alternative)) return;  // e.g. 23:xx and 00:xx, one 子 hour
        const double minutes = minutesBetween(clock, solar);
        char difference[48];
        std::snprintf(difference, sizeof difference, "（相差%+.0f分钟）", minutes);
        std::string situation = "真太阳时" + (otherDay ? momentText(solar) : timeText(solar)) + "与钟点" +
                                (otherDay ? momentText(clock) : timeText(clock)) +
                                (otherDay ? "不在同一天" : "不在同一时辰") + difference;
        add(BoundaryKind::TrueSolarTime, warningText(situation, "按钟点", describeChanges(here_, alternative)),
            minutes, alternative);
    }

    void daylightSaving() {
        const CivilDateTime& clock = charted_.clockDate;
        if (clock.year < kSummerTimeFirstYear || clock.year > kSummerTimeLastYear) return;
        const Expected<std::vector<SummerTimePeriod>>& periods =
            options_.summerTime != nullptr ? *options_.summerTime : chinaSummerTime();
        if (!periods) {
            add(BoundaryKind::DaylightSaving,
                "无法读取时区数据库（" + periods.message() + "），不能判断此钟点是否在" +
                    std::to_string(kSummerTimeFirstYear) + "–" + std::to_string(kSummerTimeLastYear) + "年的夏令时内",
                0, std::nullopt);
            return;
        }
        ClockReading reading = readClockTime(*periods, clock);
        if (reading.kind == ClockReading::Kind::Standard) return;
        chart::ChartRecord other = charted_;
        other.clockDate = reading.summerReading;
        other.computeDate = charted_.settings.sun ? calendar::trueSolarTime(reading.summerReading, charted_.longitude)
                                                  : reading.summerReading;
        ChartNumbers alternative = lay(other);
        const SummerTimePeriod& p = *reading.period;
        std::string summer = std::to_string(p.start.year) + "年夏令时（" + dateText(p.start) + "至" +
                             dateText(p.end) + "，钟点拨快" + durationText(p.shiftMinutes) + "）";
        std::string standard = timeText(reading.summerReading);
        if (!sameDay(reading.summerReading, clock)) standard = momentText(reading.summerReading);
        std::string situation, label;
        switch (reading.kind) {
            case ClockReading::Kind::Summer:
                situation = "钟点" + momentText(clock) + "在" + summer + "内，北京标准时间为" + standard;
                label = "按标准时间";
                break;
            case ClockReading::Kind::Skipped:
                situation = "钟点" + momentText(clock) + "在" + summer + "开始时被拨过，并不存在；按夏令时读，标准时间为" +
                            standard;
                label = "按标准时间";
                break;
            case ClockReading::Kind::Repeated:
                situation = "钟点" + momentText(clock) + "在" + summer + "结束时出现两次，此盘按标准时间；若是夏令时，标准时间为" +
                            standard;
                label = "若是夏令时";
                break;
            case ClockReading::Kind::Standard: break;
        }
        add(BoundaryKind::DaylightSaving, warningText(situation, label, describeChanges(here_, alternative)),
            -p.shiftMinutes, alternative);
    }

    // Calendars reckoned in UTC+8 begin a disputed month a day later: a
    // Gregorian day of it has another lunar date there, and a lunar date
    // another Gregorian day.
    void lunarMonthStart() {
        const calendar::LunarDate lunar{charted_.lunarDate, charted_.leapMonth};
        const calendar::DisputedLunarMonth* month = calendar::disputedMonthOf(lunar);
        if (month == nullptr) return;
        const double days = std::round(calendar::julianDay(month->otherStart) - calendar::julianDay(month->tableStart));
        chart::ChartRecord other = charted_;
        if (request_.lunarInput) {
            other.clockDate = shifted(charted_.clockDate, days * kMinutesPerDay);
            other.computeDate = shifted(charted_.computeDate, days * kMinutesPerDay);
        }
        const CivilDateTime lunarMoment = chart::lunarMomentOf(other);
        calendar::LunarDate otherLunar = calendar::solarToLunar(lunarMoment);
        if (calendar::disputedMonthOf(otherLunar) == month) otherLunar = calendar::otherLunarDate(*month, lunarMoment);
        std::string name = std::to_string(calendar::userFromAstronomicalYear(month->lunarYear)) + "年" +
                           calendar::lunarMonthName(month->month, month->leap);
        std::string situation = "农历" + name + "的初一，本历（北京子午线历书）在" + dateText(month->tableStart) +
                                "，按东八区推算的历书在" + dateText(month->otherStart);
        if (request_.lunarInput && !(otherLunar == lunar)) {
            add(BoundaryKind::LunarMonthStart, situation + "；按后者此月没有这一天", days * kMinutesPerDay,
                std::nullopt);
            return;
        }
        ChartNumbers alternative = lay(other, otherLunar);
        add(BoundaryKind::LunarMonthStart, warningText(situation, "按后者", describeChanges(here_, alternative)),
            request_.lunarInput ? days * kMinutesPerDay : 0, alternative);
    }

    const chart::ChartRequest& request_;
    const chart::ChartRecord& charted_;
    const BoundaryOptions& options_;
    const ChartNumbers here_;
    std::vector<BoundaryWarning> warnings_;
};

}  // namespace

std::string_view boundaryKindName(BoundaryKind kind) {
    switch (kind) {
        case BoundaryKind::SolarTerm: return "solar-term";
        case BoundaryKind::LateZiHour: return "late-zi-hour";
        case BoundaryKind::TrueSolarTime: return "true-solar-time";
        case BoundaryKind::DaylightSaving: return "daylight-saving";
        case BoundaryKind::LunarMonthStart: return "lunar-month-start";
    }
    return "unknown";
}

std::vector<BoundaryWarning> reportBoundaries(const chart::ChartRequest& request, const chart::ChartRecord& charted,
                                              const BoundaryOptions& options) {
    return Report(request, charted, options).run();
}

}  // namespace qimen::boundary
