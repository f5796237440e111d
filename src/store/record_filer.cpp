#include "store/record_filer.h"

#include "codes/racing_format.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"
#include "store/record_checks.h"
#include "store/store_bounds.h"
#include "text/encoding.h"

namespace vantor {
namespace {

using namespace jvdata;

// Bytes 3-11 (data kind and creation date) zeroed, so that keyed files
// sort by race key.
SjisString zeroStamp(SjisView line) { return OverwriteAt(line, "000000000", 3); }

struct Utf8AndSjis {
    std::string utf8;
    SjisString sjis;
};

Utf8AndSjis dayName(SjisView rec) {
    return {dayNameUtf8(get(rec, ra::Year), get(rec, ra::MonthDay)),
            dayNameSjis(get(rec, ra::Year), get(rec, ra::MonthDay))};
}

SjisString listLine(std::initializer_list<SjisView> parts) {
    SjisString line(filedLinePrefix());
    for (SjisView p : parts) line.append(p);
    return line;
}

bool isLocalOrOverseas(SjisView dk) { return dk == "A" || dk == "B"; }

bool isFinalOdds(SjisView kind) { return kind == "O1" || kind == "O2"; }

}  // namespace

SjisView filedLinePrefix() {
    static const SjisString prefix = utf8ToCp932("作成済み:");
    return prefix;
}

bool RecordFiler::acceptable(SjisView record) {
    const SjisView kind = recordKind(record);
    bool ok = hasLengthOfItsKind(record) && isOneLine(record);
    if (ok && (kind == "RA" || kind == "SE" || kind == "HR" || isFinalOdds(kind))) ok = hasValidRaceKeyForPaths(record);
    if (ok && kind == "SE") ok = isValidHorseId(get(record, se::KettoNum));
    if (ok && kind == "UM") ok = isValidHorseId(get(record, um::KettoNum));
    if (!ok) ++rejected_;
    return ok;
}

void RecordFiler::fileAcquired(SjisView record, long long fromDate, std::vector<SjisString>& listLines) {
    // Every filing adds its list line, so a record that added none went nowhere.
    const std::size_t linesBefore = listLines.size();
    const int rejectedBefore = rejected_;
    fileAcquiredKind(record, fromDate, listLines);
    if (listLines.size() == linesBefore && rejected_ == rejectedBefore) unfiled_.add(recordKind(record));
}

void RecordFiler::fileAcquiredKind(SjisView record, long long fromDate, std::vector<SjisString>& listLines) {
    const SjisView kind = recordKind(record);
    if (kind != "RA" && kind != "SE" && kind != "HR" && kind != "UM" && !isFinalOdds(kind)) return;
    if (!acceptable(record)) return;
    const SjisView line = withoutLineEnd(record);
    const SjisView dk = dataKind(record);
    const long long date = lenientNumber(raceKey(record).date());
    const bool datePasses = date >= fromDate - 10;
    const int race = inum(record, ra::RaceNum);
    const SjisView raceText = get(record, ra::RaceNum);
    static const SjisString kRaceMark = utf8ToCp932("R/");
    static const SjisString kHorseMark = utf8ToCp932("番/");

    if (kind == "RA") {
        if (isLocalOrOverseas(dk)) {
            const SjisView year = get(record, ra::Year);
            batch_.ensureFolder(paths_.seirDir() / asciiName(year));
            const SjisString name(raceKey(record).dateAndCourse());
            batch_.mergeKeyed(paths_.outsideRaceFile(year, name), zeroStamp(line));
            listLines.push_back(listLine({raceText, kRaceMark, name, ".jvSERA"}));
            return;
        }
        const int heads = inum(record, ra::TorokuTosu);
        if (!datePasses || race <= 0 || heads < 1 || heads > kRunnerSlotsPerRace) return;
        const Utf8AndSjis day = dayName(record);
        batch_.mergeKeyed(paths_.dayFile(day.utf8, ".jvRA"), zeroStamp(line));
        listLines.push_back(listLine({raceText, kRaceMark, day.sjis, ".jvRA"}));
    } else if (kind == "SE") {
        const int horse = inum(record, se::Umaban);
        // Only the course runner file is named after the racecourse; a run at a
        // course without a name still belongs in the horse's history.
        const std::optional<SjisString> named = courseFileName(get(record, se::JyoCD));
        const SjisString course = named.value_or(SjisString());
        const Utf8AndSjis day = dayName(record);
        if (named && race > 0 && race <= kRacesPerRunnerFile && horse >= 1 && horse <= kRunnerSlotsPerRace &&
            !isLocalOrOverseas(dk) && datePasses) {
            const std::string courseUtf8 = cp932ToUtf8(course);
            batch_.putRunnerSlot(paths_.runnerFile(day.utf8, courseUtf8), line, race, horse, true);
            listLines.push_back(
                listLine({raceText, kRaceMark, get(record, se::Umaban), kHorseMark, day.sjis, course, ".jvSEr"}));
        }
        const SjisView id = get(record, se::KettoNum);
        batch_.ensureFolder(paths_.seiDir() / asciiName(id.substr(0, 4)));
        if (dk == "7" || isLocalOrOverseas(dk)) {
            batch_.mergeKeyed(paths_.horseRunFile(id), zeroStamp(line));
            listLines.push_back(listLine({day.sjis, course, raceText, kRaceMark, id, ".jvSEI"}));
        }
    } else if (kind == "HR") {
        if (!datePasses || race <= 0) return;
        const Utf8AndSjis day = dayName(record);
        batch_.mergeKeyed(paths_.dayFile(day.utf8, ".jvHR"), zeroStamp(line));
        listLines.push_back(listLine({raceText, kRaceMark, day.sjis, ".jvHR"}));
    } else if (isFinalOdds(kind)) {
        // Beside the race's runners: one file per racecourse day and kind.
        const std::optional<SjisString> course = courseFileName(get(record, o1::JyoCD));
        if (!course || !datePasses || race <= 0) return;
        const Utf8AndSjis day = dayName(record);
        batch_.mergeKeyed(paths_.finalOddsFile(day.utf8, cp932ToUtf8(*course), kind), zeroStamp(line));
        listLines.push_back(listLine({raceText, kRaceMark, day.sjis, *course, ".jv", kind}));
    } else {  // UM
        const SjisView id = get(record, um::KettoNum);
        batch_.ensureFolder(paths_.um2Dir() / asciiName(id.substr(0, 4)));
        batch_.replaceWhole(paths_.horseMasterFile(id), line);
        listLines.push_back(listLine({id, ".jvUM2"}));
    }
}

void RecordFiler::fileRealtime(SjisView record) {
    const SjisView kind = recordKind(record);
    if (kind != "RA" && kind != "SE" && kind != "HR") return;
    if (!acceptable(record)) return;
    const SjisView line = withoutLineEnd(record);
    const int race = inum(record, ra::RaceNum);
    if (race <= 0) return;
    const std::string day = dayNameUtf8(get(record, ra::Year), get(record, ra::MonthDay));
    if (kind == "RA") {
        batch_.mergeKeyed(paths_.dayFile(day, ".jvRA"), zeroStamp(line), /*onlyIfExists=*/true,
                          /*dropBlankFirstLine=*/true);
    } else if (kind == "SE") {
        const int horse = inum(record, se::Umaban);
        const std::optional<SjisString> course = courseFileName(get(record, se::JyoCD));
        if (!course) {
            ++rejected_;
            return;
        }
        batch_.putRunnerSlot(paths_.runnerFile(day, cp932ToUtf8(*course)), line, race, horse, false);
    } else {
        batch_.mergeKeyed(paths_.dayFile(day, ".jvHR"), line);
    }
}

}  // namespace vantor
