// The print preview window: page stepping, zoom, the cycling race
// selection, one printer job per checked race, the shown page alone, the
// trainer drop-down, the paper it shows, and the settings and paper it
// leaves behind.

#include "print_ui/all_print_form.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>

#include "components/file_chooser.h"
#include "components/message_box.h"
#include "print/fixed_measure.h"
#include "print/print_document.h"
#include "print_ui/prev_x.h"
#include "settings/app_dir.h"
#include "settings/program_settings.h"
#include "support/hand_day.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;

namespace {

QStringList items(std::initializer_list<const char*> texts) {
    QStringList out;
    for (const char* t : texts) out << QString::fromUtf8(t);
    return out;
}

struct Job {
    int from, to;
    friend bool operator==(const Job&, const Job&) = default;
};

class Preview : public ::testing::Test {
protected:
    TempDir app;
    HandDay hand;
    QPrinter printer{QPrinter::HighResolution};
    std::vector<Job> jobs;

    void SetUp() override {
        setAppDir(app.path());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        // Three races at Tokyo in slots 0-2, three at Kyoto in slots 3-5.
        for (int r = 0; r < 6; ++r) hand.addRace(r, r < 3 ? "05" : "08", r % 3 + 1, 0);
    }

    std::unique_ptr<ui::TAllPrintForm> racePreview() {
        auto form = std::make_unique<ui::TAllPrintForm>(hand.day(), printer);
        form->recordDocument(print::raceCardDocument(hand.day(), 6, print::RunnerOrder::number, FixedMeasure()));
        form->showRacePages();
        form->PrevX1->setJobRunner([this](const QString&, int from, int to) { jobs.push_back({from, to}); });
        return form;
    }

    static QStringList checked(const ui::TAllPrintForm& form) {
        QStringList out;
        for (int k = 0; k < form.CheckListBox1->count(); ++k)
            if (form.CheckListBox1->item(k)->checkState() == Qt::Checked) out << form.CheckListBox1->item(k)->text();
        return out;
    }
};

TEST_F(Preview, SelectAllCyclesThroughAllRacesAndEachRacecourse) {
    auto form = racePreview();
    ASSERT_EQ(form->CheckListBox1->count(), 6);
    EXPECT_EQ(form->CheckListBox1->item(0)->text(), QStringLiteral("東京01R"));
    const QStringList all = items({"東京01R", "東京02R", "東京03R", "京都01R", "京都02R", "京都03R"});
    form->SpeedButton1Click();
    EXPECT_EQ(checked(*form), all);
    form->SpeedButton1Click();
    EXPECT_EQ(checked(*form), items({"京都01R", "京都02R", "京都03R"}));
    form->SpeedButton1Click();
    EXPECT_EQ(checked(*form), items({"東京01R", "東京02R", "東京03R"}));
    form->SpeedButton1Click();
    EXPECT_EQ(checked(*form), all);
    form->SpeedButton2Click();
    EXPECT_TRUE(checked(*form).isEmpty());
}

TEST_F(Preview, EachCheckedRaceIsOneJobAndTheShownPageAnother) {
    auto form = racePreview();
    form->CheckListBox1->item(1)->setCheckState(Qt::Checked);
    form->CheckListBox1->item(4)->setCheckState(Qt::Checked);
    form->BitBtn4Click();
    EXPECT_EQ(jobs, (std::vector<Job>{{2, 2}, {5, 5}}));

    jobs.clear();
    auto fresh = racePreview();
    EXPECT_EQ(fresh->PrevX1->PrintTo(), 9999);
    fresh->UpDown1->setValue(3);
    EXPECT_EQ(fresh->PrevX1->CurrentPage(), 3);
    fresh->BitBtn2Click();
    EXPECT_EQ(jobs, (std::vector<Job>{{3, 3}}));
}

TEST_F(Preview, PagesOutsideTheDocumentAndZoomsOutsideTheRangeAreIgnored) {
    auto form = racePreview();
    ui::TPrevX& prev = *form->PrevX1;
    EXPECT_EQ(prev.PageCount(), 6);
    prev.SetCurrentPage(7);
    prev.SetCurrentPage(0);
    EXPECT_EQ(prev.CurrentPage(), 1);
    prev.SetPrintFrom(7);
    EXPECT_EQ(prev.PrintFrom(), 1);
    prev.SetPrintTo(20);
    prev.PrintPages();
    EXPECT_EQ(jobs, (std::vector<Job>{{1, 6}}));

    prev.SetZoomScale(200);
    prev.SetZoomScale(20);
    prev.SetZoomScale(201);
    EXPECT_EQ(prev.ZoomScale(), 200);
}

TEST_F(Preview, AtFullSizeThePageIsItsPhysicalSizePlusTheBorder) {
    auto form = racePreview();
    form->RadioGroup1Click(3);
    const double dpi = form->PrevX1->logicalDpiY();
    EXPECT_NEAR(form->PrevX1->width(), 210 / 25.4 * dpi + 20, 1);
    EXPECT_NEAR(form->PrevX1->height(), 297 / 25.4 * dpi + 20, 1);
    form->RadioGroup1Click(0);
    EXPECT_NEAR(form->PrevX1->width(), 210 / 25.4 * dpi / 4 + 20, 1);
}

TEST_F(Preview, APrinterLeftOnOtherPaperShowsTheA4PortraitPageItWillPrint) {
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Landscape);
    auto form = racePreview();
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    form->RadioGroup1Click(3);
    EXPECT_NEAR(form->PrevX1->height(), 297 / 25.4 * form->PrevX1->logicalDpiY() + 20, 1);
}

