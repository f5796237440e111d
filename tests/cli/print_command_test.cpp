// vantor-cli print on a demo day, read back with pdftotext: one page per
// race, and the race name, a horse name and a run heading on their page
// within 1.5 mm of where the page layout puts them; with the user's marks
// of a set, the marks and the race note at their places.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "support/cups_server.h"
#include "support/demo_weekend.h"
#include "support/marks_day.h"
#include "support/pdf_text.h"
#include "support/program_folder.h"
#include "support/run_command.h"
#include "usermarks/user_marks_file.h"

using namespace vantor;
using namespace vantor::test;

namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The word at page units (x, y): 1.5 mm at most from x/10 mm, y/10 mm.
bool foundAt(const std::vector<PdfWord>& words, const std::string& text, int x, int y) {
    for (const PdfWord& w : words)
        if (w.text == text && std::abs(w.xMm - x / 10.0) <= 1.5 && std::abs(w.yMm - y / 10.0) <= 1.5) return true;
    return false;
}

class PrintCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // vantor-cli print must not depend on the machine's printers either.
        printServer = new PrivateCupsSocket;
        store = new DemoWeekend(VANTOR_FEEDGEN, VANTOR_CLI);
        ASSERT_EQ(store->error(), "");
        day = store->days().front();
    }
    static void TearDownTestSuite() {
        delete store;
        delete printServer;
    }
    static std::string cli() { return store->cli(); }

    static inline PrivateCupsSocket* printServer = nullptr;
    static inline DemoWeekend* store = nullptr;
    static inline std::string day;
};

TEST_F(PrintCommand, WritesOnePagePerRaceWithTextsWhereThePageSaysTheyAre) {
    const std::string pdf = (*store / "cards.pdf").string();
    const CommandOutput printed =
        runCommand(cli() + " print --day " + shellWord(day) + " --number --pdf " + shellWord(pdf) + " --png " +
                   shellWord((*store / "png").string()) + " --dpi 20");
    ASSERT_EQ(printed.status, 0);
    const auto races = lines(runCommand(cli() + " races --day " + shellWord(day)).text);
    ASSERT_GE(races.size(), 2u);
    EXPECT_EQ(lines(printed.text).size(), races.size() + 1) << "the PDF and one PNG per page";
    EXPECT_EQ(pdfPages(pdf).size(), races.size());

    const auto header = lines(runCommand(cli() + " grid --day " + shellWord(day) + " --race 2 header").text);
    const auto check = lines(runCommand(cli() + " grid --day " + shellWord(day) + " --race 2 check").text);
    ASSERT_GE(header.size(), 5u);
    ASSERT_GE(check.size(), 3u);
    const std::string raceName = trimmed(header[4]);
    std::string horse = check[2];
    for (int field = 0; field < 4; ++field) horse = horse.substr(horse.find('\t') + 1);  // 枠 馬 印 格言該当
    horse = trimmed(horse.substr(0, horse.find('\t')));

    const auto page2 = pdfWords(pdf, 2);
    EXPECT_TRUE(foundAt(page2, raceName, 300, 135)) << raceName;
    EXPECT_TRUE(foundAt(page2, horse, 205, 126 + 333)) << horse;
    EXPECT_TRUE(foundAt(page2, "前走-1", 893, 382));
    EXPECT_FALSE(foundAt(pdfWords(pdf, 1), horse, 205, 126 + 333));
}

TEST_F(PrintCommand, AnUnknownDayIsRefused) {
    EXPECT_EQ(
        runCommand(cli() + " print --day 1999年01月01日 --trainers --pdf " + shellWord((*store / "x.pdf").string()))
            .status,
        2);
    EXPECT_EQ(runCommand(cli() + " print --day " + shellWord(day) + " --pdf " + shellWord((*store / "x.pdf").string()))
                  .status,
              2);
}

