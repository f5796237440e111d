#pragma once
// TMainForm: the main window. Tool bar with the commands and the heading of
// the race shown; on the left the race days (DateCombo) and the races of
// the day (DatList); on the right the page control with the race card and
// the analysis tabs, hidden until a race is chosen; the hint line below.
//
// Creating it expects the current directory to be the program folder with
// its store folders (enterProgramFolder). It restores its placement from
// the settings and fills the day list; showing it for the first time
// initialises JV-Link; closing it saves the placement.

#include <QMainWindow>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/runner_slot.h"
#include "print/race_page.h"
#include "raceday/race_day.h"
#include "settings/ini_gt.h"
#include "shell/live_switch.h"
#include "usermarks/user_marks_file.h"

class QAction;
class QComboBox;
class QLabel;
class QListWidget;
class QMenu;
class QPainter;
class QPlainTextEdit;
class QPrinter;
class QSplitter;
class QStatusBar;
class QTabWidget;

namespace vantor {

class FeedJVLink;
class HorseCareerForm;
class JVLink;
class OddsChartView;
class TPrgrsForm;
class TStatsForm;

namespace ui {
class TLabel3D;
class TSpeedButton;
class TStringGrid;
class TUpDown;
}  // namespace ui

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The window keeps jvLink for the whole run: every JV-Link call goes through JVLink1.
    explicit TMainForm(std::unique_ptr<JVLink> jvLink, QWidget* parent = nullptr);
    ~TMainForm() override;

    // The printer every print command uses; made at first use.
    QPrinter& printer();

    std::filesystem::path AppDir;    // the program folder
    std::filesystem::path HelpFile;  // the user guide in the program folder
    TIniGT IniGT1;
    std::unique_ptr<JVLink> JVLink1;
    TPrgrsForm* PrgrsForm;

    // Menu "ﾌｧｲﾙ(&F)", "ｵﾌﾟｼｮﾝ(&O)", "ﾌｫﾙﾀﾞ指定(&D)", "ﾍﾙﾌﾟ(&H)".
    QAction* N13;
    QAction* FilePrintItem;
    QAction* P1;
    QAction* SqlExportItem;
    QAction* FilePrintSetupItem;
    QAction* FileExitItem;
    QAction* N5;
    QAction* ReopenItem;  // "前回のﾚｰｽを開いて起動", on at first
    // Menu "ﾚｰｽ(&R)": the lists stepped by keys, leaving the arrow keys to
    // the card's rows.
    QAction* NextRaceItem;  // Page Down
    QAction* PrevRaceItem;  // Page Up
    QAction* OlderDayItem;  // Ctrl+Page Down: the day list's next item, the day before
    QAction* NewerDayItem;  // Ctrl+Page Up
    QAction* SokuhoItem;    // "速報(&S)", checked while the switch is on; F5
    QAction* StatsItem;     // "成績集計(&T)...": the record dialog, the race shown chosen
    QAction* yosohaitomenu;
    QAction* HelpContentsItem;
    QAction* HelpAboutItem;

    // Tool bar, left group.
    ui::TSpeedButton* JVBtn;
    ui::TSpeedButton* KekkaGetBtn;
    ui::TSpeedButton* YozBtn;
    ui::TSpeedButton* SokuhoBtn;  // "速報", as SokuhoItem
    ui::TUpDown* UpDown1;
    ui::TSpeedButton* SpeedButton8;  // "F"
    ui::TSpeedButton* SpeedButton4;  // "終了"
    ui::TSpeedButton* SpeedButton5;  // "ﾍﾙﾌﾟ"
    ui::TSpeedButton* SpeedButton6;  // "ﾊﾞｰｼﾞｮﾝ情報"

    // Tool bar, right group: the heading of the race shown.
    ui::TLabel3D* Label3D1;       // grade
    ui::TLabel3D* Label3D2;       // racecourse
    ui::TLabel3D* Label3D3;       // race number, on its own background
    ui::TLabel3D* Label3D4;       // date line: date, racecourse, meeting and day
    ui::TLabel3D* Label3D5;       // race name
    ui::TLabel3D* Label3D6;       // weight type
    ui::TLabel3D* Label3D7;       // class
    ui::TLabel3D* Label3D8;       // track
    ui::TLabel3D* Label3D9;       // distance
    ui::TLabel3D* Label3D110;     // start time
    ui::TLabel3D* Label3D115;     // head count
    ui::TLabel3D* LiveBabaLabel;  // the weather and going announced that day
    ui::TLabel3D* LiveOddsLabel;  // the announce time of the odds the card shows

