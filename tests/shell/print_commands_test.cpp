// The main window's print commands: without a day they ask for one; with
// a day they open the preview with one page per race, or per trainer;
// without a printer they print to A4 PDF.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>

#include "components/message_box.h"
#include "jvlink/feed_jvlink.h"
#include "print_ui/all_print_form.h"
#include "print_ui/prev_x.h"
#include "settings/app_dir.h"
#include "shell/main_form.h"
#include "store/program_folder.h"
#include "store/record_filer.h"
#include "support/records.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;

namespace {

struct Shown {
    QString title;
    int pages = 0;
    bool trainers = false;
};

class PrintCommands : public ::testing::Test {
protected:
    void SetUp() override {
        setAppDir(app.path());
        ASSERT_EQ(enterProgramFolder(app.path()), std::nullopt);
        StoreBatch batch;
        RecordFiler filer(StorePaths(app.path()), batch);
        std::vector<SjisString> lines;
        for (int race = 1; race <= 3; ++race) {
            const RaceId id{.race = race};
            filer.fileAcquired(raRecord(id, 1, "2"), 20240101, lines);
            filer.fileAcquired(seBuilder(id, 1, "2020100001", "2")
                                   .number(jvdata::se::Wakuban, 1)
                                   .text(jvdata::se::ChokyosiRyakusyo, race == 1 ? "TA"_sjis : "TB"_sjis)
                                   .take(),
                               20240101, lines);
        }
        batch.flush();
    }
    void TearDown() override { setAppDir({}); }

    std::unique_ptr<TMainForm> window() {
        auto link = std::make_unique<FeedJVLink>(FeedSettings{feed.path(), 0, "0490"});
        link->JVInit("sid");
        return std::make_unique<TMainForm>(std::move(link));
    }

    TempDir app, feed;
    ui::MessageBoxHook messages;
};

// Runs a command that opens the preview modally and reports what it showed.
template <class Command>
Shown previewOf(Command command) {
    Shown shown;
    QTimer::singleShot(0, [&shown] {
        auto* form = qobject_cast<ui::TAllPrintForm*>(QApplication::activeModalWidget());
        if (!form) return;
        shown = {form->windowTitle(), form->PrevX1->PageCount(), !form->ChokBox->isHidden()};
        form->reject();
    });
    command();
    return shown;
}

TEST_F(PrintCommands, WithoutADayTheCardsAskForOne) {
    auto form = window();
    form->FilePrintItemClick();
    form->P1Click();
    EXPECT_EQ(messages.shown(), QStringList(2, QStringLiteral("分析用ﾃﾞｰﾀを選択してください。")));
}

TEST_F(PrintCommands, TheCardsAndTheTrainerListOpenThePreview) {
    auto form = window();
    form->DateCombo->setCurrentIndex(0);
    form->DateComboChange();
    const Shown cards = previewOf([&] { form->P1Click(); });
    EXPECT_EQ(cards.title, QStringLiteral("Vantor出馬表（グループ順）　印刷"));
    EXPECT_EQ(cards.pages, 3);
    EXPECT_FALSE(cards.trainers);
    const Shown trainers = previewOf([&] { form->SpeedButton18Click(); });
    EXPECT_EQ(trainers.title, QStringLiteral("調教師ﾘｽﾄ　印刷"));
    EXPECT_EQ(form->ChokBox->count(), 2);
    EXPECT_EQ(trainers.pages, 2);
    EXPECT_TRUE(trainers.trainers);
}

TEST_F(PrintCommands, WithoutAPrinterThePrinterWritesA4Pdf) {
    // The test's print server socket has no server behind it: whatever
    // printers the machine has, this process sees none.
    ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty());
    auto form = window();
    const QPrinter& printer = form->printer();
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
}

}  // namespace
