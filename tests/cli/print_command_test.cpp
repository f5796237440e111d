// vantor-cli print on a demo day, read back with pdftotext: one page per
// race, and the race name, a horse name and a run heading on their page
// within 1.5 mm of where the page layout puts them.

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"

using namespace vantor::test;

namespace {

struct Output {
    int status = -1;
    std::string text;
};

Output run(const std::string& command) {
    Output out;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return out;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, pipe)) > 0;) out.text.append(buf, n);
    const int status = pclose(pipe);
    out.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

std::string shellWord(const std::string& s) { return "'" + s + "'"; }

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

struct Word {
    double xMm, yMm;
    std::string text;
};

std::vector<Word> wordsOfPage(const std::string& pdf, int page) {
    const std::string p = std::to_string(page);
    const Output out = run("pdftotext -bbox -f " + p + " -l " + p + " " + shellWord(pdf) + " -");
    static const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<Word> words;
    for (std::sregex_iterator it(out.text.begin(), out.text.end(), word), end; it != end; ++it)
        words.push_back({std::stod((*it)[1]) * 25.4 / 72, std::stod((*it)[2]) * 25.4 / 72, (*it)[3]});
    return words;
}

// The word at page units (x, y): 1.5 mm at most from x/10 mm, y/10 mm.
bool foundAt(const std::vector<Word>& words, const std::string& text, int x, int y) {
    for (const Word& w : words)
        if (w.text == text && std::abs(w.xMm - x / 10.0) <= 1.5 && std::abs(w.yMm - y / 10.0) <= 1.5) return true;
    return false;
}

class PrintCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store = new TempDir;
        const std::string feed = (*store / "feed").string(), app = (*store / "app").string();
        ASSERT_EQ(run(std::string(VANTOR_FEEDGEN) + " --out " + shellWord(feed) + " --years 1 --to 20240531").status,
                  0);
        // The last weekend's cards and results are enough for a day's pages.
        ASSERT_EQ(run(cli() + " acquire --feed " + shellWord(feed) + " --normal --from '2024/05/20 00:00:00'").status,
                  0);
        const auto days = lines(run(cli() + " days").text);
        ASSERT_FALSE(days.empty());
        day = days.front();
    }
    static void TearDownTestSuite() { delete store; }
    static std::string cli() { return std::string(VANTOR_CLI) + " --app-dir " + shellWord((*store / "app").string()); }

    static inline TempDir* store = nullptr;
    static inline std::string day;
};

TEST_F(PrintCommand, WritesOnePagePerRaceWithTextsWhereThePageSaysTheyAre) {
    const std::string pdf = (*store / "cards.pdf").string();
    const Output printed = run(cli() + " print --day " + shellWord(day) + " --number --pdf " + shellWord(pdf) +
                               " --png " + shellWord((*store / "png").string()) + " --dpi 20");
    ASSERT_EQ(printed.status, 0);
    const auto races = lines(run(cli() + " races --day " + shellWord(day)).text);
    ASSERT_GE(races.size(), 2u);
    EXPECT_EQ(lines(printed.text).size(), races.size() + 1) << "the PDF and one PNG per page";
    std::smatch pages;
    const std::string info = run("pdfinfo " + shellWord(pdf)).text;
    ASSERT_TRUE(std::regex_search(info, pages, std::regex(R"(Pages:\s+(\d+))")));
    EXPECT_EQ(pages[1], std::to_string(races.size()));

    const auto header = lines(run(cli() + " grid --day " + shellWord(day) + " --race 2 header").text);
    const auto check = lines(run(cli() + " grid --day " + shellWord(day) + " --race 2 check").text);
    ASSERT_GE(header.size(), 5u);
    ASSERT_GE(check.size(), 3u);
    const std::string raceName = trimmed(header[4]);
    std::string horse = check[2];
    for (int field = 0; field < 3; ++field) horse = horse.substr(horse.find('\t') + 1);
    horse = trimmed(horse.substr(0, horse.find('\t')));

    const auto page2 = wordsOfPage(pdf, 2);
    EXPECT_TRUE(foundAt(page2, raceName, 300, 135)) << raceName;
    EXPECT_TRUE(foundAt(page2, horse, 205, 126 + 333)) << horse;
    EXPECT_TRUE(foundAt(page2, "前走-1", 893, 382));
    EXPECT_FALSE(foundAt(wordsOfPage(pdf, 1), horse, 205, 126 + 333));
}

TEST_F(PrintCommand, AnUnknownDayIsRefused) {
    EXPECT_EQ(
        run(cli() + " print --day 1999年01月01日 --trainers --pdf " + shellWord((*store / "x.pdf").string())).status,
        2);
    EXPECT_EQ(run(cli() + " print --day " + shellWord(day) + " --pdf " + shellWord((*store / "x.pdf").string())).status,
              2);
}

}  // namespace