    // Left panel and the splitter beside it.
    QWidget* Panel5;
    QComboBox* DateCombo;
    QListWidget* DatList;
    QSplitter* Splitter1;

    QTabWidget* PageControl1;
    QWidget* TabSheet4;  // "出馬表"
    ui::TStringGrid* StringGrid4;
    ui::TSpeedButton* SpeedButton10;  // "馬番", down at start
    ui::TSpeedButton* SpeedButton17;  // "ｸﾞﾙｰﾌﾟ"
    QComboBox* SirusiCombo;           // the user-mark set the views show; items the set names
    ui::TSpeedButton* SirusiNameBtn;  // renames the set shown
    QPlainTextEdit* RaceMemo;         // the user's note on the race shown

    QWidget* TabSheet1;  // "調教師"
    QComboBox* ChokBox;
    ui::TStringGrid* StringGrid5;
    ui::TStringGrid* StringGrid6;  // hidden work list of the trainer printing
    ui::TSpeedButton* SpeedButton18;

    QWidget* TabSheet2;  // "臨戦態勢ﾁｪｯｸ"
    QTabWidget* PageControl2;
    QWidget* TabSheet7;  // "出馬表ﾁｪｯｸ"
    ui::TStringGrid* StringGrid2;
    ui::TSpeedButton* SpeedButton13;
    QWidget* TabSheet8;  // "検索ﾘｽﾄ"
    QComboBox* RinsenCombo;
    ui::TStringGrid* StringGrid7;
    ui::TSpeedButton* SpeedButton19;

    QWidget* TabSheet5;  // "暗号ﾁｪｯｸ"
    ui::TStringGrid* StringGrid1;
    ui::TSpeedButton* SpeedButton15;

    QWidget* TabSheet6;  // "競走馬検索"
    QListWidget* UmaListBox;
    ui::TLabel3D* SearchItemLabel;  // after "検索項目："
    ui::TLabel3D* SearchKeyLabel;   // after "検索キー："
    ui::TStringGrid* StringGrid3;
    ui::TSpeedButton* SpeedButton21;

    QWidget* TabSheet3;  // "成績結果"
    // Win 1-3, place 1-5, bracket quinella 1-3, quinella 1-3, quinella-place
    // 1-7; three labels per entry: result, popularity, payout.
    std::vector<ui::TLabel3D*> KekkaLabels;

    QWidget* OddsSheet;  // "ｵｯｽﾞ": the live odds of the race shown
    QTabWidget* OddsPages;
    QLabel* OddsTimeLabel;   // the announce time of the odds shown
    QWidget* WinPlaceSheet;  // "単勝・複勝"
    ui::TStringGrid* WinPlaceGrid;
    ui::TSpeedButton* WinNumberBtn;  // "馬番順", down at start
    ui::TSpeedButton* WinNinkiBtn;   // "人気順"
    ui::TSpeedButton* WinPlaceCopyBtn;
    QWidget* BracketSheet;  // "枠連"
    ui::TStringGrid* BracketGrid;
    ui::TSpeedButton* BracketCopyBtn;
    QWidget* QuinellaSheet;  // "馬連"
    ui::TStringGrid* QuinellaGrid;
    ui::TSpeedButton* QuinellaCopyBtn;
    // "ワイド", "馬単", "3連複", "3連単": the lists at ComboKind, each with
    // the announce time of its odds.
    struct ComboSheet {
        QWidget* sheet;
        QLabel* timeLabel;
        ui::TStringGrid* grid;
        ui::TSpeedButton* copyBtn;
    };
    std::array<ComboSheet, kComboKinds> ComboSheets;
    OddsChartView* OddsChart;  // "ｵｯｽﾞ推移"

    QStatusBar* StatusLine;
    QLabel* LiveStatusLabel;  // in StatusLine: the switch's last update and the last change

