// vantor-cli print on a demo day, read back with pdftotext: one page per
// race, and the race name, a horse name and a run heading on their page
// within 1.5 mm of where the page layout puts them.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "support/cups_server.h"
#include "support/demo_weekend.h"
#include "support/pdf_text.h"
#include "support/run_command.h"

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

}  // namespace
