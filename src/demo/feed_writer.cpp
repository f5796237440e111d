#include "demo/feed_writer.h"

#include <algorithm>

#include "codes/calendar.h"
#include "demo/odds_records.h"
#include "demo/records.h"
#include "fileio/whole_file.h"
#include "text/formatted.h"

namespace vantor::demo {
namespace fs = std::filesystem;
namespace {

constexpr int kNormalWeekends = 8;

char dataKindOf(const Race& race) {
    switch (race.venue) {
        case Venue::local:
            return 'A';
        case Venue::overseas:
            return 'B';
        case Venue::jra:
            break;
    }
    return '7';
}

std::string digits(int value, int width) { return formattedUtf8("%0*d", width, value); }

}  // namespace

FeedLayout feedLayout(const RaceCalendar& cal) {
    const int weekends = static_cast<int>(cal.weekends.size());
    FeedLayout layout;
    layout.windowStart = std::max(0, weekends - kNormalWeekends);
    const Weekend& secondLast = cal.weekends[static_cast<std::size_t>(weekends - 2)];
    layout.setupStampDay = secondLast.saturday + 2;
    layout.outsideUntil = cal.days[static_cast<std::size_t>(secondLast.lastDay())].day + 1;
    return layout;
}

FeedWriter::FeedWriter(const World& world, const FeedLayout& layout)
    : w_(world),
      layout_(layout),
      lastSetupBucket_(world.horses.size(), -1),
      masterSent_(world.horses.size(), 0),
      stats_(world.horses.size()) {
    const auto& cal = w_.calendar;
    const int weekends = static_cast<int>(cal.weekends.size());
    for (int k = layout_.windowStart; k < weekends; ++k) window_.push_back({k, {}});
    const int setupOutsideUntil = layout_.windowStart > 0 ? resultDay(layout_.windowStart - 1) : 0;
    for (std::uint32_t i = 0; i < w_.races.size(); ++i) {
        const Race& race = w_.races[i];
        int weekend = -1;  // the window weekend whose files hold the race
        if (race.venue == Venue::jra) {
            const auto day = std::lower_bound(cal.days.begin(), cal.days.end(), race.day,
                                              [](const RaceDay& d, int value) { return d.day < value; });
            weekend = day->weekend;
        } else if (race.day >= setupOutsideUntil) {
            weekend = layout_.windowStart;
            while (resultDay(weekend) <= race.day) ++weekend;
        }
        if (weekend >= layout_.windowStart) {
            window_[static_cast<std::size_t>(weekend - layout_.windowStart)].races.push_back(i);
            continue;
        }
        const int month = race.date / 100;
        if (setup_.empty() || setup_.back().key != month) setup_.push_back({month, {}});
        setup_.back().races.push_back(i);
        for (int r = 0; r < race.runCount; ++r)
            lastSetupBucket_[w_.runs[static_cast<std::size_t>(race.firstRun + r)].horse] =
                static_cast<int>(setup_.size() - 1);
    }
}

int FeedWriter::resultDay(int weekend) const {
    return w_.calendar.days[static_cast<std::size_t>(w_.calendar.weekends[static_cast<std::size_t>(weekend)].lastDay())]
               .day +
           1;
}

int FeedWriter::fileCount() const {
    int n = static_cast<int>(setup_.size()) + 2 * static_cast<int>(window_.size()) - (window_.empty() ? 0 : 1);
    for (const Bucket& b : window_) n += w_.calendar.weekends[static_cast<std::size_t>(b.key)].dayCount;
    return n;
}

std::string FeedWriter::write(const fs::path& out, FeedCounts& counts, const std::function<void()>& fileDone) {
    out_ = out;
    counts_ = &counts;
    fileDone_ = fileDone;
    for (std::size_t i = 0; i < setup_.size(); ++i)
        if (std::string error = writeSetup(setup_[i], i); !error.empty()) return error;
    for (const Bucket& b : window_) {
        std::string error = writeCard(b.key);
        if (error.empty() && b.key + 1 < static_cast<int>(w_.calendar.weekends.size())) error = writeResult(b.key, b);
        if (error.empty()) error = writeRealtime(b.key);
        if (!error.empty()) return error;
    }
    return {};
}

void FeedWriter::appendRace(std::uint32_t raceIndex, char payoutKind, int makeDate, bool results, bool counted) {
    const Race& race = w_.races[raceIndex];
    const RecordStamp stamp{results ? dataKindOf(race) : '2', makeDate};
    appendRa(buffer_, race, stamp, results);
    ++counts_->ra;
    for (int r = 0; r < race.runCount; ++r) {
        const Run& run = w_.runs[static_cast<std::size_t>(race.firstRun + r)];
        appendSe(buffer_, w_, race, run, stamp, results);
        ++counts_->se;
        if (counted) addRun(stats_[run.horse], race, run);
    }
    if (results && race.payout >= 0) {
        appendHr(buffer_, w_, race, {payoutKind, makeDate});
        ++counts_->hr;
    }
}

// A horse's first master record is a registration ("1"), later ones
// updates ("4").
void FeedWriter::appendMaster(std::uint32_t horse, int makeDate, int day) {
    const Horse& h = w_.horses[horse];
    appendUm(buffer_, w_, h, stats_[horse], {masterSent_[horse] ? '4' : '1', makeDate},
             h.retireDay != 0 && h.retireDay <= day);
    masterSent_[horse] = 1;
    ++counts_->um;
}

void FeedWriter::appendFinalOdds(std::uint32_t raceIndex, int makeDate, bool votes) {
    const Race& race = w_.races[raceIndex];
    if (race.venue != Venue::jra || race.payout < 0) return;
    const OddsSheet sheet = finalOddsSheet(w_, race);
    const OddsStamp stamp{{'4', makeDate}, "00000000", 40000LL * race.starters};
    buffer_ += winPlaceBracketRecord(w_, race, sheet, stamp);
    buffer_ += quinellaRecord(race, sheet, stamp);
    counts_->o1 += 1;
    counts_->o2 += 1;
    if (!votes) return;
    // Only the header: no reader of the store takes the counts.
    jvdata::RecordBuilder h1({"H1", jvdata::kH1Length, {}});
    raceHeader(h1, race, stamp.record);
    buffer_ += h1.take();
    counts_->h1 += 1;
}

std::string FeedWriter::save(const fs::path& folder, int stampDay, const char* time, const std::string& name) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "cannot create the folder " + folder.string() + ": " + ec.message();
    const fs::path path = folder / (digits(ymdFromDay(stampDay), 8) + time + "_" + name + ".jvd");
    if (!replaceWholeFile(path, buffer_.bytes(), Durability::renameOnly))
        return "cannot write the file " + path.string();
    ++counts_->files;
    counts_->bytes += static_cast<long long>(buffer_.size());
    if (fileDone_) fileDone_();
    return {};
}

