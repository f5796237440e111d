// vantor-cli chart on the demo's live day filed up to 10:30: a PNG, and a
// PDF whose words are the chart's labels.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "support/demo_live.h"
#include "support/demo_weekend.h"
#include "support/pdf_text.h"
#include "support/run_command.h"

using namespace vantor::test;

namespace {

class ChartCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        store = new DemoWeekend(VANTOR_FEEDGEN, VANTOR_CLI);
        ASSERT_EQ(store->error(), "");
        ASSERT_EQ(fileDemoLive(*store / "feed", store->appDir(), "20240526", "1030"), "");
    }
    static void TearDownTestSuite() { delete store; }

    static inline DemoWeekend* store = nullptr;
};

bool hasWord(const std::vector<PdfWord>& words, const std::string& text) {
    return std::any_of(words.begin(), words.end(), [&](const PdfWord& w) { return w.text == text; });
}

TEST_F(ChartCommand, WritesTheChartOfARaceAsPngAndPdf) {
    const auto png = *store / "chart.png", pdf = *store / "chart.pdf";
    // Niigata's second race, off at 10:32: its series runs from 9:00 to 10:30.
    const CommandOutput out = runCommand(store->cli() + " chart --day 2024年05月26日 --race 2 --png " +
                                         shellWord(png.string()) + " --pdf " + shellWord(pdf.string()));
    ASSERT_EQ(out.status, 0) << out.text;
    std::ifstream image(png, std::ios::binary);
    char magic[4] = {};
    image.read(magic, 4);
    EXPECT_EQ(std::string(magic + 1, 3), "PNG");

    const std::vector<PdfWord> words = pdfWords(pdf, 1);
    for (const char* word : {"新潟2R", "発走", "10:32", "09:00", "10:30", "現在"})
        EXPECT_TRUE(hasWord(words, word)) << word;
    EXPECT_FALSE(std::filesystem::exists(store->appDir() / "chart.png")) << "paths are the caller's";
}

TEST_F(ChartCommand, RefusesAMissingPictureOrAnUnknownRace) {
    EXPECT_EQ(runCommand(store->cli() + " chart --day 2024年05月26日 --race 2").status, 2);
    EXPECT_EQ(runCommand(store->cli() + " chart --day 2024年05月26日 --race 37 --png x.png").status, 2);
    EXPECT_EQ(runCommand(store->cli() + " chart --day 1999年01月01日 --png x.png").status, 2);
}

}  // namespace
