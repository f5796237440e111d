// The race card sheet of the main window: the card grid paints each row's
// runner from the race day once a day is loaded, and the order buttons
// reorder the rows.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QSignalBlocker>
#include <QTabWidget>

#include "analysis/race_card.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "shell/main_form.h"
#include "support/fake_jvlink.h"
#include "support/program_folder.h"
#include "text/formatted.h"

using namespace vantor;

namespace {

class RaceCardSheet : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TMainForm>(std::make_unique<test::FakeJVLink>());
        IniBtnClick(*form->Day);
    }

    // Chooses race slot 0 with runners of these horse numbers and order ranks.
    void chooseRace(std::initializer_list<std::pair<const char*, int>> runners) {
        TRaceRec& rec = form->Day->RaceTbl[0];
        rec.RacePresent = 1;
        rec.TorokuTosu = formatted("%zu", runners.size());
        std::size_t j = 0;
        for (const auto& [number, rank] : runners) {
            rec.Wakuban[j] = "1";
            rec.Umaban[j] = sjisBytes(number);
            form->Day->MarkTbl[0].SortRank[j++] = rank;
        }
        {
            const QSignalBlocker quiet(form->DatList);
            form->DatList->addItem(QStringLiteral("race"));
            form->DatList->setCurrentRow(0);
        }
        form->DatListClick();
    }
    QStringList numbers() const {
        QStringList out;
        for (int r = 1; r < form->StringGrid4->rowCount(); ++r) out.append(form->StringGrid4->cell(1, r));
        return out;
    }
    // The colour in the middle of the bracket cell of the first runner row.
    QColor bracketPixel() {
        form->PageControl1->show();
        form->StringGrid4->resize(600, 300);
        const QImage image = form->StringGrid4->grab().toImage();
        return image.pixelColor(10, form->StringGrid4->rowHeight(0) + 35);
    }

    test::RunningProgramFolder folder;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(RaceCardSheet, RowsArePaintedFromTheirRunnerOnlyOnceADayIsLoaded) {
    form->Day->RaceTbl[0].Wakuban[4] = "3";
    form->CardRows = {{0, 4}};
    form->StringGrid4->setRowCount(2);
    EXPECT_NE(bracketPixel(), QColor(255, 0, 0)) << "no day loaded: the grid's own drawing";

    {
        const QSignalBlocker quiet(form->DatList);
        form->DatList->addItem(QStringLiteral("race"));
    }
    EXPECT_EQ(bracketPixel(), QColor(255, 0, 0)) << "row 1 paints runner slot 4, bracket 3, whatever its cells hold";
}

TEST_F(RaceCardSheet, GroupButtonOrdersByRankThenNumberAndNumberButtonRestoresTheCard) {
    chooseRace({{"01", 3}, {"02", 1}, {"03", 1}, {"04", 0}});
    EXPECT_EQ(numbers(), QStringLiteral("01,02,03,04").split(u','));
    form->SpeedButton17->click();
    EXPECT_EQ(numbers(), QStringLiteral("04,02,03,01").split(u','));
    EXPECT_EQ(form->StringGrid4->cell(card::kHorseColumn, 4), QStringLiteral(" 3")) << "rows move whole: the rank";
    EXPECT_EQ(form->CardRows.front(), (RunnerSlot{0, 3})) << "the first row paints horse 04";
    form->SpeedButton10->click();
    EXPECT_EQ(numbers(), QStringLiteral("01,02,03,04").split(u','));
}
