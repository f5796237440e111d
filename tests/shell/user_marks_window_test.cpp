// The user's marks and notes in the main window: the keys on the race card
// put marks into the marks file at once, every runner view shows the set
// chosen, notes are kept as they are typed and follow their race or horse,
// and a marks file that cannot be used is said, not overwritten.

#include <gtest/gtest.h>
#include <poll.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <csignal>
#include <cstdio>

#include "analysis/race_card.h"
#include "components/label3d.h"
#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "jvlink/feed_jvlink.h"
#include "print_ui/all_print_form.h"
#include "print_ui/prev_x.h"
#include "shell/main_form.h"
#include "support/fake_jvlink.h"
#include "support/marks_day.h"
#include "support/program_folder.h"
#include "support/run_command.h"
#include "text/encoding.h"
#include "text/qt_text.h"
#include "usermarks/user_marks_file.h"

using namespace vantor;
using namespace vantor::test;

namespace {

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

class UserMarksWindow : public ::testing::Test {
protected:
    void SetUp() override { fileMarksDay(app.paths()); }

    std::unique_ptr<TMainForm> openDay() {
        auto form = std::make_unique<TMainForm>(std::make_unique<FakeJVLink>());
        form->DateCombo->setCurrentIndex(0);
        form->DateComboChange();
        return form;
    }
    static void chooseRace(TMainForm& form, int race) {
        form.DatList->setCurrentRow(race);
        form.DatListClick();
    }
    // Types key on card row `row`, as a user who chose the row.
    static void type(TMainForm& form, int row, Qt::Key key) {
        form.StringGrid4->setCurrentRow(row);
        QTest::keyClick(&form.StringGrid4->view(), key);
    }
    static void chooseSet(TMainForm& form, int set) {
        form.SirusiCombo->setCurrentIndex(set - 1);
        emit form.SirusiCombo->activated(set - 1);
    }
    // The mark column of the card's rows.
    static QStringList cardMarks(const TMainForm& form) {
        QStringList marks;
        for (int r = 1; r < form.StringGrid4->rowCount(); ++r)
            marks.append(form.StringGrid4->cell(card::kUserMarkColumn, r));
        return marks;
    }
    // What the file holds, read through a connection of its own.
    RaceUserMarks fileMarks(const char* raceKey, int set) const {
        auto file = UserMarksFile::open(userMarksPath(app.path()));
        EXPECT_TRUE(std::holds_alternative<UserMarksFile>(file));
        return std::get<UserMarksFile>(file).marksOfRace(raceKey, set);
    }

    RunningProgramFolder app;
    ui::MessageBoxHook messages;
};

}  // namespace

TEST_F(UserMarksWindow, KeysMarkTheChosenRunnerAtOnceInTheFileAndEveryRunnerViewShowsIt) {
    auto form = openDay();
    form->show();
    ASSERT_EQ(form->StringGrid4->rowCount(), 4);
    EXPECT_EQ(form->StringGrid4->cell(card::kUserMarkColumn, 0), q("印"));

    // A click on the row chooses it, as the arrow keys do.
    QTableView& view = form->StringGrid4->view();
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {},
                      view.visualRect(view.model()->index(1, card::kUserMarkColumn)).center());
    EXPECT_EQ(form->StringGrid4->currentRow(), 2);
    QTest::keyClick(&view, Qt::Key_1);
    EXPECT_EQ(cardMarks(*form), (QStringList{q(""), q("◎"), q("")}));
    EXPECT_EQ(fileMarks(kMarksRace11Key, 1)[2], UserMark::honmei) << "in the file before anything else happens";

    QTest::keyClick(&view, Qt::Key_Down);
    QTest::keyClick(&view, Qt::Key_7);
    type(*form, 1, Qt::Key_4);
    EXPECT_EQ(cardMarks(*form), (QStringList{q("△"), q("◎"), q("注")}));
    type(*form, 3, Qt::Key_9);
    type(*form, 3, Qt::Key_8);
    EXPECT_EQ(form->StringGrid4->currentRow(), 3) << "8 and 9 are no marks and move nothing";
    EXPECT_EQ(cardMarks(*form), (QStringList{q("△"), q("◎"), q("注")}));
    type(*form, 3, Qt::Key_0);
    type(*form, 1, Qt::Key_Delete);
    EXPECT_EQ(cardMarks(*form), (QStringList{q(""), q("◎"), q("")}));
    const RaceUserMarks stored = fileMarks(kMarksRace11Key, 1);
    EXPECT_EQ(stored[1], UserMark::none);
    EXPECT_EQ(stored[3], UserMark::none);
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.shown().join(u'\n').toStdString();

    // The number-sign and readiness views show it, and their copy buttons copy it.
    EXPECT_EQ(form->StringGrid1->cell(kSignUserMarkColumn, 2), q("◎"));
    EXPECT_EQ(form->StringGrid2->cell(kCheckUserMarkColumn, 2), q("◎"));
    form->SpeedButton15->click();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(q("\r\n2\t 2\t◎\t")));
    form->SpeedButton13->click();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(q("\r\n2\t02\t◎\t")));
}

