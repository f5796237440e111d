#include "odds/odds_import.h"

#include <optional>
#include <string>
#include <system_error>

#include "odds/jrdb_odds.h"
#include "odds/kol_odds.h"
#include "odds/archive_extract.h"
#include "fileio/whole_file.h"
#include "text/encoding.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

using Status = OddsImportOutcome::Status;

constexpr const char* kKolFile = "kol_ods.kd2";
constexpr const char* kOldLeftover = "yosoodds.dat";

// The lines of a text, ended by CR LF, LF or CR; a final line end opens no
// further line.
std::vector<SjisView> textLines(SjisView text) {
    std::vector<SjisView> lines;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == SjisView::npos) break;
        const std::size_t next = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        text.remove_prefix(next);
    }
    return lines;
}

void removeLeftover(const fs::path& path) {
    std::error_code error;
    if (!fs::is_directory(fs::symlink_status(path, error))) fs::remove(path, error);
}

void fail(OddsImportOutcome& outcome, Status status, const std::string& utf8) {
    outcome.status = status;
    outcome.messages.push_back({true, utf8ToCp932(utf8)});
}

void warnAboutSkipped(const ExtractResult& extracted, OddsImportOutcome& outcome) {
    if (extracted.unsafe > 0)
        outcome.messages.push_back({true, utf8ToCp932("書庫の中の" + std::to_string(extracted.unsafe) +
                                                      "個のファイルは、展開先フォルダの外を指す名前か"
                                                      "リンクのため解凍しませんでした。")});
    if (extracted.oversized > 0)
        outcome.messages.push_back(
            {true, utf8ToCp932("書庫の中の" + std::to_string(extracted.oversized) + "個のファイルは、合計" +
                               std::to_string(kExtractBudget / (1024 * 1024)) + "MBを超えるため解凍しませんでした。")});
}

std::optional<std::string> readSource(const fs::path& path, OddsImportOutcome& outcome) {
    FileContent content = readWholeFile(path);
    if (content.status == FileContent::Status::ok) return std::move(content.bytes);
    fail(outcome, Status::failed, "「" + path.filename().string() + "」を読み込めませんでした。");
    return std::nullopt;
}

// Saves yoz as the ".yoz" file of the day year4 + monthDay, removes the
// source file and reports the day with the service's name.
void saveDay(SjisView year4, SjisView monthDay, const SjisString& yoz, const fs::path& source,
             const std::string& service, const StorePaths& paths, OddsImportOutcome& outcome) {
    const fs::path target = paths.dayFile(dayNameUtf8(year4, monthDay), ".yoz");
    if (!replaceWholeFile(target, yoz)) {
        fail(outcome, Status::failed, "予想オッズデータを「" + target.string() + "」に保存できませんでした。");
        return;
    }
    removeLeftover(source);
    outcome.status = Status::saved;
    outcome.messages.push_back({false, utf8ToCp932(service + "を解凍し、" + dayNameUtf8(year4, monthDay) +
                                                   "のデータを保存しました。データを再読込すると反映されます。")});
}

void importJrdb(const fs::path& source, SjisView date, const StorePaths& paths, OddsImportOutcome& outcome) {
    if (date.size() != 6 || !isAllDigits(date)) {
        fail(outcome, Status::failed,
             "「" + source.filename().string() + "」の日付が読み取れないため、保存しませんでした。");
        return;
    }
    const auto text = readSource(source, outcome);
    if (!text) return;
    SjisString yoz;
    for (SjisView line : textLines(*text)) yoz += jrdbYozLine(line, date) + "\r\n";
    saveDay("20" + SjisString(date.substr(0, 2)), date.substr(2, 4), yoz, source, "JRDB基準オッズデータ", paths,
            outcome);
}

void importKol(const fs::path& source, bool chosenDayFrom2005, const StorePaths& paths, OddsImportOutcome& outcome) {
    const auto text = readSource(source, outcome);
    if (!text) return;
    const std::vector<SjisView> lines = textLines(*text);
    if (lines.empty()) {
        fail(outcome, Status::failed, "「" + std::string(kKolFile) + "」が空のため、保存しませんでした。");
        return;
    }
    const SjisView date = kolDate(lines.front());
    if (date.size() != 8 || !isAllDigits(date)) {
        fail(outcome, Status::failed,
             "「" + std::string(kKolFile) + "」の日付が読み取れないため、保存しませんでした。");
        return;
    }
    SjisString yoz;
    for (SjisView line : lines) yoz += kolYozLine(line, kolUsesHorsePairs(line, chosenDayFrom2005)) + "\r\n";
    saveDay(date.substr(0, 4), date.substr(4, 4), yoz, source, "KOL予想オッズデータ", paths, outcome);
}

}  // namespace

OddsImportOutcome importPredictedOdds(const fs::path& archive, const StorePaths& paths, bool chosenDayFrom2005) {
    OddsImportOutcome outcome;
    std::error_code error;
    const fs::path chosen = fs::absolute(archive, error);
    const fs::path folder = chosen.parent_path();
    const SjisString date(field(utf8ToCp932(chosen.filename().string()), 3, 6));
    const fs::path jrdbFile = folder / cp932ToUtf8("Oz" + date + ".txt");
    const fs::path kolFile = folder / kKolFile;
    // The chosen file itself is never a leftover, whatever its name.
    for (const fs::path& leftover : {jrdbFile, kolFile, folder / kOldLeftover})
        if (leftover != chosen) removeLeftover(leftover);

    const ExtractResult extracted = extractArchive(chosen, folder);
    warnAboutSkipped(extracted, outcome);
    if (extracted.extracted == 0) {
        fail(outcome, Status::notExtracted, "データが解凍できませんでした。");
        return outcome;
    }
    if (fs::exists(jrdbFile, error))
        importJrdb(jrdbFile, date, paths, outcome);
    else if (fs::exists(kolFile, error))
        importKol(kolFile, chosenDayFrom2005, paths, outcome);
    return outcome;
}

}  // namespace vantor
