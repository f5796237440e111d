#include "painting/odds_chart_layout.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "codes/course_names.h"
#include "codes/race_key.h"
#include "painting/bracket_colours.h"
#include "painting/fonts.h"
#include "text/formatted.h"
#include "text/sjis_literal.h"

namespace vantor::views {
namespace {

using draw::Rgb;

constexpr int kMarginLeft = 44, kMarginRight = 30, kMarginTop = 40, kMarginBottom = 24;
constexpr Rgb kGrid{220, 220, 220};
constexpr Rgb kAxis{96, 96, 96};
constexpr Rgb kPost{192, 0, 0};

draw::Font chartFont() { return {std::string(kGothicFamily), 12, false, false}; }

std::optional<std::int64_t> minuteOf(int year, int month, int day, int hour, int minute) {
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
                                           std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok() || hour > 23 || minute > 59) return std::nullopt;
    return std::chrono::sys_days(date).time_since_epoch().count() * 1440LL + hour * 60 + minute;
}

int digitsAt(SjisView text, std::size_t at, std::size_t count) { return lenientInt(text.substr(at, count)); }

// The colour a runner's line is drawn in: its bracket's, the light white
// and yellow darkened so that they show on the white chart.
Rgb lineColour(int bracket) {
    if (bracket == 1) return draw::kBlack;
    if (bracket == 5) return {204, 170, 0};
    return draw::bracketColour(bracket).value_or(kAxis);
}

SjisString oddsLabel(int tenths) {
    return tenths < 100 ? formatted("%d.%d", tenths / 10, tenths % 10) : formatted("%d", tenths / 10);
}

SjisString clockLabel(std::int64_t minute) {
    const int ofDay = static_cast<int>(((minute % 1440) + 1440) % 1440);
    return formatted("%02d:%02d", ofDay / 60, ofDay % 60);
}

// A final odds value per runner slot (0: not known).
PerRunner<int> finalOdds(const TRaceRec& race, const LiveRace* live) {
    PerRunner<int> out{};
    const bool liveFinal =
        live && live->winPlace.present &&
        (live->winPlace.dataKind == "3" || live->winPlace.dataKind == "4" || live->winPlace.dataKind == "5");
    for (std::size_t j = 0; j < out.size(); ++j) {
        if (race.KekkaOdds[j] > 0)
            out[j] = static_cast<int>(std::lround(race.KekkaOdds[j] * 10));
        else if (liveFinal && live->runners[j].winOdds.hasValue())
            out[j] = live->runners[j].winOdds.value;
    }
    return out;
}

std::optional<std::int64_t> postMinute(const TRaceRec& race, const LiveRace* live, SjisView day) {
    const bool changed = live && live->postTimeChange.present() && !live->postTime.empty();
    return clockMinute(changed ? live->postTime.view() : race.HassoTime.view(), day);
}

int bracketOf(const TRaceRec& race, std::size_t slot) { return lenientInt(race.Wakuban[slot].view()); }

}  // namespace

OddsChartScale::OddsChartScale(int left, int top, int right, int bottom, std::int64_t first, std::int64_t last, int low,
                               int high)
    : left(left), top(top), right(right), bottom(bottom), first(first), last(last), low(low), high(high) {}

int OddsChartScale::x(std::int64_t minute) const {
    const double share =
        static_cast<double>(minute - first) / static_cast<double>(std::max<std::int64_t>(1, last - first));
    return left + static_cast<int>(std::lround(share * (right - left)));
}

int OddsChartScale::y(int oddsTenths) const {
    const int held = std::clamp(oddsTenths, low, high);
    const double share = (std::log(held) - std::log(low)) / std::max(1e-9, std::log(high) - std::log(low));
    return bottom - static_cast<int>(std::lround(share * (bottom - top)));
}

std::optional<std::int64_t> announceMinute(SjisView announce, SjisView day) {
    if (announce.size() != 8 || !isAllDigits(announce) || day.size() != 8 || !isAllDigits(day)) return std::nullopt;
    const int year = digitsAt(day, 0, 4) - (digitsAt(announce, 0, 4) > digitsAt(day, 4, 4) ? 1 : 0);
    return minuteOf(year, digitsAt(announce, 0, 2), digitsAt(announce, 2, 2), digitsAt(announce, 4, 2),
                    digitsAt(announce, 6, 2));
}