TEST_F(UserMarksWindow, EachSetKeepsItsOwnMarksAndTheSetChosenAndItsNameStay) {
    auto form = openDay();
    ASSERT_EQ(form->SirusiCombo->count(), kUserMarkSets);
    EXPECT_EQ(form->SirusiCombo->itemText(0), q("印1"));
    EXPECT_EQ(form->SirusiCombo->itemText(7), q("印8"));
    type(*form, 1, Qt::Key_1);

    chooseSet(*form, 3);
    EXPECT_EQ(cardMarks(*form), (QStringList{q(""), q(""), q("")})) << "set 3 has no marks yet";
    type(*form, 1, Qt::Key_3);
    form->renameUserMarkSet(q("  穴党  "));
    EXPECT_EQ(form->SirusiCombo->itemText(2), q("穴党"));
    EXPECT_EQ(fileMarks(kMarksRace11Key, 3)[1], UserMark::tanana);
    EXPECT_EQ(fileMarks(kMarksRace11Key, 1)[1], UserMark::honmei);

    chooseSet(*form, 1);
    EXPECT_EQ(cardMarks(*form).front(), q("◎"));
    chooseSet(*form, 3);
    form.reset();

    form = openDay();
    EXPECT_EQ(form->SirusiCombo->currentIndex(), 2) << "the set chosen last";
    EXPECT_EQ(form->SirusiCombo->itemText(2), q("穴党"));
    EXPECT_EQ(cardMarks(*form).front(), q("▲"));
    form->renameUserMarkSet(QString());
    EXPECT_EQ(form->SirusiCombo->itemText(2), q("印3")) << "an empty name gives the default back";
}

TEST_F(UserMarksWindow, ADamagedMarksFileIsKeptAsideAndNamedAndANewOneTakesTheMarks) {
    writeFile(userMarksPath(app.path()), std::string(8192, 'x'));
    auto form = openDay();
    form->show();
    QTRY_COMPARE(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().front().contains(q(".damaged-"))) << messages.shown().front().toStdString();
    bool keptAside = false;
    for (const auto& entry : std::filesystem::directory_iterator(app.path()))
        keptAside |= entry.path().filename().string().starts_with("usermarks.sqlite.damaged-") &&
                     readFile(entry.path()) == std::string(8192, 'x');
    EXPECT_TRUE(keptAside) << "the damaged file is kept as it was";

    type(*form, 2, Qt::Key_2);
    EXPECT_EQ(fileMarks(kMarksRace11Key, 1)[2], UserMark::taikou);
}

