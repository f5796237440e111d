#include "odds/odds_import.h"

#include <optional>
#include <string>
#include <system_error>

#include "fileio/whole_file.h"
#include "odds/archive_extract.h"
#include "odds/jrdb_odds.h"
#include "odds/kol_odds.h"
#include "odds/private_folder.h"
#include "text/encoding.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

using Status = OddsImportOutcome::Status;

constexpr const char* kKolFile = "kol_ods.kd2";
// The folder each import unpacks into, inside the program folder.
constexpr const char* kWorkFolderPrefix = ".odds-import-";

// The lines of a text, ended by CR LF, LF or CR; a final line end opens no
// further line.
std::vector<SjisView> textLines(SjisView text) {
    std::vector<SjisView> lines;
    while (!text.empty()) {
        const std::size_t end = text.bytes().find_first_of("\r\n");  // never a trail byte
        lines.push_back(text.substr(0, end));
        if (end == SjisView::npos) break;
        const std::size_t next = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        text.remove_prefix(next);
    }
    return lines;
}

void fail(OddsImportOutcome& outcome, Status status, const std::string& utf8) {
    outcome.status = status;
    outcome.messages.push_back({true, utf8ToCp932(utf8)});
}

void warnAboutSkipped(const MemberExtract& extracted, OddsImportOutcome& outcome) {
    if (extracted.skipped > 0 && extracted.status != MemberExtract::Status::tooManyMembers)
        outcome.messages.push_back({true, utf8ToCp932("書庫の中の予想オッズ以外の" + std::to_string(extracted.skipped) +
                                                      "個のファイルは解凍しませんでした。")});
}

// Why nothing could be converted, for the statuses other than extracted
// and notFound.
std::string notExtractedText(const MemberExtract& extracted) {
    switch (extracted.status) {
        case MemberExtract::Status::tooManyMembers:
            return "書庫のファイルが" + std::to_string(kMaxArchiveMembers) + "個を超えるため、解凍しませんでした。";
        case MemberExtract::Status::oversized:
            return "予想オッズのファイルが" + std::to_string(kExtractBudget / (1024 * 1024)) +
                   "MBを超えるため、解凍しませんでした。";
        default:
            return "データが解凍できませんでした。";
    }
}

std::optional<SjisString> readSource(const fs::path& path, OddsImportOutcome& outcome) {
    FileContent content = readWholeFile(path);
    if (content.status == FileContent::Status::ok) return SjisString::fromBytes(std::move(content.bytes));
    fail(outcome, Status::failed, "「" + path.filename().string() + "」を読み込めませんでした。");
    return std::nullopt;
}

// Saves yoz as the ".yoz" file of the day year4 + monthDay and reports
// the day with the service's name.
void saveDay(SjisView year4, SjisView monthDay, const SjisString& yoz, const std::string& service,
             const StorePaths& paths, OddsImportOutcome& outcome) {
    const fs::path target = paths.dayFile(dayNameUtf8(year4, monthDay), ".yoz");
    if (!replaceWholeFile(target, yoz.bytes())) {
        fail(outcome, Status::failed, "予想オッズデータを「" + target.string() + "」に保存できませんでした。");
        return;
    }
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
    saveDay("20" + SjisString(date.substr(0, 2)), date.substr(2, 4), yoz, "JRDB基準オッズデータ", paths, outcome);
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
    saveDay(date.substr(0, 4), date.substr(4, 4), yoz, "KOL予想オッズデータ", paths, outcome);
}

}  // namespace

OddsImportOutcome importPredictedOdds(const fs::path& archive, const StorePaths& paths, bool chosenDayFrom2005) {
    OddsImportOutcome outcome;
    std::error_code error;
    const fs::path chosen = fs::absolute(archive, error);
    const SjisString date(field(utf8ToCp932(chosen.filename().string()), 3, 6));
    // Nothing is unpacked beside the archive: only the odds file the import
    // reads, into a folder of the program's own that goes with the import.
    const PrivateFolder work(paths.appDir(), kWorkFolderPrefix);
    if (work.path().empty()) {
        fail(outcome, Status::failed, "解凍用のフォルダを「" + paths.appDir().string() + "」に作れませんでした。");
        return outcome;
    }
    const MemberExtract extracted =
        extractWantedMember(chosen, {cp932ToUtf8("Oz" + date + ".txt"), kKolFile}, work.path());
    warnAboutSkipped(extracted, outcome);
    switch (extracted.status) {
        case MemberExtract::Status::extracted:
            if (extracted.wantedIndex == 0)
                importJrdb(extracted.file, date, paths, outcome);
            else
                importKol(extracted.file, chosenDayFrom2005, paths, outcome);
            break;
        case MemberExtract::Status::notFound:
            break;
        default:
            fail(outcome, Status::notExtracted, notExtractedText(extracted));
    }
    return outcome;
}

}  // namespace vantor
