// The main window's keys and its start where the user left off: Page Up
// and Page Down step the races, with Ctrl the days, whichever list or grid
// has the focus; a later window reopens the day and race shown at close.

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QListWidget>
#include <QTableView>
#include <QTest>

#include "components/message_box.h"
#include "components/string_grid.h"
#include "jvlink/feed_jvlink.h"
#include "shell/main_form.h"
#include "store/record_filer.h"
#include "support/program_folder.h"
#include "support/records.h"

using namespace vantor;
using namespace vantor::test;

namespace {

class RaceKeysWindow : public ::testing::Test {
protected:
    void SetUp() override {
        // Two days of two complete races each.
        StoreBatch batch;
        RecordFiler filer(app.paths(), batch);
        std::vector<SjisString> lines;
        for (int date : {20240525, 20240526})
            for (int race : {10, 11}) {
                const RaceId id{.date = date, .race = race};
                filer.fileAcquired(raBuilder(id, 1, "2").take(), 20240101, lines);
                filer.fileAcquired(seBuilder(id, 1, "2020100001", "2").number(jvdata::se::Wakuban, 1).take(), 20240101,
                                   lines);
            }
        batch.flush();
    }

    std::unique_ptr<TMainForm> makeForm() {
        auto link = std::make_unique<FeedJVLink>(FeedSettings{feed.path(), 0, "0490"});
        link->JVInit("sid");
        return std::make_unique<TMainForm>(std::move(link));
    }

    RunningProgramFolder app;
    TempDir feed;
    ui::MessageBoxHook messages;
};

}  // namespace

TEST_F(RaceKeysWindow, PageKeysStepRacesAndWithCtrlDaysWhereverTheFocusIs) {
    auto form = makeForm();
    form->show();
    form->showNewestDay();
    // The load's progress box took the activation with it.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(form->DateCombo->currentIndex(), 0);
    EXPECT_EQ(form->NextRaceItem->shortcut(), QKeySequence(Qt::Key_PageDown)) << "the menu shows the key";

    for (QWidget* focus : std::initializer_list<QWidget*>{form->DatList, &form->StringGrid4->view()}) {
        focus->setFocus();
        SCOPED_TRACE(focus->objectName().toStdString());
        QTest::keyClick(focus, Qt::Key_PageDown);
        EXPECT_EQ(form->DatList->currentRow(), 1);
        EXPECT_EQ(form->CurRace, 1) << "the race shown follows";
        QTest::keyClick(focus, Qt::Key_PageDown);
        EXPECT_EQ(form->DatList->currentRow(), 1) << "nothing past the last race";
        QTest::keyClick(focus, Qt::Key_PageUp);
        EXPECT_EQ(form->DatList->currentRow(), 0);
    }
    form->DatList->setFocus();
    QTest::keyClick(form->DatList, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(form->DateCombo->currentIndex(), 1) << "the day before, the next down the list";
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(form->DateCombo->currentText(), QStringLiteral("2024年05月25日"));
    QTest::keyClick(form->DatList, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(form->DateCombo->currentIndex(), 1);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QTest::keyClick(form->DatList, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(form->DateCombo->currentIndex(), 0);
    EXPECT_TRUE(messages.shown().isEmpty());
}

TEST_F(RaceKeysWindow, ALaterWindowReopensTheDayAndRaceShownAtCloseUnlessTurnedOff) {
    {
        auto form = makeForm();
        form->reopenLastRace();
        EXPECT_EQ(form->DateCombo->currentIndex(), -1) << "nothing was shown before: a blank start";
        form->DateCombo->setCurrentIndex(1);
        form->DateComboChange();
        form->stepRace(1);
        form->close();
    }
    {
        auto form = makeForm();
        EXPECT_TRUE(form->ReopenItem->isChecked());
        form->reopenLastRace();
        EXPECT_EQ(form->DateCombo->currentText(), QStringLiteral("2024年05月25日"));
        EXPECT_EQ(form->DatList->currentRow(), 1);
        EXPECT_FALSE(form->PageControl1->isHidden());
        form->ReopenItem->trigger();
        form->close();
    }
    {
        auto form = makeForm();
        EXPECT_FALSE(form->ReopenItem->isChecked());
        form->reopenLastRace();
        EXPECT_EQ(form->DateCombo->currentIndex(), -1) << "turned off: the blank start";
    }
}

TEST_F(RaceKeysWindow, ADayGoneSinceOpensTheNewest) {
    {
        auto form = makeForm();
        form->DateCombo->setCurrentIndex(1);
        form->DateComboChange();
        form->close();
    }
    // The day's files are gone from the store.
    std::vector<std::filesystem::path> gone;
    for (const auto& entry : std::filesystem::directory_iterator(app.paths().appDir() / "DATA"))
        if (entry.path().filename().string().starts_with("2024年05月25日")) gone.push_back(entry.path());
    ASSERT_FALSE(gone.empty());
    for (const auto& file : gone) std::filesystem::remove(file);
    auto form = makeForm();
    ASSERT_EQ(form->DateCombo->count(), 1);
    form->reopenLastRace();
    EXPECT_EQ(form->DateCombo->currentText(), QStringLiteral("2024年05月26日"));
    EXPECT_EQ(form->DatList->currentRow(), 0);
}