TEST_F(UserMarksWindow, WithoutAUsableMarksFileTheCardWorksAndAMarkSaysWhyItCannotBeKept) {
    {
        // A marks file of a newer version is left alone.
        auto file = UserMarksFile::open(userMarksPath(app.path()));
        ASSERT_TRUE(std::holds_alternative<UserMarksFile>(file));
    }
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(userMarksPath(app.path()).c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "PRAGMA user_version=99", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    const std::string before = readFile(userMarksPath(app.path()));
    auto form = openDay();
    form->show();
    QTRY_COMPARE(messages.shown().size(), 1);
    EXPECT_TRUE(messages.shown().front().contains(q("新しい版")));
    ASSERT_EQ(form->StringGrid4->rowCount(), 4) << "the card is there";
    EXPECT_EQ(form->SirusiCombo->itemText(0), q("印1"));

    messages.clear();
    type(*form, 1, Qt::Key_1);
    EXPECT_EQ(messages.shown().size(), 1) << "the mark cannot be kept, and the user is told";
    EXPECT_EQ(cardMarks(*form).front(), q(""));
    EXPECT_EQ(readFile(userMarksPath(app.path())), before);
}

TEST_F(UserMarksWindow, TheRaceNoteIsKeptAsItIsTypedAndShowsWithItsRace) {
    auto form = openDay();
    for (const QChar c : q("逃げ馬不在")) form->RaceMemo->insertPlainText(c);  // as typed, a character at a time
    EXPECT_EQ(std::get<UserMarksFile>(UserMarksFile::open(userMarksPath(app.path()))).raceNote(kMarksRace11Key),
              "逃げ馬不在")
        << "kept with each change, not when the race is left";
    chooseRace(*form, 1);
    EXPECT_TRUE(form->RaceMemo->toPlainText().isEmpty()) << "race 12 has no note";
    form->RaceMemo->setPlainText(q("重馬場なら\n外枠"));
    chooseRace(*form, 0);
    EXPECT_EQ(form->RaceMemo->toPlainText(), q("逃げ馬不在"));
    form.reset();

    form = openDay();
    chooseRace(*form, 1);
    EXPECT_EQ(form->RaceMemo->toPlainText(), q("重馬場なら\n外枠"));
    form->RaceMemo->clear();
    EXPECT_EQ(std::get<UserMarksFile>(UserMarksFile::open(userMarksPath(app.path()))).raceNote(kMarksRace12Key), "");
}

TEST_F(UserMarksWindow, AHorseNoteMarksItsRowShowsInTheTooltipAndFollowsTheHorseToALaterDay) {
    // Horse 3 of race 11 runs again a week later, with horse number 1.
    {
        StoreBatch batch;
        RecordFiler filer(app.paths(), batch);
        std::vector<SjisString> lines;
        const RaceId later{.date = 20240602, .race = 1};
        filer.fileAcquired(raRecord(later, 1, "2"), 20240101, lines);
        filer.fileAcquired(seBuilder(later, 1, marksHorseId(11, 3).c_str(), "2").number(jvdata::se::Wakuban, 1).take(),
                           20240101, lines);
        batch.flush();
    }
    auto form = std::make_unique<TMainForm>(std::make_unique<FakeJVLink>());
    ASSERT_EQ(form->DateCombo->count(), 2);
    form->DateCombo->setCurrentIndex(1);  // the 26th: the list is newest first
    form->DateComboChange();
    form->setHorseNoteOfRow(3, q("  右回り得意  "));
    EXPECT_EQ(form->Day->RaceTbl[0].HorseNoted[2], 1);
    EXPECT_EQ(form->Day->RaceTbl[0].HorseNoted[1], 0);
    EXPECT_EQ(form->StringGrid4ToolTip(3), q("右回り得意"));
    EXPECT_TRUE(form->StringGrid4ToolTip(2).isEmpty());

    // The tooltip shows over any cell of the row.
    form->show();
    QTableView& view = form->StringGrid4->view();
    const QRect cell = view.visualRect(view.model()->index(2, card::kFirstRunColumn));
    QHelpEvent help(QEvent::ToolTip, cell.center(), view.viewport()->mapToGlobal(cell.center()));
    QApplication::sendEvent(view.viewport(), &help);
    EXPECT_EQ(QToolTip::text(), q("右回り得意"));

    form->DateCombo->setCurrentIndex(0);
    form->DateComboChange();
    EXPECT_EQ(form->Day->RaceTbl[0].HorseNoted[0], 1) << "the same horse a week later";
    EXPECT_EQ(form->StringGrid4ToolTip(1), q("右回り得意"));
    form->setHorseNoteOfRow(1, QString());
    EXPECT_EQ(form->Day->RaceTbl[0].HorseNoted[0], 0) << "an empty note takes it off";
    EXPECT_TRUE(messages.shown().isEmpty()) << messages.shown().join(u'\n').toStdString();
}

TEST_F(UserMarksWindow, MarksOfTwoRacesInTwoSetsStayThroughAReloadAndANewWindow) {
    auto form = openDay();
    type(*form, 1, Qt::Key_1);
    type(*form, 3, Qt::Key_5);
    chooseRace(*form, 1);
    type(*form, 2, Qt::Key_6);
    chooseSet(*form, 2);
    type(*form, 2, Qt::Key_2);
    chooseRace(*form, 0);
    type(*form, 1, Qt::Key_3);
    const auto expectTyped = [](TMainForm& f) {
        chooseSet(f, 1);
        chooseRace(f, 0);
        EXPECT_EQ(cardMarks(f), (QStringList{q("◎"), q(""), q("☆")}));
        chooseRace(f, 1);
        EXPECT_EQ(cardMarks(f), (QStringList{q(""), q("×")}));
        chooseSet(f, 2);
        EXPECT_EQ(cardMarks(f), (QStringList{q(""), q("○")}));
        chooseRace(f, 0);
        EXPECT_EQ(cardMarks(f), (QStringList{q("▲"), q(""), q("")}));
    };
    {
        SCOPED_TRACE("the day loaded again");
        form->DateComboChange();
        expectTyped(*form);
    }
    form->close();
    form.reset();
    SCOPED_TRACE("a new window");
    form = openDay();
    expectTyped(*form);
}

namespace {

// A program run with its standard output on a pipe, killed when it goes.
class ChildProcess {
public:
    explicit ChildProcess(const std::vector<std::string>& argv) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(fds[1], STDOUT_FILENO);
            close(fds[0]);
            close(fds[1]);
            std::vector<char*> args;
            for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
            args.push_back(nullptr);
            execv(args[0], args.data());
            _exit(127);
        }
        close(fds[1]);
        out_ = fds[0];
    }
    ~ChildProcess() {
        kill(SIGKILL);
        if (out_ >= 0) close(out_);
    }

    // The next line it writes, or nothing when it writes none within timeoutMs.
    std::optional<std::string> readLine(int timeoutMs) {
        for (;;) {
            if (const auto end = buffer_.find('\n'); end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            pollfd readable{out_, POLLIN, 0};
            if (poll(&readable, 1, timeoutMs) <= 0) return std::nullopt;
            char bytes[256];
            const ssize_t n = read(out_, bytes, sizeof bytes);
            if (n <= 0) return std::nullopt;
            buffer_.append(bytes, static_cast<std::size_t>(n));
        }
    }
    // Kills it and waits for its end; true when the signal ended it.
    bool kill(int signal) {
        if (pid_ <= 0) return false;
        ::kill(pid_, signal);
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFSIGNALED(status) && WTERMSIG(status) == signal;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    std::string buffer_;
};

}  // namespace

TEST_F(UserMarksWindow, AKillRightAfterAMarkKeyLosesNoHandledMarkAndLeavesTheFileSound) {
    ChildProcess typist({VANTOR_MARKS_TYPIST, app.path().string()});
    struct Typed {
        int set, row, mark;
    };
    std::vector<Typed> handled;
    while (handled.size() < 12) {
        const auto line = typist.readLine(30000);
        ASSERT_TRUE(line) << "the typist stopped after " << handled.size() << " marks";
        Typed t{};
        ASSERT_EQ(std::sscanf(line->c_str(), "%d %d %d", &t.set, &t.row, &t.mark), 3) << *line;
        handled.push_back(t);
    }
    QTest::qWait(100);
    ASSERT_TRUE(typist.kill(SIGKILL));

    auto opened = UserMarksFile::open(userMarksPath(app.path()));
    ASSERT_TRUE(std::holds_alternative<UserMarksFile>(opened)) << std::get<std::string>(opened);
    const UserMarksFile& file = std::get<UserMarksFile>(opened);
    EXPECT_EQ(file.keptAside(), "") << "the file is sound: nothing kept aside";
    for (const Typed& t : handled)
        EXPECT_EQ(userMarkNumber(file.marksOfRace(kMarksRace11Key, t.set)[static_cast<std::size_t>(t.row)]), t.mark)
            << "set " << t.set << " row " << t.row;
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(userMarksPath(app.path()).c_str(), &db), SQLITE_OK);
    sqlite3_stmt* check = nullptr;
    sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr);
    ASSERT_EQ(sqlite3_step(check), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(check, 0)), "ok");
    sqlite3_finalize(check);
    sqlite3_close(db);

    // And the window shows them.
    auto form = openDay();
    chooseSet(*form, handled.back().set);
    EXPECT_EQ(cardMarks(*form)[handled.back().row - 1],
              toQString(userMarkGlyph(static_cast<UserMark>(handled.back().mark))));
}

