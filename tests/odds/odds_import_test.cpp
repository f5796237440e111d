#include "odds/odds_import.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <vector>

#include "demo/lzh_writer.h"
#include "odds/archive_extract.h"
#include "odds/lha_tool.h"
#include "store/store_folders.h"
#include "support/temp_dir.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;
using Status = OddsImportOutcome::Status;

namespace {

const std::string kDay = "2024年05月26日";
const std::string kSavedTail = "日のデータを保存しました。データを再読込すると反映されます。";

// A JRDB line of racecourse 05, race r, with the win odds text of horse 1.
std::string jrdbLine(const char* race, const char* win) {
    std::string line = std::string("05242c") + race + "16" + win;
    return line + std::string(955 - line.size(), ' ') + "\r\n";
}

std::string kolLine(const char* date, const char* race) {
    std::string line = std::string("04    0212") + race + date;
    line += std::string(161 - line.size(), ' ') + "  123";
    return line + std::string(1502 - line.size(), ' ') + "\r\n";
}

struct Shown {
    bool error;
    std::string text;
    bool operator==(const Shown&) const = default;
    friend std::ostream& operator<<(std::ostream& out, const Shown& s) {
        return out << (s.error ? "[beep] " : "") << s.text;
    }
};

class OddsImport : public ::testing::Test {
protected:
    OddsImport() {
        fs::create_directories(app);
        EXPECT_EQ(ensureStoreFolders(app), std::nullopt);
        fs::create_directories(odds);
    }

    // An archive of the independent tool (method lh5) holding files.
    fs::path lhaArchive(const std::string& name, const std::map<std::string, std::string>& files) {
        const fs::path work = dir / "work";
        fs::create_directories(work);
        std::string names;
        for (const auto& [file, bytes] : files) {
            writeFile(work / file, bytes);
            names += " " + file;
        }
        fs::remove(work / name);
        runLha(work, "ao5 " + name + names);
        fs::rename(work / name, odds / name);
        return odds / name;
    }
    fs::path ourArchive(const std::string& name, const std::vector<demo::LzhMember>& members) {
        writeFile(odds / name, demo::lzhArchive(members, 2, 1716681600));
        return odds / name;
    }

    OddsImportOutcome run(const fs::path& archive, bool from2005 = false) {
        OddsImportOutcome outcome = importPredictedOdds(archive, StorePaths(app), from2005);
        shown.clear();
        for (const auto& m : outcome.messages) shown.push_back({m.error, cp932ToUtf8(m.text)});
        return outcome;
    }
    fs::path yoz(const std::string& day = kDay) const { return StorePaths(app).dayFile(day, ".yoz"); }
    std::vector<fs::path> yozFiles() const {
        std::vector<fs::path> files;
        for (const auto& e : fs::directory_iterator(StorePaths(app).dataDir()))
            if (e.path().extension() == ".yoz") files.push_back(e.path());
        return files;
    }

