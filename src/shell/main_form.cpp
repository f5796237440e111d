#include "shell/main_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include "components/list_click.h"
#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "components/up_down.h"
#include "jvlink/jvlink.h"
#include "jvlink/jvlink_startup.h"
#include "jvlink_ui/get_data_form.h"
#include "settings/app_dir.h"
#include "settings/program_settings.h"
#include "settings/setting.h"
#include "shell/help_page.h"
#include "shell/prgrs_form.h"
#include "shell/version_form.h"
#include "store/day_list.h"
#include "store/store_paths.h"
#include "text/qt_text.h"

namespace vantor {
namespace {

constexpr int kPanelWidth = 120;
constexpr PlacementSetting kPlacement{"locate", {10, 10, 1200, 800}};
// Whether choosing a day closes the day list.
constexpr Setting<bool> kCloseDayList{"datalist", "close", false};
// The race day and race (1-based) shown when the window closed, and whether
// a start opens them; an empty day: none was shown.
constexpr Setting<bool> kReopen{"lastrace", "reopen", true};
constexpr Setting<SjisView> kLastDay{"lastrace", "day", ""};
constexpr Setting<int> kLastRace{"lastrace", "race", 1};

}  // namespace

TMainForm::TMainForm(std::unique_ptr<JVLink> jvLink, QWidget* parent)
    : QMainWindow(parent),
      AppDir(appDir()),
      IniGT1(programSettings()),
      JVLink1(std::move(jvLink)),
      Day(RaceDay::create()) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Vantor"));
    createMenu();
    createToolBar();
    createLeftPanel();
    createPages();
    openUserMarks();
    StatusLine = new QStatusBar;
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    StatusLine->setSizeGripEnabled(false);
    setStatusBar(StatusLine);
    connectHandlers();
    createLiveSwitch();

    HelpFile = AppDir / "vantor.html";
    const WindowPlacement place = readSetting(IniGT1, kPlacement);
    move(place.left, place.top);
    resize(place.width, place.height);
    N5->setChecked(readSetting(IniGT1, kCloseDayList));
    ReopenItem->setChecked(readSetting(IniGT1, kReopen));
    MakeDataListBtnClick();

    PrgrsForm = new TPrgrsForm(this);
}

TMainForm::~TMainForm() = default;