std::optional<std::int64_t> clockMinute(SjisView hhmm, SjisView day) {
    if (hhmm.size() != 4 || !isAllDigits(hhmm) || day.size() != 8 || !isAllDigits(day)) return std::nullopt;
    return minuteOf(digitsAt(day, 0, 4), digitsAt(day, 4, 2), digitsAt(day, 6, 2), digitsAt(hhmm, 0, 2),
                    digitsAt(hhmm, 2, 2));
}

const std::vector<int>& oddsTicks() {
    static const std::vector<int> ticks = [] {
        std::vector<int> out;
        for (int scale = 1; scale <= 1000; scale *= 10)
            for (int base : {10, 15, 20, 30, 50, 70}) out.push_back(base * scale);
        out.push_back(100000);
        return out;
    }();
    return ticks;
}

OddsChart oddsChart(const TRaceRec& race, const LiveRace* live, SjisView day, int width, int height,
                    const draw::TextMeasure& measure) {
    OddsChart chart;
    draw::Ops& ops = chart.ops;
    const draw::Font font = chartFont();
    const int lineHeight = measure.lineHeight(font);
    ops.push_back(draw::Fill{0, 0, width, height, draw::kWhite});

    const RaceKey key(race.RaceKey.view());
    const SjisString course =
        key.text().size() >= RaceKey::kLength ? CourseName(key.course(), 2).value_or(SjisString()) : SjisString();
    SjisString title = course + formatted("%dR ", lenientInt(key.raceNumber())) +
                       SjisString(trimBlanks(race.RaceName.view())) + sjis("　単勝ｵｯｽﾞの推移");

    // The series' points with a time, in time order.
    std::vector<std::pair<std::int64_t, const WinSeriesPoint*>> points;
    if (live)
        for (const WinSeriesPoint& point : live->winSeries)
            if (const auto minute = announceMinute(point.time.text.view(), day)) points.emplace_back(*minute, &point);
    if (points.empty()) {
        ops.push_back(draw::Text{8, 8, title, font, draw::kBlack, std::nullopt});
        ops.push_back(draw::Text{8, 8 + 2 * lineHeight, sjis("時系列ｵｯｽﾞはまだありません"), font, kAxis, std::nullopt});
        return chart;
    }
    title += sjis("　") + clockLabel(points.back().first) + sjis(" 現在");
    ops.push_back(draw::Text{8, 8, title, font, draw::kBlack, std::nullopt});

    const PerRunner<int> finals = finalOdds(race, live);
    const std::optional<std::int64_t> post = postMinute(race, live, day);

    // The ranges: every odds shown, the post inside the time span.
    int lowest = 0, highest = 0;
    const auto widen = [&](int tenths) {
        if (tenths <= 0) return;
        lowest = lowest == 0 ? tenths : std::min(lowest, tenths);
        highest = std::max(highest, tenths);
    };
    for (const auto& [minute, point] : points)
        for (const LiveNumber& odds : point->odds)
            if (odds.hasValue()) widen(odds.value);
    for (int f : finals) widen(f);
    if (lowest == 0) lowest = highest = 10;
    const std::vector<int>& ticks = oddsTicks();
    const auto lowTick = std::upper_bound(ticks.begin(), ticks.end(), lowest);
    const int low = lowTick == ticks.begin() ? ticks.front() : *std::prev(lowTick);
    auto highTick = std::lower_bound(ticks.begin(), ticks.end(), highest);
    if (highTick == ticks.end()) highTick = std::prev(ticks.end());
    if (*highTick <= low) highTick = std::min(std::next(highTick), std::prev(ticks.end()));
    const int high = std::max(*highTick, low + 1);

    const std::int64_t first = std::min(points.front().first, post.value_or(points.front().first));
    const std::int64_t last = std::max({points.back().first, post.value_or(points.back().first), first + 1});
    const OddsChartScale scale(kMarginLeft, kMarginTop, width - kMarginRight, height - kMarginBottom, first, last, low,
                               high);

    // Odds grid and labels, a label only where it clears the one below.
    int lastLabelY = scale.bottom + lineHeight;
    for (int tick : ticks) {
        if (tick < low || tick > high) continue;
        const int y = scale.y(tick);
        ops.push_back(draw::Line{scale.left, y, scale.right, y, kGrid, 1});
        if (lastLabelY - y < lineHeight) continue;
        const SjisString label = oddsLabel(tick);
        ops.push_back(draw::Text{scale.left - 4 - measure.textWidth(font, label), y - lineHeight / 2, label, font,
                                 draw::kBlack, std::nullopt});
        lastLabelY = y;
    }
    // Time grid: a step that leaves room for each label.
    const int labelWidth = measure.textWidth(font, sjis("00:00")) + 12;
    std::int64_t step = 10;
    for (std::int64_t s : {10, 15, 30, 60, 120, 240, 720, 1440}) {
        step = s;
        if (scale.x(first + s) - scale.x(first) >= labelWidth) break;
    }
    for (std::int64_t m = (first + step - 1) / step * step; m <= last; m += step) {
        const int x = scale.x(m);
        ops.push_back(draw::Line{x, scale.top, x, scale.bottom, kGrid, 1});
        const SjisString label = clockLabel(m);
        ops.push_back(draw::Text{x - measure.textWidth(font, label) / 2, scale.bottom + 4, label, font, draw::kBlack,
                                 std::nullopt});
    }
    ops.push_back(
        draw::Frame{scale.left, scale.top, scale.right - scale.left + 1, scale.bottom - scale.top + 1, kAxis, 1});

    if (post) {
        const int x = scale.x(*post);
        ops.push_back(draw::Line{x, scale.top, x, scale.bottom, kPost, 2});
        const SjisString label = sjis("発走 ") + clockLabel(*post);
        const int postWidth = measure.textWidth(font, label);
        ops.push_back(draw::Text{std::min(x - postWidth / 2, width - postWidth - 2), scale.top - lineHeight - 2, label,
                                 font, kPost, std::nullopt});
    }

    // A line per runner through its odds, broken where a point has none;
    // its number at its last point, the numbers kept from overlapping.
    struct EndLabel {
        int x, y, horse;
        Rgb colour;
    };
    std::vector<EndLabel> ends;
    for (std::size_t j = 0; j < kMaxRunners; ++j) {
        const Rgb colour = lineColour(bracketOf(race, j));
        std::pair<int, int> previous{}, lastValued{};
        bool joined = false, valued = false;  // the previous point has odds; some point has
        for (const auto& [minute, point] : points) {
            const LiveNumber& odds = point->odds[j];
            if (!odds.hasValue()) {
                joined = false;
                continue;
            }
            const std::pair<int, int> at{scale.x(minute), scale.y(odds.value)};
            if (joined) ops.push_back(draw::Line{previous.first, previous.second, at.first, at.second, colour, 2});
            previous = lastValued = at;
            joined = valued = true;
        }
        if (valued) ends.push_back({lastValued.first, lastValued.second, static_cast<int>(j) + 1, colour});
        if (finals[j] > 0 && post) {
            const int x = scale.x(*post), y = scale.y(finals[j]);
            ops.push_back(draw::Fill{x - 3, y - 3, 7, 7, colour});
            ops.push_back(draw::Frame{x - 3, y - 3, 7, 7, draw::kBlack, 1});
        }
    }
    std::stable_sort(ends.begin(), ends.end(), [](const EndLabel& a, const EndLabel& b) { return a.y < b.y; });
    int below = scale.top - lineHeight;
    for (const EndLabel& end : ends) {
        const int y = std::max(end.y - lineHeight / 2, below);
        ops.push_back(draw::Text{end.x + 4, y, formatted("%d", end.horse), font, end.colour, draw::kWhite});
        below = y + lineHeight;
    }

    chart.scale = scale;
    return chart;
}

}  // namespace vantor::views
