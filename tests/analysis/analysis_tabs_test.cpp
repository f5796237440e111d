// The main window's analysis tabs on a small stored day: what each grid
// holds, what its copy button puts on the clipboard and that its drawing
// is the analysis layout's.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QTableView>

#include "analysis/race_card.h"
#include "components/label3d.h"
#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "components/up_down.h"
#include "painting/bracket_colours.h"
#include "painting/view_colours.h"
#include "raceday/dates.h"
#include "shell/main_form.h"
#include "store/record_filer.h"
#include "support/fake_jvlink.h"
#include "support/program_folder.h"
#include "support/records.h"
#include "text/encoding.h"

using namespace vantor;
using namespace vantor::test;
using namespace vantor::jvdata;

namespace {

constexpr int kRaceDate = 20240526;
const RaceId kRace1{.race = 1};
const RaceId kRace11{};

struct Runner {
    const RaceId& race;
    int number;
    const char* horseId;
    const char* name;
    const char* sex;
    const char* trainer;
    const char* owner;
    int position;
};

SjisString runnerRecord(const Runner& r) {
    return seBuilder(r.race, r.number, r.horseId)
        .number(se::Wakuban, r.number)
        .text(se::Bamei, utf8ToCp932(r.name))
        .text(se::SexCD, sjisBytes(r.sex))
        .number(se::Barei, 4)
        .text(se::ChokyosiRyakusyo, sjisBytes(r.trainer))
        .text(se::KisyuRyakusyo, utf8ToCp932("騎手"))
        .text(se::BanusiName, utf8ToCp932(r.owner))
        .number(se::Futan, 570)
        .number(se::KakuteiJyuni, r.position)
        .number(se::Ninki, r.position)
        .number(se::Odds, 10 * r.position + 5)
        .take();
}

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList rowTexts(const ui::TStringGrid& grid, int row) {
    QStringList texts;
    for (int col = 0; col < grid.colCount(); ++col) texts.append(grid.cell(col, row));
    return texts;
}

// The colour the grid shows near the bottom right of a cell, inside its bottom line.
QColor shownColour(ui::TStringGrid& grid, int col, int row) {
    QTableView& view = grid.view();
    const QRect cell = view.visualRect(view.model()->index(row - 1, col));
    const QPoint inside = view.viewport()->mapTo(&grid, cell.bottomRight() - QPoint(2, 3));
    return grid.grab().toImage().pixelColor(inside);
}

QColor qColour(draw::Rgb c) { return {c.r, c.g, c.b}; }

class AnalysisTabs : public ::testing::Test {
protected:
    void SetUp() override {
        // Tokyo 1R and 11R. The winner of the 11R won 11 weeks ago after a
        // rest of 63 days; two of its rivals share their owner.
        const RaceId won{.date = daysBeforeNum(kRaceDate, 77)};
        const RaceId before{.date = daysBeforeNum(kRaceDate, 140)};
        file({raRecord(kRace1, 2), raRecord(kRace11, 3), raRecord(won, 16), raRecord(before, 16),
              runnerRecord({kRace1, 1, "2020100001", "サシス", "2", "TB", "馬主一", 2}),
              runnerRecord({kRace1, 2, "2020100002", "カキク", "1", "TB", "馬主二", 1}),
              runnerRecord({kRace11, 1, "2020100003", "アイウ", "1", "TB", "馬主三", 1}),
              runnerRecord({kRace11, 2, "2020100004", "タチツ", "2", "TA", "共同馬主", 3}),
              runnerRecord({kRace11, 3, "2020100005", "アオイ", "1", "TB", "共同馬主", 2}),
              seRecord(won, 4, "2020100003", "7", 1), seRecord(before, 4, "2020100003", "7", 3)});
        form = std::make_unique<TMainForm>(std::make_unique<FakeJVLink>());
    }

    void file(const std::vector<SjisString>& records) {
        StoreBatch batch;
        RecordFiler filer(folder.paths(), batch);
        std::vector<SjisString> lines;
        for (const auto& r : records) filer.fileAcquired(r, 0, lines);
        batch.flush();
        ASSERT_EQ(filer.rejected(), 0);
    }
    void loadDay(const QString& day) {
        form->MakeDataListBtnClick();
        form->DateCombo->setCurrentIndex(form->DateCombo->findText(day));
        form->DateComboChange();
    }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }

    RunningProgramFolder folder;
    ui::MessageBoxHook boxes;
    std::unique_ptr<TMainForm> form;
};

}  // namespace