void TMainForm::connectHandlers() {
    connect(N13, &QAction::triggered, this, &TMainForm::N13Click);
    connect(JVBtn, &QToolButton::clicked, this, &TMainForm::N13Click);
    connect(FilePrintItem, &QAction::triggered, this, &TMainForm::FilePrintItemClick);
    connect(P1, &QAction::triggered, this, &TMainForm::P1Click);
    connect(SqlExportItem, &QAction::triggered, this, &TMainForm::SqlExportItemClick);
    connect(FilePrintSetupItem, &QAction::triggered, this, &TMainForm::FilePrintSetupItemClick);
    connect(FileExitItem, &QAction::triggered, this, &TMainForm::FileExitItemClick);
    connect(SpeedButton4, &QToolButton::clicked, this, &TMainForm::FileExitItemClick);
    connect(N5, &QAction::triggered, this, &TMainForm::N5Click);
    connect(yosohaitomenu, &QAction::triggered, this, &TMainForm::yosohaitomenuClick);
    connect(HelpContentsItem, &QAction::triggered, this, &TMainForm::HelpContentsItemClick);
    connect(SpeedButton5, &QToolButton::clicked, this, &TMainForm::HelpContentsItemClick);
    connect(HelpAboutItem, &QAction::triggered, this, &TMainForm::HelpAboutItemClick);
    connect(SpeedButton6, &QToolButton::clicked, this, &TMainForm::HelpAboutItemClick);
    connect(SpeedButton8, &QToolButton::clicked, this, &TMainForm::SpeedButton8Click);
    connect(KekkaGetBtn, &QToolButton::clicked, this, &TMainForm::KekkaGetBtnClick);
    connect(YozBtn, &QToolButton::clicked, this, &TMainForm::YozBtnClick);
    connect(UpDown1, &ui::TUpDown::clicked, this, &TMainForm::UpDown1Click);

    connect(DateCombo, &QComboBox::activated, this, &TMainForm::DateComboChange);
    connect(ReopenItem, &QAction::triggered, this, &TMainForm::ReopenItemClick);
    connect(StatsItem, &QAction::triggered, this, &TMainForm::StatsItemClick);
    connect(NextRaceItem, &QAction::triggered, this, [this] { stepRace(1); });
    connect(PrevRaceItem, &QAction::triggered, this, [this] { stepRace(-1); });
    connect(OlderDayItem, &QAction::triggered, this, [this] { stepDay(1); });
    connect(NewerDayItem, &QAction::triggered, this, [this] { stepDay(-1); });
    ui::onListClick(DatList, [this] { DatListClick(); });

    connect(SpeedButton10, &QToolButton::clicked, this, &TMainForm::SpeedButton10Click);
    connect(SpeedButton17, &QToolButton::clicked, this, &TMainForm::SpeedButton10Click);
    StringGrid4->setOnDrawCell([this](QPainter& painter, int col, int row, const QRect& rect, bool selected) {
        StringGrid4DrawCell(painter, col, row, rect, selected);
    });
    StringGrid4->setOnKeyPress(
        [this](int key, Qt::KeyboardModifiers modifiers) { return StringGrid4KeyDown(key, modifiers); });
    StringGrid4->setOnToolTip([this](int, int row) { return StringGrid4ToolTip(row); });
    connect(StringGrid4, &ui::TStringGrid::cellMenuRequested, this,
            [this](int col, int row, const QPoint& at) { StringGrid4ContextMenu(col, row, at); });
    connectCareerViews();
    // The chosen row's mark cell shows where the keys go.
    connect(StringGrid4, &ui::TStringGrid::currentRowChanged, StringGrid4, &ui::TStringGrid::updateCells);
    connect(SirusiCombo, &QComboBox::activated, this, &TMainForm::SirusiComboChange);
    connect(SirusiNameBtn, &QToolButton::clicked, this, &TMainForm::SirusiNameBtnClick);
    connect(RaceMemo, &QPlainTextEdit::textChanged, this, &TMainForm::RaceMemoChange);
    connect(SpeedButton13, &QToolButton::clicked, this, &TMainForm::SpeedButton13Click);
    connect(SpeedButton15, &QToolButton::clicked, this, &TMainForm::SpeedButton15Click);
    connect(SpeedButton18, &QToolButton::clicked, this, &TMainForm::SpeedButton18Click);
    connect(SpeedButton19, &QToolButton::clicked, this, &TMainForm::SpeedButton19Click);
    connect(SpeedButton21, &QToolButton::clicked, this, &TMainForm::SpeedButton21Click);
    connect(WinNumberBtn, &QToolButton::clicked, this, &TMainForm::showLiveOdds);
    connect(WinNinkiBtn, &QToolButton::clicked, this, &TMainForm::showLiveOdds);
    connect(WinPlaceCopyBtn, &QToolButton::clicked, this, &TMainForm::WinPlaceCopyBtnClick);
    connect(BracketCopyBtn, &QToolButton::clicked, this, &TMainForm::BracketCopyBtnClick);
    connect(QuinellaCopyBtn, &QToolButton::clicked, this, &TMainForm::QuinellaCopyBtnClick);
    for (int k = 0; k < kComboKinds; ++k)
        connect(ComboSheets[static_cast<std::size_t>(k)].copyBtn, &QToolButton::clicked, this,
                [this, k] { ComboCopyBtnClick(static_cast<ComboKind>(k)); });
    connect(ChokBox, &QComboBox::activated, this, &TMainForm::ChokBoxChange);
    connect(RinsenCombo, &QComboBox::activated, this, &TMainForm::RinsenComboChange);
    ui::onListClick(UmaListBox, [this] { UmaListBoxClick(); });
    connectViews();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_) return;
    shown_ = true;
    Splitter1->setSizes({kPanelWidth, Splitter1->width() - kPanelWidth});
    // After the window is on screen, so that a message from JV-Link stands in front of it.
    QTimer::singleShot(0, this, &TMainForm::FormShow);
}