TEST_F(PrintCommand, AFileThatCannotBeWrittenFailsWithItsNameAndKeepsWhatWasThere) {
    const auto run = [](const std::string& options) {
        // Its error output too, in order.
        return runCommand("{ echo; " + cli() + " print --day " + shellWord(day) + " --number --dpi 10 " + options +
                          " 2>&1; }");
    };
    const auto missing = *store / "missing/x.pdf";
    const CommandOutput noFolder = run("--pdf " + shellWord(missing.string()));
    EXPECT_EQ(noFolder.status, 1);
    EXPECT_THAT(noFolder.text, ::testing::EndsWith("\ncannot write " + missing.string() + "\n"));

    // The first page's name is taken by a folder (a day has fewer than 100
    // races): the PDF is written, the pages stop there, and the folder stays.
    const auto pdf = *store / "numbers.pdf";
    const auto png = *store / "number-pages";
    std::filesystem::create_directories(png / "page-01.png");
    const CommandOutput taken = run("--pdf " + shellWord(pdf.string()) + " --png " + shellWord(png.string()));
    EXPECT_EQ(taken.status, 1);
    EXPECT_THAT(taken.text, ::testing::HasSubstr("\n" + pdf.string() + "\n"));
    EXPECT_THAT(taken.text, ::testing::HasSubstr("\ncannot write " + (png / "page-01.png").string() + "\n"));
    EXPECT_TRUE(std::filesystem::is_directory(png / "page-01.png"));
    EXPECT_FALSE(pdfPages(pdf).empty());
}

}  // namespace

TEST(PrintCommandMarks, ASetsMarksStandLeftOfTheNamesAndTheNoteUnderTheHeaderAndNoSetPrintsAsBefore) {
    const PrivateCupsSocket printServer;
    const ProgramFolder app;
    fileMarksDay(app.paths());
    // Qt's PDF writer orders its fonts by a hash that each process seeds anew, unless told the seed.
    const std::string cli = "QT_HASH_SEED=0 " + shellWord(VANTOR_CLI) + " --app-dir " + shellWord(app.path().string()) +
                            " print --number --day " + kMarksDayName + " --pdf ";
    const std::string plain = (app / "plain.pdf").string(), marked = (app / "marked.pdf").string(),
                      again = (app / "again.pdf").string();
    ASSERT_EQ(runCommand(cli + shellWord(plain)).status, 0);
    {
        auto opened = UserMarksFile::open(userMarksPath(app.path()));
        UserMarksFile& file = std::get<UserMarksFile>(opened);
        EXPECT_FALSE(file.setMark(kMarksRace11Key, 2, 1, UserMark::honmei));
        EXPECT_FALSE(file.setMark(kMarksRace11Key, 3, 2, UserMark::keshi));
        EXPECT_FALSE(file.setMark(kMarksRace12Key, 1, 1, UserMark::chui));
        EXPECT_FALSE(file.setRaceNote(kMarksRace11Key, "逃げ馬不在\n\n前残り"));
    }
    ASSERT_EQ(runCommand(cli + shellWord(marked) + " --marks 1").status, 0);
    ASSERT_EQ(runCommand(cli + shellWord(again)).status, 0);
    EXPECT_TRUE(pdfBytesWithoutCreationDate(again) == pdfBytesWithoutCreationDate(plain))
        << "no set chosen: the pages as without marks";
    EXPECT_FALSE(pdfBytesWithoutCreationDate(marked) == pdfBytesWithoutCreationDate(plain));

    const auto race11 = pdfWords(marked, 1);
    const int v2 = 126 * 2;  // horse 2's row
    EXPECT_TRUE(foundAt(race11, "◎", 205, v2 + 330));
    EXPECT_TRUE(foundAt(race11, "シルシホース2", 245, v2 + 333)) << "the name moves right of its mark";
    EXPECT_TRUE(foundAt(race11, "シルシホース1", 205, 126 + 333)) << "an unmarked runner's name stays";
    EXPECT_TRUE(foundAt(race11, "逃げ馬不在", 300, 258));
    EXPECT_TRUE(foundAt(race11, "前残り", 300, 258) ||
                std::any_of(race11.begin(), race11.end(),
                            [](const PdfWord& w) {
                                return w.text.find("前残り") != std::string::npos && std::abs(w.yMm - 25.8) <= 1.5;
                            }))
        << "the note's lines on one line";
    EXPECT_FALSE(std::any_of(race11.begin(), race11.end(), [](const PdfWord& w) { return w.text == "×"; }))
        << "set 2's mark is not printed";
    EXPECT_TRUE(foundAt(pdfWords(marked, 2), "注", 205, 126 + 330));
    EXPECT_FALSE(foundAt(pdfWords(plain, 1), "◎", 205, v2 + 330));

    EXPECT_EQ(runCommand(cli + shellWord(again) + " --marks 9").status, 2);
}