TEST_F(UserMarksWindow, AnAcquisitionAndAResultsFetchBesideTheWindowChangeNoMarkOrNote) {
    // The day's results, as normal data for an acquisition and as real-time data for the fetch.
    TempDir feed;
    SjisString results;
    for (const auto& [id, heads] : {std::pair{kMarksRace11, 3}, std::pair{kMarksRace12, 2}}) {
        results += raRecord(id, heads, "7");
        for (int horse = 1; horse <= heads; ++horse) results += marksRunner(id, horse, "7");
    }
    writeFile(feed / "normal/20240527090000_RESULT.jvd", results.bytes());
    writeFile(feed / "realtime/20240526/20240526170000_RT.jvd",
              hrBuilder(kMarksRace11).number(jvdata::hr::TanUmaban, 2).number(jvdata::hr::TanPay, 340).take().bytes());
    auto link = std::make_unique<FeedJVLink>(FeedSettings{feed.path(), 0, "0490"});
    link->JVInit("sid");
    auto form = std::make_unique<TMainForm>(std::move(link));
    form->DateCombo->setCurrentIndex(0);
    form->DateComboChange();

    type(*form, 2, Qt::Key_1);
    form->RaceMemo->setPlainText(q("本命"));
    form->setHorseNoteOfRow(3, q("叩き良化"));
    chooseRace(*form, 1);
    chooseSet(*form, 4);
    type(*form, 1, Qt::Key_6);
    chooseRace(*form, 0);
    const auto stored = [this] {
        auto opened = UserMarksFile::open(userMarksPath(app.path()));
        const UserMarksFile& file = std::get<UserMarksFile>(opened);
        return std::tuple{file.marksOfDay("20240526"), file.raceNote(kMarksRace11Key),
                          file.horseNote(marksHorseId(11, 3).bytes())};
    };
    const auto before = stored();
    ASSERT_EQ(std::get<0>(before).size(), 2u);

    const CommandOutput acquired =
        runCommand(shellWord(VANTOR_CLI) + " --app-dir " + shellWord(app.path().string()) +
                   " acquire --normal --from '2024/05/20 00:00:00' --feed " + shellWord(feed.path().string()));
    ASSERT_EQ(acquired.status, 0);
    EXPECT_EQ(stored(), before) << "the acquisition";
    form->DateComboChange();
    chooseSet(*form, 1);
    EXPECT_EQ(cardMarks(*form), (QStringList{q(""), q("◎"), q("")}));

    form->KekkaGetBtnClick();
    ASSERT_EQ(form->KekkaLabels[0]->text(), q(" 2")) << "the results came in";
    EXPECT_EQ(stored(), before) << "the results fetch";
    EXPECT_EQ(cardMarks(*form), (QStringList{q(""), q("◎"), q("")}));
    EXPECT_EQ(form->RaceMemo->toPlainText(), q("本命"));
    EXPECT_EQ(form->Day->RaceTbl[0].HorseNoted[2], 1);
    chooseSet(*form, 4);
    chooseRace(*form, 1);
    EXPECT_EQ(cardMarks(*form), (QStringList{q("×"), q("")}));
}