void TMainForm::FormShow() {
    reportUserMarksFile();
    const int result = JVLink1->JVInit(jvLinkSid());
    if (result != jv::kOk) {
        std::string message = jvInitErrorText(result);
        if (const std::string problem = JVLink1->sourceProblem(); !problem.empty()) message += "\n" + problem;
        ui::showInfo(this, QString::fromStdString(message));
        return;
    }
    if (const auto warning = jvLinkVersionWarning(JVLink1->version()))
        ui::showInfo(this, QString::fromStdString(*warning));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    LiveSwitch1->stop();  // a fetch under way ends before the window does
    FormCloseQuery();
    event->accept();
}

void TMainForm::FormCloseQuery() {
    // The place and the day shown are one choice: written together.
    SettingsBatch batch(IniGT1);
    writeSetting(batch, kPlacement, {x(), y(), width(), height()});
    const bool shown = DateCombo->currentIndex() >= 0 && DatList->currentRow() >= 0;
    writeSetting(batch, kLastDay, shown ? utf8ToCp932(shownDayName()) : SjisString());
    writeSetting(batch, kLastRace, shown ? DatList->currentRow() + 1 : 1);
    batch.commit();
}

void TMainForm::N13Click() {
    // JV-Link serves one session at a time: the 速報 switch waits meanwhile.
    LiveSwitch1->exclusive([this] {
        runAcquisitionDialog(this, *JVLink1, AppDir, [this] { updateAnalysisDb(); });
        MakeDataListBtnClick();
    });
}

void TMainForm::FileExitItemClick() { close(); }

void TMainForm::FilePrintSetupItemClick() {
    QPageSetupDialog dialog(&printer(), this);
    dialog.exec();
}

void TMainForm::N5Click() {
    if (!writeSetting(IniGT1, kCloseDayList, N5->isChecked())) reportSettingsNotSaved();
}

void TMainForm::ReopenItemClick() {
    if (!writeSetting(IniGT1, kReopen, ReopenItem->isChecked())) reportSettingsNotSaved();
}

void TMainForm::reportSettingsNotSaved() {
    ui::showInfo(this, QStringLiteral("設定ファイル「%1」に保存できませんでした。")
                           .arg(QString::fromStdString(IniGT1.filePath().string())));
}

void TMainForm::HelpContentsItemClick() {
    const QString page = QString::fromStdString(HelpFile.string());
    if (!writeHelpPage(HelpFile)) {
        ui::showInfo(this, QStringLiteral("ヘルプファイル %1 を作成できません。").arg(page));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page)))
        ui::showInfo(this, QStringLiteral("ヘルプファイル %1 を開けません。").arg(page));
}

void TMainForm::HelpAboutItemClick() {
    TVersionForm form(this);
    form.exec();
}

void TMainForm::SpeedButton8Click() { Panel5->setHidden(!Panel5->isHidden()); }

void TMainForm::MakeDataListBtnClick() {
    DateCombo->clear();
    for (const std::string& day : listRaceDays(StorePaths(AppDir))) DateCombo->addItem(QString::fromStdString(day));
    DateCombo->setCurrentIndex(-1);
}

void TMainForm::showNewestDay() {
    if (DateCombo->count() == 0) return;
    DateCombo->setCurrentIndex(0);
    DateComboChange();
}

void TMainForm::reopenLastRace() {
    const SjisString day = readSetting(IniGT1, kLastDay);
    if (!readSetting(IniGT1, kReopen) || day.empty() || DateCombo->count() == 0) return;
    const int index = DateCombo->findText(toQString(day));
    if (index < 0) return showNewestDay();
    DateCombo->setCurrentIndex(index);
    DateComboChange();
    const int race = readSetting(IniGT1, kLastRace) - 1;
    if (race > 0 && race < DatList->count()) {
        {
            const QSignalBlocker block(DatList);
            DatList->setCurrentRow(race);
        }
        DatListClick();
    }
}

void TMainForm::stepRace(int by) {
    const int race = DatList->currentRow() + by;
    if (DatList->currentRow() < 0 || race < 0 || race >= DatList->count()) return;
    {
        const QSignalBlocker block(DatList);
        DatList->setCurrentRow(race);
    }
    DatListClick();
}

void TMainForm::stepDay(int by) {
    const int day = DateCombo->currentIndex() + by;
    if (DateCombo->currentIndex() < 0 || day < 0 || day >= DateCombo->count()) return;
    DateCombo->setCurrentIndex(day);
    DateComboChange();
}

}  // namespace vantor