    // Names in the archive's folder.
    std::vector<fs::path> besideTheArchive() const {
        std::vector<fs::path> names;
        for (const auto& e : fs::directory_iterator(odds)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }
    int workLeftovers() const {
        int found = 0;
        for (const auto& e : fs::directory_iterator(app)) found += e.path().filename().string().starts_with(".odds");
        return found;
    }

    TempDir dir;
    const fs::path app = dir / "app";
    const fs::path odds = dir / "odds";
    std::vector<Shown> shown;
};

}  // namespace

TEST_F(OddsImport, JrdbArchiveBecomesTheDaysFileAndANewImportReplacesIt) {
    SKIP_WITHOUT_LHA();
    const fs::path archive =
        lhaArchive("OZ240526.lzh", {{"Oz240526.txt", jrdbLine("01", " 12.5") + jrdbLine("02", "  3.4")}});

    EXPECT_EQ(run(archive).status, Status::saved);
    EXPECT_EQ(shown, (std::vector<Shown>{{false, "JRDB基準オッズデータを解凍し、2024年05月26" + kSavedTail}}));
    const std::string bytes = readFile(yoz());
    ASSERT_EQ(bytes.size(), 2 * 1461u);
    EXPECT_EQ(bytes.substr(0, 25), "2024052605020c01J16  12.5");
    EXPECT_EQ(bytes.substr(1459, 2), "\r\n");
    EXPECT_EQ(bytes.substr(1461, 25), "2024052605020c02J16   3.4");
    EXPECT_EQ(besideTheArchive(), (std::vector<fs::path>{"OZ240526.lzh"}));
    EXPECT_EQ(workLeftovers(), 0);

    lhaArchive("OZ240526.lzh", {{"Oz240526.txt", jrdbLine("03", "  9.9")}});
    EXPECT_EQ(run(archive).status, Status::saved);
    EXPECT_EQ(readFile(yoz()).substr(0, 25), "2024052605020c03J16   9.9");
    EXPECT_EQ(fs::file_size(yoz()), 1461u);
}

TEST_F(OddsImport, KolArchiveIsNamedAfterTheDateOfItsFirstLine) {
    SKIP_WITHOUT_LHA();
    const fs::path archive =
        lhaArchive("j240526.lzh", {{"kol_ods.kd2", kolLine("20240526", "11") + kolLine("20240527", "12")}});
    EXPECT_EQ(run(archive, true).status, Status::saved);
    EXPECT_EQ(shown, (std::vector<Shown>{{false, "KOL予想オッズデータを解凍し、2024年05月26" + kSavedTail}}));
    const std::string bytes = readFile(yoz());
    ASSERT_EQ(bytes.size(), 2 * 1461u);
    EXPECT_EQ(bytes.substr(0, 25), "2024052604021211K    12.3");
    EXPECT_EQ(besideTheArchive(), (std::vector<fs::path>{"j240526.lzh"}));
}

TEST_F(OddsImport, OddsFilesAreFoundWhateverTheirLetterCase) {
    EXPECT_EQ(run(ourArchive("OZ240526.lzh", {{"OZ240526.TXT", jrdbLine("01", " 12.5"), {}}})).status, Status::saved);
    EXPECT_EQ(readFile(yoz()).substr(0, 25), "2024052605020c01J16  12.5");
    EXPECT_EQ(run(ourArchive("j240527.lzh", {{"KOL_ODS.KD2", kolLine("20240527", "11"), {}}})).status, Status::saved);
    EXPECT_EQ(readFile(yoz("2024年05月27日")).substr(0, 25), "2024052704021211K    12.3");
}

TEST_F(OddsImport, NothingIsUnpackedOrRemovedBesideTheArchive) {
    // An archive saved in a home folder, with the files a hostile one would replace.
    const fs::path home = odds;
    writeFile(home / ".bashrc", "the user's own");
    writeFile(home / "vantor.ini", "[Dir]\r\n");
    writeFile(home / "kol_ods.kd2", "the user's own too");
    writeFile(home / "Oz240526.txt", "and this");
    const fs::path archive = ourArchive("OZ240526.lzh", {{".bashrc", "evil", {}},
                                                         {".ssh/authorized_keys", "evil", {}},
                                                         {".config/autostart/x.desktop", "evil", {}},
                                                         {"vantor.ini", "evil", {}},
                                                         {"Oz240526.txt", jrdbLine("01", " 12.5"), {}}});
    EXPECT_EQ(run(archive).status, Status::saved);
    EXPECT_EQ(shown.front(), (Shown{true, "書庫の中の予想オッズ以外の4個のファイルは解凍しませんでした。"}));
    EXPECT_EQ(besideTheArchive(),
              (std::vector<fs::path>{".bashrc", "OZ240526.lzh", "Oz240526.txt", "kol_ods.kd2", "vantor.ini"}));
    EXPECT_EQ(readFile(home / ".bashrc"), "the user's own");
    EXPECT_EQ(readFile(home / "kol_ods.kd2"), "the user's own too");
    EXPECT_EQ(readFile(home / "Oz240526.txt"), "and this");
    EXPECT_EQ(workLeftovers(), 0);
}

TEST_F(OddsImport, ArchiveWithoutAnOddsFileOnlyTellsWhatWasSkipped) {
    const fs::path archive = ourArchive("OZ240526.lzh", {{"readme.txt", "hello", {}}});
    EXPECT_EQ(run(archive).status, Status::noOddsFile);
    EXPECT_EQ(shown, (std::vector<Shown>{{true, "書庫の中の予想オッズ以外の1個のファイルは解凍しませんでした。"}}));
    EXPECT_EQ(besideTheArchive(), (std::vector<fs::path>{"OZ240526.lzh"}));
    EXPECT_TRUE(yozFiles().empty());
}

TEST_F(OddsImport, ArchivesOfManyMembersAreRefused) {
    std::vector<demo::LzhMember> members(kMaxArchiveMembers, {"Oz240526.txt", jrdbLine("01", " 12.5"), {}});
    for (int i = 1; i < kMaxArchiveMembers; ++i) members[i] = {"empty" + std::to_string(i), "", {}};
    EXPECT_EQ(run(ourArchive("OZ240526.lzh", members)).status, Status::saved);

    members.push_back({"empty", "", {}});
    EXPECT_EQ(run(ourArchive("OZ240526.lzh", members)).status, Status::notExtracted);
    EXPECT_EQ(shown, (std::vector<Shown>{{true, "書庫のファイルが64個を超えるため、解凍しませんでした。"}}));
    EXPECT_EQ(besideTheArchive(), (std::vector<fs::path>{"OZ240526.lzh"}));
    EXPECT_EQ(workLeftovers(), 0);
}

TEST_F(OddsImport, LeftoversOfAKilledImportAreRemovedByTheNext) {
    writeFile(app / ".odds-import-Ab12Cd" / "kol_ods.kd2", "left by a killed import");
    writeFile(app / ".odds-import-other", "a file of that name is not ours to remove");
    EXPECT_EQ(run(ourArchive("j240526.lzh", {{"kol_ods.kd2", kolLine("20240526", "11"), {}}})).status, Status::saved);
    EXPECT_FALSE(fs::exists(app / ".odds-import-Ab12Cd"));
    EXPECT_TRUE(fs::exists(app / ".odds-import-other"));
}

TEST_F(OddsImport, ArchiveThatCannotBeExtracted) {
    writeFile(odds / "OZ240526.lzh", "not an archive at all");
    EXPECT_EQ(run(odds / "OZ240526.lzh").status, Status::notExtracted);
    EXPECT_EQ(shown, (std::vector<Shown>{{true, "データが解凍できませんでした。"}}));

    EXPECT_EQ(run(odds / "missing.lzh").status, Status::notExtracted);
    EXPECT_EQ(run(ourArchive("OZ240526.lzh", {{"OZ240526.txt", std::string(kExtractBudget + 1, ' '), {}}})).status,
              Status::notExtracted);
    EXPECT_EQ(shown, (std::vector<Shown>{{true, "予想オッズのファイルが16MBを超えるため、解凍しませんでした。"}}));
}

TEST_F(OddsImport, NothingIsSavedWithoutADateThatCanNameTheFile) {
    const std::pair<std::string, demo::LzhMember> cases[] = {
        {"OZ24x526.lzh", {"Oz24x526.txt", jrdbLine("01", " 12.5"), {}}},
        {"OZ2405.lzh", {"Oz2405.l.txt", jrdbLine("01", " 12.5"), {}}},
        {"j240526.lzh", {"kol_ods.kd2", kolLine("2024/5/2", "11"), {}}},
        {"j240527.lzh", {"kol_ods.kd2", kolLine("../../xx", "11"), {}}},
        {"j240528.lzh", {"kol_ods.kd2", "", {}}},
    };
    for (const auto& [name, member] : cases) {
        SCOPED_TRACE(name);
        EXPECT_EQ(run(ourArchive(name, {member})).status, Status::failed);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_TRUE(shown[0].error);
        EXPECT_NE(shown[0].text.find("保存しませんでした"), std::string::npos) << shown[0].text;
    }
    EXPECT_TRUE(yozFiles().empty());
}

TEST_F(OddsImport, SkippedMembersAreReportedBeforeTheResult) {
    const fs::path archive =
        ourArchive("OZ240526.lzh", {{"../Oz240526.txt", "x", {}}, {"Oz240526.txt", jrdbLine("01", " 12.5"), {}}});
    EXPECT_EQ(run(archive).status, Status::saved);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0], (Shown{true, "書庫の中の予想オッズ以外の1個のファイルは解凍しませんでした。"}));
    EXPECT_FALSE(shown[1].error);
    EXPECT_FALSE(fs::exists(dir / "Oz240526.txt"));

    EXPECT_EQ(run(ourArchive("j240526.lzh", {{"kol_ods.kd2", {}, "/etc/passwd"}})).status, Status::noOddsFile);
    EXPECT_EQ(shown, (std::vector<Shown>{{true, "書庫の中の予想オッズ以外の1個のファイルは解凍しませんでした。"}}));
}
