// vantor-fuzz-seeds OUT: the seed corpora of the fuzz targets, made from a
// demo season (one year up to a fixed day, so every build makes the same
// seeds): OUT/<target>/<n> for each target of this folder.

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>

#include "demo/demo_feed.h"
#include "fuzz_support.h"
#include "jvlink/bridge_stream.h"
#include "jvlink/feed_folder.h"
#include "odds/archive_extract.h"
#include "raceday/day_loader.h"
#include "settings/ini_gt.h"
#include "store/day_list.h"
#include "store/live_record_checks.h"
#include "store/record_filer.h"
#include "store/store_folders.h"

namespace fs = std::filesystem;
using namespace vantor;

namespace {

class Corpus {
public:
    Corpus(const fs::path& out, const std::string& target) : folder_(out / target) { fs::create_directories(folder_); }
    void add(std::string_view bytes) {
        std::ofstream(folder_ / std::to_string(count_++), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

private:
    fs::path folder_;
    int count_ = 0;
};

std::string fileBytes(const fs::path& path) { return readWholeFile(path).bytes; }

std::vector<FeedFile> normalFiles(const fs::path& feed) { return listFeedFiles(feed / feed::kNormalDir); }

// A few records of each kind, as delivered.
void filingSeeds(const fs::path& feed, Corpus corpus) {
    std::map<std::string, int> taken;
    for (const FeedFile& file : normalFiles(feed)) {
        const std::string bytes = fileBytes(file.path);
        for (const std::string_view record : splitRecords(bytes))
            if (taken[std::string(record.substr(0, 2)) + std::string(record.substr(2, 1))]++ < 2)
                corpus.add(std::string(record) + "\r\n");
    }
}

void settingsSeeds(const fs::path& work, Corpus corpus) {
    TIniGT ini;
    ini.setFileName((work / "vantor.ini").string());
    ini.WriteInteger("locate", "top", 10);
    ini.WriteInteger("locate", "width", 1200);
    ini.WriteBool("datalist", "close", true);
    ini.WriteString("Dir", "yoso", "\xA2/home/u/odds\xA3"_sjis);
    ini.WriteString("JvDataGet", "LastTime", "2024/05/27 09:00:00");
    ini.WriteInteger("PrintZoom", "ratio", 1);
    ini.WriteString("JVLinkFeed", "Folder", "jvfeed");
    const std::string text = fileBytes(ini.filePath());
    corpus.add(text);
    corpus.add(text + std::string(1, '\0') + "2024/06/01 10:00:00");
    corpus.add(text + std::string(1, '\0') + " \"quoted\" ");
}

// The archives and the first lines of the odds files they hold.
void oddsSeeds(const fs::path& odds, const fs::path& work, Corpus archives, Corpus lines) {
    std::vector<fs::path> found;
    for (const auto& entry : fs::directory_iterator(odds)) found.push_back(entry.path());
    std::sort(found.begin(), found.end());
    bool jrdb = false, kol = false;
    for (const fs::path& archive : found) {
        const bool isJrdb = archive.filename().string().starts_with("OZ");
        if ((isJrdb && jrdb) || (!isJrdb && kol)) continue;
        (isJrdb ? jrdb : kol) = true;
        archives.add(fileBytes(archive));
        const std::string date = archive.filename().string().substr(2, 6);
        const fs::path into = work / archive.filename();
        fs::create_directories(into);
        const MemberExtract member = extractWantedMember(archive, {"Oz" + date + ".txt", "kol_ods.kd2"}, into);
        if (member.status != MemberExtract::Status::extracted) continue;
        const std::string text = fileBytes(member.file);
        const std::vector<std::string_view> all = splitRecords(text);
        for (std::size_t i = 0; i < std::min<std::size_t>(all.size(), 3); ++i) lines.add(all[i]);
    }
}

// The files a load of the newest race day reads, in order.
void dayLoadingSeeds(const fs::path& feed, const fs::path& work, Corpus corpus) {
    const fs::path app = work / "app";
    fs::create_directories(app);
    if (ensureStoreFolders(app)) return;
    const StorePaths paths(app);
    StoreBatch batch;
    RecordFiler filer(paths, batch);
    std::vector<SjisString> listLines;
    for (const FeedFile& file : normalFiles(feed)) {
        const std::string bytes = fileBytes(file.path);
        for (const std::string_view record : splitRecords(bytes)) {
            listLines.clear();
            filer.fileAcquired(sjisBytes(record) + "\r\n", 0, listLines);
        }
    }
    batch.flush();
    const std::vector<std::string> days = listRaceDays(paths);
    if (days.empty()) return;
    // The first records of each file keep every step of the load while the
    // input stays small enough for the fuzzer to be quick: one race (a race
    // record is 1272 bytes), its first runners, a horse master and a few
    // runs of each history.
    constexpr std::size_t kFileLimit = 2 * 1024, kSeedLimit = 32 * 1024;
    std::string seed;
    DayLoader loader(paths, [&](const fs::path& path, const ReadBound& bound) {
        FileContent content = readFilePart(path, bound);
        content.bytes.resize(std::min(content.bytes.size(), kFileLimit));
        if (seed.size() + content.bytes.size() <= kSeedLimit) seed.append(content.bytes).append(fuzz::kFileBreak);
        return content;
    });
    const std::unique_ptr<RaceDay> day = RaceDay::create();
    loader.load(days.front(), *day);
    corpus.add(seed);
}

// A whole run of the bridge reading a few records in two files, cut into
// pieces of each size.
void bridgeStreamSeeds(const fs::path& feed, Corpus corpus) {
    using bridge_stream::Event;
    const auto message = [](Event::Kind kind, int code = 0, std::string text = {}, std::string bytes = {}) {
        Event e;
        e.kind = kind;
        e.code = code;
        e.text = std::move(text);
        e.bytes = std::move(bytes);
        return bridge_stream::encode(e);
    };
    Event open;
    open.kind = Event::Kind::open;
    open.readCount = 2;
    open.downloadCount = 1;
    open.text = "20240601000000";
    std::string run = message(Event::Kind::hello, bridge_stream::kVersion) + message(Event::Kind::init) +
                      message(Event::Kind::version, 0, "4.9.0.2") + bridge_stream::encode(open) +
                      message(Event::Kind::status, 1);
    const std::vector<FeedFile> files = normalFiles(feed);
    for (std::size_t f = 0; f < std::min<std::size_t>(files.size(), 2); ++f) {
        const std::string bytes = fileBytes(files[f].path);
        const std::vector<std::string_view> records = splitRecords(bytes);
        for (std::size_t r = 0; r < std::min<std::size_t>(records.size(), 3); ++r)
            run += message(Event::Kind::record, 0, files[f].name, std::string(records[r]) + "\r\n");
        run += message(Event::Kind::fileEnd);
    }
    run += message(Event::Kind::read) + message(Event::Kind::close);
    for (const char piece : {'\x00', '\x07', '\x7f', '\xff'}) corpus.add(std::string(1, piece) + run);
    corpus.add(std::string(1, '\x10') + message(Event::Kind::hello, bridge_stream::kVersion) +
               message(Event::Kind::init) + message(Event::Kind::version, 0, "4.9.0.2") + message(Event::Kind::rtopen) +
               message(Event::Kind::read) + message(Event::Kind::close));
}

// The live answers of the demo's newest race day: each file one answer,
// the first few smaller files of every dataspec, and one input of the
// first of each.
void liveRecordSeeds(const fs::path& feed, Corpus corpus) {
    struct Spec {
        std::string_view name;
        LiveDataspec dataspec;
    };
    constexpr Spec kSpecs[] = {{"_0B11_", LiveDataspec::weights},
                               {"_0B14_", LiveDataspec::dayChanges},
                               {"_0B30_", LiveDataspec::odds},
                               {"_0B41_", LiveDataspec::winOddsSeries}};
    std::error_code error;
    for (fs::directory_iterator days(feed / feed::kRealtimeDir, error), end; !error && days != end; ++days) {
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(days->path())) files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        std::string all = days->path().filename().string();
        std::map<std::string_view, int> taken;
        for (const fs::path& file : files) {
            const std::string name = file.filename().string();
            for (const Spec& spec : kSpecs) {
                if (name.find(spec.name) == std::string::npos || fs::file_size(file) > 16 * 1024 ||
                    taken[spec.name]++ >= 3)
                    continue;
                std::string answer(1, static_cast<char>(static_cast<int>(spec.dataspec) | 4));
                answer += fileBytes(file);
                corpus.add(days->path().filename().string() + answer);
                if (taken[spec.name] == 1) all.append(fuzz::kAnswerBreak).append(answer);
            }
        }
        corpus.add(all);
    }
}

// Records of each layout the export converts.
void sqlValueSeeds(const fs::path& feed, Corpus corpus) {
    std::map<std::string, int> taken;
    for (const FeedFile& file : normalFiles(feed)) {
        const std::string bytes = fileBytes(file.path);
        for (const std::string_view record : splitRecords(bytes)) {
            const std::string kind(record.substr(0, 2));
            if (taken[kind]++ >= 2) continue;
            for (const char layout : {'\0', '\1', '\2', '\3'}) corpus.add(std::string(1, layout) + std::string(record));
        }
    }
}

void feedNameSeeds(const fs::path& feed, Corpus corpus) {
    std::string names;
    for (const FeedFile& file : normalFiles(feed)) names += file.name + "\n";
    corpus.add(names.substr(0, 400));
    corpus.add("20240526180000_A.jvd\n20240526180000_B.jvd\n20240230120000_BAD.jvd\nREADME.txt\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vantor-fuzz-seeds OUT\n";
        return 2;
    }
    const fs::path out = argv[1];
    const fs::path work = out / ".work";
    fs::remove_all(work);
    demo::DemoOptions options;
    options.out = work / "feed";
    options.oddsOut = work / "odds";
    options.toDate = 20240630;
    options.years = 1;
    if (const demo::DemoResult made = demo::generateDemoFeed(options); !made.ok()) {
        std::cerr << made.error << '\n';
        return 1;
    }
    filingSeeds(options.out, Corpus(out, "record_filing"));
    settingsSeeds(work, Corpus(out, "settings"));
    oddsSeeds(options.oddsOut, work, Corpus(out, "archive"), Corpus(out, "odds_lines"));
    dayLoadingSeeds(options.out, work, Corpus(out, "day_loading"));
    feedNameSeeds(options.out, Corpus(out, "feed_names"));
    bridgeStreamSeeds(options.out, Corpus(out, "bridge_stream"));
    liveRecordSeeds(options.out, Corpus(out, "live_records"));
    sqlValueSeeds(options.out, Corpus(out, "sql_values"));
    fs::remove_all(work);
    return 0;
}