TEST_F(Preview, ThePageIsPaintedIntoThePrintableArea) {
    auto form = racePreview();
    const QImage shown = form->PrevX1->grab().toImage();
    // At 50 % a page unit is 48/254 pixel, after the 10-pixel border: the
    // race number's black box spans units 100-180 across and 170-250 down.
    const auto at = [&](int x, int y) { return shown.pixelColor(10 + x * 48 / 254, 10 + y * 48 / 254); };
    EXPECT_EQ(at(106, 200), QColor(Qt::black));
    EXPECT_EQ(at(60, 200), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(5, 5), form->PrevX1->palette().color(QPalette::Window));
}

TEST_F(Preview, ZoomAndPlacementAreKeptAndThePaperIsSetBack) {
    {
        auto form = racePreview();
        EXPECT_EQ(form->PrevX1->ZoomScale(), 50);
        form->RadioGroup1Click(2);
        form->move(40, 30);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPageSize(QPageSize(QPageSize::Letter));
        form->reject();
    }
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    const TIniGT ini = programSettings();
    EXPECT_EQ(ini.ReadInteger("PrintZoom", "ratio", -1), 2);
    EXPECT_EQ(ini.ReadInteger("Printlocate", "left", -1), 40);
    auto again = racePreview();
    EXPECT_EQ(again->PrevX1->ZoomScale(), 75);
}

TEST_F(Preview, TheTrainerDocumentIsChosenByTrainer) {
    ui::TAllPrintForm form(hand.day(), printer);
    const std::vector<SjisString> trainers{SjisString("TA        1"), SjisString("TB        1"),
                                           SjisString("TC        1")};
    form.recordDocument(print::trainerListDocument(hand.day(), trainers, FixedMeasure()));
    form.showTrainerPages(trainers);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("調教師ﾘｽﾄ　印刷"));
    EXPECT_FALSE(form.ChokBox->isHidden());
    EXPECT_TRUE(form.CheckListBox1->isHidden());
    EXPECT_TRUE(form.BitBtn4->isHidden());
    form.ChokBox->setCurrentIndex(2);
    form.ChokBoxChange();
    EXPECT_EQ(form.PrevX1->CurrentPage(), 3);
    EXPECT_EQ(form.UpDown1->value(), 3);
}

TEST_F(Preview, APrintThatFailsIsToldAndTheFileNamedIsWrittenWholeOrNotAtAll) {
    // Without a system printer the pages go to a PDF file the user names.
    auto form = racePreview();
    form->PrevX1->setJobRunner(nullptr);  // the preview's own printing
    ui::FileDialogHook files;
    ui::MessageBoxHook boxes;
    const QString missing = QString::fromStdString((app / "missing/cards.pdf").string());
    const auto file = app / "cards.pdf";
    files.answer(missing);
    files.answer(QString::fromStdString(file.string()));
    files.answer(std::nullopt);
    form->UpDown1->setValue(3);

    form->BitBtn2Click();
    ASSERT_EQ(files.requests().size(), 1u);
    EXPECT_EQ(boxes.shown(), QStringList{QStringLiteral("PDFファイル「%1」に書き込めませんでした。").arg(missing)});
    boxes.clear();
    form->BitBtn2Click();
    EXPECT_TRUE(boxes.shown().isEmpty());
    EXPECT_EQ(pdfPages(file).size(), 1u);
    const std::string written = readFile(file);
    form->BitBtn2Click();  // cancelled: nothing written
    EXPECT_EQ(readFile(file), written);
    EXPECT_EQ(files.requests().size(), 3u);
}

}  // namespace