TEST_F(UserMarksWindow, ThePreviewPrintsTheSetChosenThereAndNoMarksUntilOneIs) {
    auto form = openDay();
    type(*form, 2, Qt::Key_1);
    form->RaceMemo->setPlainText(q("先行有利"));
    const auto hasText = [](const draw::Page& page, const char* utf8, int x, int y) {
        for (const draw::Op& op : page.ops)
            if (const auto* text = std::get_if<draw::Text>(&op);
                text && text->text == utf8ToCp932(utf8) && text->x == x && text->y == y)
                return true;
        return false;
    };
    bool checked = false;
    QTimer::singleShot(0, [&] {
        auto* preview = qobject_cast<ui::TAllPrintForm*>(QApplication::activeModalWidget());
        ASSERT_TRUE(preview);
        preview->reject();
        ASSERT_FALSE(preview->SirusiCombo->isHidden());
        ASSERT_EQ(preview->SirusiCombo->count(), 1 + kUserMarkSets);
        EXPECT_EQ(preview->SirusiCombo->itemText(0), q("印なし"));
        const draw::Page plain = preview->PrevX1->page(1);
        EXPECT_FALSE(hasText(plain, "◎", 205, 126 * 2 + 330)) << "no set chosen: no marks";

        preview->UpDown1->setValue(2);
        preview->SirusiCombo->setCurrentIndex(1);
        emit preview->SirusiCombo->activated(1);
        EXPECT_TRUE(hasText(preview->PrevX1->page(1), "◎", 205, 126 * 2 + 330));
        EXPECT_TRUE(hasText(preview->PrevX1->page(1), "先行有利", 300, 258));
        EXPECT_EQ(preview->PrevX1->CurrentPage(), 2) << "the page shown stays";
        preview->SirusiCombo->setCurrentIndex(0);
        emit preview->SirusiCombo->activated(0);
        EXPECT_TRUE(preview->PrevX1->page(1).ops == plain.ops);
        checked = true;
    });
    form->FilePrintItemClick();
    EXPECT_TRUE(checked);
}