    // The race day shown: made once, refilled by every load.
    std::unique_ptr<RaceDay> Day;
    // The race slot shown (the race list's chosen item), set when a race is chosen.
    int CurRace = 0;
    // The runners of the race card's rows and of the trainer grid's rows,
    // in row order: the grids' texts are written from them and their rows
    // painted from them.
    std::vector<RunnerSlot> CardRows;
    std::vector<RunnerSlot> TrainerRows;
    std::vector<RunnerSlot> SearchRows;  // the horse search's rows

    // The user's marks and notes, in the program folder's marks file, open
    // for the whole run; none when the file cannot be had, and then the
    // program works without them.
    std::optional<UserMarksFile> UserMarks;
    int UserMarkSet = 1;  // the set the views show, 1-8

    // The 速報 switch's run of the day shown; made after JVLink1 and Day, which it uses.
    std::unique_ptr<LiveSwitch> LiveSwitch1;

    void N13Click();
    void FileExitItemClick();
    void FilePrintSetupItemClick();
    void N5Click();
    void ReopenItemClick();
    void HelpContentsItemClick();
    void HelpAboutItemClick();
    void SpeedButton8Click();
    void MakeDataListBtnClick();
    // Chooses the newest race day, as a user would in DateCombo.
    void showNewestDay();
    // Chooses the day and race shown when the window last closed, or the
    // newest day when that day is gone; nothing when the user turned it off
    // or no day was shown.
    void reopenLastRace();
    // Steps the race list or the day list by one item (+1 down, -1 up);
    // nothing past either end.
    void stepRace(int by);
    void stepDay(int by);
    void HrReadBtnClick();

