// Printing from the preview through print queues of the test's own (a
// private cupsd that keeps every job's document): the jobs and pages the
// spooler receives for the checked races and for the shown page, their
// paper, and their texts against vantor-cli print's PDF of the same day.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSpinBox>

#include "painting/text_measure.h"
#include "print/print_document.h"
#include "print_ui/all_print_form.h"
#include "print_ui/prev_x.h"
#include "raceday/day_loader.h"
#include "settings/app_dir.h"
#include "support/cups_server.h"
#include "support/demo_weekend.h"
#include "support/pdf_text.h"
#include "support/run_command.h"

using namespace vantor;
using namespace vantor::test;

namespace {

const std::string kA4Queue = "vantor-a4";
const std::string kLetterQueue = "vantor-letter";

class PrintQueue : public ::testing::Test {
protected:
    // One server, its two queues (the A4 one the default), the demo store
    // and vantor-cli print's PDF of its newest day for all the tests.
    static void SetUpTestSuite() {
        if ((skipped = CupsServer::unavailable())) return;
        const auto socket = cupsSocket();
        if (!socket) {
            failure = "CUPS_SERVER names no socket of the test's own";
            return;
        }
        server = CupsServer::start(*socket, failure).release();
        if (!server) return;
        for (const auto& error :
             {server->addQueue(kA4Queue, "A4"), server->addQueue(kLetterQueue, "Letter"), server->setDefault(kA4Queue)})
            if (error) {
                failure = *error;
                return;
            }
        weekend = new DemoWeekend(VANTOR_FEEDGEN, VANTOR_CLI);
        if (!weekend->error().empty()) {
            failure = weekend->error();
            return;
        }
        day = weekend->days().front();
        cards = *weekend / "cards.pdf";
        if (runCommand(weekend->cli() + " print --day " + shellWord(day) + " --number --pdf " +
                       shellWord(cards.string()))
                .status != 0)
            failure = "vantor-cli print failed";
    }
    static void TearDownTestSuite() {
        delete server;
        server = nullptr;
        delete weekend;
        weekend = nullptr;
    }

    void SetUp() override {
        if (skipped) GTEST_SKIP() << *skipped;
        ASSERT_EQ(failure, "");
        setAppDir(weekend->appDir());
        raceDay = RaceDay::create();
        load = DayLoader(StorePaths(weekend->appDir())).load(day, *raceDay);
        ASSERT_EQ(load.status, DayLoadResult::Status::loaded);
    }
    void TearDown() override { setAppDir({}); }

    // The preview of the day's race cards in number order, as the main
    // window's print command opens it on printer.
    std::unique_ptr<ui::TAllPrintForm> racePreview(QPrinter& printer) {
        auto form = std::make_unique<ui::TAllPrintForm>(*raceDay, printer);
        form->recordDocument(print::raceCardDocument(*raceDay, static_cast<int>(load.raceItems.size()),
                                                     print::RunnerOrder::number,
                                                     draw::PrinterMeasure(printer.resolution())));
        form->showRacePages();
        return form;
    }

    // The job is one A4 portrait page with the words of page of
    // vantor-cli print's PDF, each within 0.5 mm of its place there.
    static void expectCardPage(const CupsServer::Job& job, int page) {
        SCOPED_TRACE("job " + std::to_string(job.id) + ", page " + std::to_string(page));
        const std::vector<PdfPage> pages = pdfPages(job.document);
        ASSERT_EQ(pages.size(), 1u);
        EXPECT_TRUE(isA4Portrait(pages[0]))
            << pages[0].widthPt << " x " << pages[0].heightPt << " pt, turned " << pages[0].rotation;
        const std::vector<PdfWord> expected = pdfWords(cards, page);
        const std::vector<PdfWord> printed = pdfWords(job.document, 1);
        ASSERT_GT(expected.size(), 100u);
        EXPECT_EQ(printed.size(), expected.size());
        const std::vector<PdfWord> missing = missingWords(expected, printed, 0.5);
        if (!missing.empty())
            ADD_FAILURE() << missing.size() << " words missing or moved, first \"" << missing[0].text << "\" at "
                          << missing[0].xMm << ", " << missing[0].yMm << " mm";
    }

    static inline std::optional<std::string> skipped;
    static inline std::string failure;
    static inline CupsServer* server = nullptr;
    static inline DemoWeekend* weekend = nullptr;
    static inline std::string day;
    static inline std::filesystem::path cards;

    std::unique_ptr<RaceDay> raceDay;
    DayLoadResult load;
};

TEST_F(PrintQueue, EachCheckedRaceIsAJobOfItsPageAndTheShownPageOneMore) {
    QPrinter printer(QPrinter::HighResolution);
    ASSERT_EQ(printer.outputFormat(), QPrinter::NativeFormat);
    ASSERT_EQ(printer.printerName().toStdString(), kA4Queue);
    auto form = racePreview(printer);
    const std::size_t before = server->jobs().size();

    form->CheckListBox1->item(1)->setCheckState(Qt::Checked);
    form->CheckListBox1->item(4)->setCheckState(Qt::Checked);
    form->BitBtn4Click();
    std::vector<CupsServer::Job> jobs = server->jobs();
    ASSERT_EQ(jobs.size(), before + 2);
    EXPECT_EQ(jobs[before].queue, kA4Queue);
    expectCardPage(jobs[before], 2);
    expectCardPage(jobs[before + 1], 5);

    form->UpDown1->setValue(7);
    form->BitBtn2Click();
    jobs = server->jobs();
    ASSERT_EQ(jobs.size(), before + 3);
    expectCardPage(jobs[before + 2], 7);
}

TEST_F(PrintQueue, AQueueWhosePaperIsLetterStillGetsA4Portrait) {
    const QPrinterInfo letter = QPrinterInfo::printerInfo(QString::fromStdString(kLetterQueue));
    ASSERT_EQ(letter.defaultPageSize().id(), QPageSize::Letter) << "the queue does not offer Letter as its paper";
    QPrinter printer(letter, QPrinter::HighResolution);
    auto form = racePreview(printer);
    // Qt starts a printer on A4 whatever the queue's paper; the printer
    // setup takes it to the queue's paper, here turned as well.
    printer.setPageSize(letter.defaultPageSize());
    printer.setPageOrientation(QPageLayout::Landscape);
    form->PrevX1->UpdateMetrics();
    ASSERT_EQ(printer.pageLayout().pageSize().id(), QPageSize::Letter);
    const std::size_t before = server->jobs().size();

    form->UpDown1->setValue(3);
    form->BitBtn2Click();
    const std::vector<CupsServer::Job> jobs = server->jobs();
    ASSERT_EQ(jobs.size(), before + 1);
    EXPECT_EQ(jobs.back().queue, kLetterQueue);
    expectCardPage(jobs.back(), 3);
}

}  // namespace