std::string FeedWriter::writeSetup(const Bucket& month, std::size_t index) {
    buffer_.clear();
    const int makeDate = ymdFromDay(layout_.setupStampDay);
    bool votesWritten = false;
    for (std::uint32_t i : month.races) {
        appendRace(i, '2', makeDate, true, true);
        const bool jra = w_.races[i].venue == Venue::jra;
        appendFinalOdds(i, makeDate, jra && !votesWritten);
        votesWritten = votesWritten || jra;
    }
    for (std::uint32_t i : month.races) {
        const Race& race = w_.races[i];
        for (int r = 0; r < race.runCount; ++r) {
            const std::uint32_t horse = w_.runs[static_cast<std::size_t>(race.firstRun + r)].horse;
            if (lastSetupBucket_[horse] == static_cast<int>(index) && !masterSent_[horse])
                appendMaster(horse, makeDate, layout_.setupStampDay);
        }
    }
    return save(out_ / "setup", layout_.setupStampDay, "060000", "RACE" + digits(month.key, 6));
}

std::string FeedWriter::writeCard(int weekend) {
    buffer_.clear();
    const int thursday = w_.calendar.weekends[static_cast<std::size_t>(weekend)].saturday - 2;
    const int makeDate = ymdFromDay(thursday);
    const Bucket& b = window_[static_cast<std::size_t>(weekend - layout_.windowStart)];
    for (std::uint32_t i : b.races)
        if (w_.races[i].venue == Venue::jra) appendRace(i, '2', makeDate, false, false);
    // Horses new to the feed are registered with the card.
    for (std::uint32_t i : b.races) {
        const Race& race = w_.races[i];
        if (race.venue != Venue::jra) continue;
        for (int r = 0; r < race.runCount; ++r) {
            const std::uint32_t horse = w_.runs[static_cast<std::size_t>(race.firstRun + r)].horse;
            if (!masterSent_[horse]) appendMaster(horse, makeDate, thursday);
        }
    }
    return save(out_ / "normal", thursday, "160000", "CARD" + digits(makeDate, 8));
}

std::string FeedWriter::writeResult(int weekend, const Bucket& bucket) {
    buffer_.clear();
    const int day = resultDay(weekend);
    const int makeDate = ymdFromDay(day);
    for (std::uint32_t i : bucket.races) appendRace(i, '2', makeDate, true, true);
    std::vector<std::uint32_t> ran;
    for (std::uint32_t i : bucket.races) {
        const Race& race = w_.races[i];
        for (int r = 0; r < race.runCount; ++r)
            ran.push_back(w_.runs[static_cast<std::size_t>(race.firstRun + r)].horse);
    }
    std::sort(ran.begin(), ran.end());
    ran.erase(std::unique(ran.begin(), ran.end()), ran.end());
    for (std::uint32_t horse : ran) appendMaster(horse, makeDate, day);
    return save(out_ / "normal", day, "060000", "RESULT" + digits(makeDate, 8));
}

std::string FeedWriter::writeRealtime(int weekend) {
    const Weekend& wk = w_.calendar.weekends[static_cast<std::size_t>(weekend)];
    const Bucket& b = window_[static_cast<std::size_t>(weekend - layout_.windowStart)];
    for (int d = wk.firstDay; d <= wk.lastDay(); ++d) {
        const RaceDay& rd = w_.calendar.days[static_cast<std::size_t>(d)];
        buffer_.clear();
        for (std::uint32_t i : b.races) {
            const Race& race = w_.races[i];
            if (race.venue == Venue::jra && race.day == rd.day) appendRace(i, '1', rd.date, true, false);
        }
        const std::string date = digits(rd.date, 8);
        if (std::string error = save(out_ / "realtime" / date, rd.day, "170000", "RT" + date); !error.empty())
            return error;
    }
    return {};
}

}  // namespace vantor::demo