    // The day shown in the day box: its folder's name, as the file system holds it.
    std::string shownDayName() const;
    void DateComboChange();
    void DatListClick();
    void KekkaGetBtnClick();
    void YozBtnClick();
    void UpDown1Click();
    void FilePrintItemClick();
    void P1Click();
    void SqlExportItemClick();
    // Brings the analysis database up to date with the store, for a writer
    // that changed the store and still holds the writer lock: with a
    // progress box when it has store files to read, the window kept alive;
    // a rebuild or a failure is said in a message box.
    // False, after a message box, when the update failed.
    bool updateAnalysisDb();
    // The analysis database for a view about to read it: brought up to date
    // first, since vantor-cli may have changed the store behind the window.
    // When another program holds the writer lock, the database in place is
    // read as it is (it is always a whole export). False, after a message
    // box, when there is none to read.
    bool ensureAnalysisDb();
    void yosohaitomenuClick();
    void SpeedButton10Click();
    void StringGrid4DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);
    // A key on the race card: 1-7 put the marks ◎ ○ ▲ △ ☆ × 注 on the
    // current row's runner, 0 and Delete take its mark off, Enter opens its
    // career. True when the key was one of them.
    bool StringGrid4KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // The tooltip of a card cell: the note on the row's horse.
    QString StringGrid4ToolTip(int row) const;
    void StringGrid4ContextMenu(int col, int row, const QPoint& globalPos);
    // The card menu's records of the names in cell (col, row): the jockey
    // and trainer of the people column, the sire and owner of the horse
    // column, each opening the record dialog on the race shown's course
    // and distance.
    void addRecordActions(QMenu& menu, int col, int row);
    // Opens a record dialog on the analysis database, raceKey the chosen
    // race (empty for none); null, after a message box, when there is no
    // database to read.
    TStatsForm* openStatsForm(const std::string& raceKey);
    void StatsItemClick();
    // Puts mark on the runner of card row `row` in the set shown, at once in the marks file.
    void setUserMarkOfRow(int row, UserMark mark);
    // Keeps note as the note on the horse of card row `row`; empty removes it.
    void setHorseNoteOfRow(int row, const QString& note);
    // Keeps note as the note on horse (its kettonum, as the marks file keys
    // it); empty removes it.
    void setHorseNote(std::string_view horse, const QString& note);
    // Asks for the note on horse (shown by its name) in a box over parent
    // and keeps it: the card's rows and the career view edit notes so.
    // The note kept; none when cancelled or there is no marks file.
    std::optional<QString> editHorseNote(QWidget* parent, std::string_view horse, const QString& name);
    // The career of runner in a window of its own, read from the analysis
    // database; null, after a message box where something failed, when
    // there is none to show.
    HorseCareerForm* openHorseCareer(RunnerSlot runner);
    // The context-menu entry that opens the career of runner; Enter on a
    // runner grid's chosen row does the same.
    void addCareerAction(QMenu& menu, RunnerSlot runner);
    void SirusiComboChange();
    void SirusiNameBtnClick();
    // Names the set shown; an empty name gives it back its default name.
    void renameUserMarkSet(const QString& name);
    void RaceMemoChange();
    void SpeedButton13Click();
    void SpeedButton15Click();
    void SpeedButton18Click();
    void SpeedButton19Click();
    void SpeedButton21Click();
    // The odds pane of the race shown, from the day's live state.
    void showLiveOdds();
    // The 速報 switch: on asks for a replay where offersLiveReplay(), then
    // starts; off ends it.
    void SokuhoBtnClick(bool on);
    // Starts the switch on the day shown, live or replayed; false when it cannot.
    bool startLiveSwitch(std::optional<LiveReplay> replay);
    // The day shown has real-time files in the feed folder and is over.
    bool offersLiveReplay() const;
    // The card, its header, the odds pane and the chart of the race shown,
    // again from the switch's live state, rows, selection and order kept.
    void refreshLiveViews();
    void WinPlaceCopyBtnClick();
    void BracketCopyBtnClick();
    void QuinellaCopyBtnClick();
    void ComboCopyBtnClick(ComboKind kind);
    void ChokBoxChange();
    void RinsenComboChange();
    void UmaListBoxClick();
    void SpeedButton12Click();
    void StringGrid1DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);
    void StringGrid2DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);
    void StringGrid3DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);
    void StringGrid5DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);
    void StringGrid7DrawCell(QPainter& painter, int col, int row, const QRect& rect, bool selected);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    void FormCloseQuery();
    // A settings value the user chose could not be saved: tell them.
    void reportSettingsNotSaved();

    void createMenu();
    void createToolBar();
    QWidget* createRaceHeading();
    void createLeftPanel();
    void createPages();
    QWidget* createRaceCardSheet();
    QWidget* createTrainerSheet();
    QWidget* createReadinessSheet();
    QWidget* createSignCheckSheet();
    QWidget* createHorseSearchSheet();
    QWidget* createOddsSheet();
    void connectHandlers();
    void connectViews();  // the analysis grids' and the trainer list's drawing
    void applyRaceHeading(const struct RaceHeaderTexts& header);
    void printRaceCards(print::RunnerOrder order);

    void createLiveSwitch();
    FeedJVLink* feedLink() const;  // the feed replacement behind JVLink1, or null
    // Ends the switch when the day about to load is not its own; no step
    // starts while the returned hold lives.
    LiveSwitch::Hold holdLiveSwitch();
    void LiveSwitchStepped(const LiveStepReport& report);
    void LiveSwitchEnded();
    void fetchDayResults();  // KekkaGetBtnClick's fetch

    void openUserMarks();
    void reportUserMarksFile();
    // Whether the marks file is there to write to; when not, says so.
    bool userMarksWritable();
    void showDayUserMarks();      // every race of the day, after a load or a set change
    void refreshUserMarkViews();  // the shown race's grids and the trainer grid, after a change
    void showRaceMemo();          // the note of the race chosen
    void editHorseNote(int row);
    // The career views' double-clicks, menus and keys on the runner grids.
    void connectCareerViews();
    // Opens the career of the grid's chosen row on Enter; true when the key was Enter.
    bool openCareerByKey(const ui::TStringGrid& grid, const std::vector<RunnerSlot>& rows, int key,
                         Qt::KeyboardModifiers modifiers);

    std::unique_ptr<QPrinter> printer_;
    bool shown_ = false;
    // What the open of the marks file has to tell once the window shows: a
    // file kept aside, or why there is none.
    std::string userMarksNotice_;
    std::string userMarksProblem_;
    QString liveSwitchDay_;   // the day list's text of the switch's day
    QString lastLiveChange_;  // the last change the switch announced
};

}  // namespace vantor