TEST_F(AnalysisTabs, EveryTabShowsTheLoadedDayAndCopiesItsGrid) {
    loadDay(q("2024年05月26日"));
    ASSERT_EQ(form->DatList->count(), 2);
    ASSERT_TRUE(boxes.shown().isEmpty()) << boxes.shown().join(u'\n').toStdString();
    form->resize(1400, 900);
    form->show();

    // The race stepper chooses the 11R.
    form->UpDown1->upButton().click();
    EXPECT_EQ(form->DatList->currentRow(), 1);
    EXPECT_EQ(form->Label3D3->text(), q("11"));

    // Card check: the winner's run 11 weeks ago, after a rest.
    EXPECT_EQ(form->StringGrid2->cell(kCheckMarksColumn, 1), q("牡1戦目"));
    EXPECT_EQ(form->StringGrid2->cell(kCheckFirstWeekColumn + 10, 1), q("2024.03.10 *63日  1着"));
    form->SpeedButton13->click();
    const QStringList check = clipboard().split(q("\r\n"));
    EXPECT_EQ(check.value(0), q("2024年 5月26日東京 2回12日11R【臨戦態勢ﾁｪｯｸ】"));
    EXPECT_EQ(check.size(), 1 + 4 + 1) << "title, header, three runners, and the end after the last CR LF";
    EXPECT_EQ(check.value(2), rowTexts(*form->StringGrid2, 1).join(u'\t'));
    EXPECT_EQ(shownColour(*form->StringGrid2, 0, 2), qColour(*draw::bracketColour(2)));

    // Number-sign check: the shared owner.
    EXPECT_EQ(form->StringGrid1->cell(3, 2), q("共同馬"));
    EXPECT_TRUE(form->StringGrid1->cell(3, 1).isEmpty());
    form->SpeedButton15->click();
    EXPECT_TRUE(clipboard().startsWith(q("2024年05月26日\r\n枠\t馬\t印\t馬主重複\t")));
    EXPECT_EQ(shownColour(*form->StringGrid1, 0, 2), qColour(*draw::bracketColour(2)));

    // Search list: criterion 0 after the load, then the 12-week places, then one without any runner.
    EXPECT_EQ(form->RinsenCombo->currentIndex(), 0);
    EXPECT_EQ(form->StringGrid7->cell(3, 1), q("牡1戦目"));
    form->RinsenCombo->setCurrentIndex(4);
    emit form->RinsenCombo->activated(4);
    EXPECT_EQ(form->StringGrid7->rowCount(), 2);
    EXPECT_EQ(form->StringGrid7->cell(3, 1), q(" 1着"));
    form->RinsenCombo->setCurrentIndex(1);
    emit form->RinsenCombo->activated(1);
    EXPECT_EQ(form->StringGrid7->rowCount(), 2);
    EXPECT_EQ(rowTexts(*form->StringGrid7, 1).join(QString()), QString());
    form->SpeedButton19->click();
    EXPECT_EQ(clipboard(),
              q("2024年 5月26日【格言1-2該当馬】\r\nﾚｰｽ\t枠\t馬\t該当\t馬名\t騎手\t調教師\t着順\t人気\t確ｵｯｽﾞ\r\n"
                "\t\t\t\t\t\t\t\t\t\r\n"));
    EXPECT_EQ(shownColour(*form->StringGrid7, 3, 1), qColour(views::kLightCyan));

    // Horse search: the first initial after the load, then another.
    QStringList initials;
    for (int i = 0; i < form->UmaListBox->count(); ++i) initials.append(form->UmaListBox->item(i)->text());
    EXPECT_EQ(initials, QStringList({q("ア"), q("カ"), q("サ"), q("タ")}));
    EXPECT_EQ(form->SearchItemLabel->text() + form->SearchKeyLabel->text(), q("馬名頭文字ア"));
    EXPECT_EQ(form->StringGrid3->rowCount(), 3);
    form->UmaListBox->setCurrentRow(2);
    EXPECT_EQ(form->SearchKeyLabel->text(), q("サ"));
    ASSERT_EQ(form->StringGrid3->rowCount(), 2);
    form->SpeedButton21->click();
    EXPECT_EQ(clipboard(), q("2024年05月26日\r\nﾚｰｽ\t枠\t馬\t馬名\t騎手\t調教師\t着順\t人気\t確ｵｯｽﾞ\r\n"
                             "東京 1R\t1\t 1\tサシス") +
                               QString(12, u' ') + q("\t騎手    \tTB      \t 2着\t 2人\t   2.5\r\n"));
    EXPECT_EQ(shownColour(*form->StringGrid3, 6, 1), qColour(views::kLightGreen));

    // Trainers: the most runners first; each choice lists its runners beside the grid.
    ASSERT_EQ(form->ChokBox->count(), 2);
    EXPECT_EQ(form->ChokBox->itemText(0), q("TB        4"));
    EXPECT_EQ(form->StringGrid5->rowCount(), 5);
    EXPECT_EQ(runnerOfRow(form->TrainerRows, 4), (RunnerSlot{1, 2}));
    form->ChokBox->setCurrentIndex(1);
    emit form->ChokBox->activated(1);
    ASSERT_EQ(form->StringGrid5->rowCount(), 2);
    EXPECT_EQ(form->TrainerRows, (std::vector<RunnerSlot>{{1, 1}}));
    EXPECT_TRUE(rowTexts(*form->StringGrid5, 1).join(QString()).isEmpty()) << "no runner is kept in cell texts";
    EXPECT_EQ(shownColour(*form->StringGrid5, 1, 1), qColour(*draw::bracketColour(2)));
}

TEST_F(AnalysisTabs, ADayWithoutHorseNamesLeavesNoEarlierRunnersInTheHorseSearch) {
    file({raRecord({.date = 20240602, .race = 1}, 2)});
    loadDay(q("2024年05月26日"));
    ASSERT_EQ(form->StringGrid3->rowCount(), 3);

    loadDay(q("2024年06月02日"));
    EXPECT_EQ(form->UmaListBox->count(), 0);
    EXPECT_EQ(form->StringGrid3->rowCount(), 1);
    EXPECT_TRUE(form->SearchKeyLabel->text().isEmpty());
}
