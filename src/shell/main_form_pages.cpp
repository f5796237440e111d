// The body of TMainForm: the left panel with the day and race lists, and the
// page control with the race card and the analysis tabs.

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

#include "analysis/live_odds_tables.h"
#include "analysis/search_list.h"
#include "components/label3d.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "painting/fonts.h"
#include "shell/grid_setups.h"
#include "shell/hints.h"
#include "shell/main_form.h"
#include "shell/odds_chart_view.h"
#include "shell/result_labels.h"
#include "shell/sjis_items.h"
#include "text/qt_text.h"

namespace vantor {
namespace {

template <class Widget>
Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromUtf8(name));
    return widget;
}

ui::TStringGrid* grid(const char* name, const GridSetup& setup) {
    auto* made = named(new ui::TStringGrid, name);
    applyGridSetup(*made, setup);
    return made;
}

ui::TSpeedButton* button(const char* name, const char* caption, const char* hint) {
    auto* made = named(new ui::TSpeedButton(QString::fromUtf8(caption)), name);
    made->setAutoRaise(false);
    setHint(made, QString::fromUtf8(hint));
    return made;
}

ui::TSpeedButton* copyButton(const char* name) {
    return button(name, "クリップボードへコピー", "表の内容をクリップボードへコピーします");
}

// A sheet with a strip of controls above its grid.
QWidget* gridSheet(const char* name, std::initializer_list<QWidget*> strip, QWidget* body) {
    auto* sheet = named(new QWidget, name);
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(2);
    auto* row = new QHBoxLayout;
    for (QWidget* widget : strip) row->addWidget(widget);
    row->addStretch();
    layout->addLayout(row);
    layout->addWidget(body, 1);
    return sheet;
}

QLabel* caption(const char* text) { return new QLabel(QString::fromUtf8(text)); }

}  // namespace

void TMainForm::createLeftPanel() {
    Panel5 = named(new QWidget, "Panel5");
    // Fixed pitch, so that the day names fit the panel and the race names line up.
    DateCombo = named(new QComboBox, "DateCombo");
    DateCombo->setFont(gothicFont(12));
    DateCombo->setMaxVisibleItems(36);
    setHint(DateCombo, QStringLiteral("読み込む開催日を選びます"));
    DatList = named(new QListWidget, "DatList");
    DatList->setFont(gothicFont(12));
    setHint(DatList, QStringLiteral("表示するレースを選びます"));
    auto* layout = new QVBoxLayout(Panel5);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(DateCombo);
    layout->addWidget(DatList, 1);
}

void TMainForm::createPages() {
    PageControl1 = named(new QTabWidget, "PageControl1");
    PageControl1->addTab(TabSheet4 = createRaceCardSheet(), QStringLiteral("出馬表"));
    PageControl1->addTab(TabSheet1 = createTrainerSheet(), QStringLiteral("調教師"));
    PageControl1->addTab(TabSheet2 = createReadinessSheet(), QStringLiteral("臨戦態勢ﾁｪｯｸ"));
    PageControl1->addTab(TabSheet5 = createSignCheckSheet(), QStringLiteral("暗号ﾁｪｯｸ"));
    PageControl1->addTab(TabSheet6 = createHorseSearchSheet(), QStringLiteral("競走馬検索"));
    TabSheet3 = named(new QWidget, "TabSheet3");
    KekkaLabels = buildResultLabels(*TabSheet3);
    PageControl1->addTab(TabSheet3, QStringLiteral("成績結果"));
    PageControl1->addTab(OddsSheet = createOddsSheet(), QStringLiteral("ｵｯｽﾞ"));
    PageControl1->hide();

    // The page control shows only once a race is chosen; until then its place stays empty.
    auto* client = new QWidget;
    auto* clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->addWidget(PageControl1);

    Splitter1 = named(new QSplitter(Qt::Horizontal), "Splitter1");
    Splitter1->addWidget(Panel5);
    Splitter1->addWidget(client);
    Splitter1->setStretchFactor(0, 0);
    Splitter1->setStretchFactor(1, 1);
    Splitter1->setChildrenCollapsible(false);
    setCentralWidget(Splitter1);
}

QWidget* TMainForm::createRaceCardSheet() {
    StringGrid4 = grid("StringGrid4", raceCardGridSetup());
    SpeedButton10 = button("SpeedButton10", "馬番", "馬番順に並べ替えます");
    SpeedButton17 = button("SpeedButton17", "ｸﾞﾙｰﾌﾟ", "ｸﾞﾙｰﾌﾟ順に並べ替えます");
    auto* order = new QButtonGroup(this);
    for (ui::TSpeedButton* sortButton : {SpeedButton10, SpeedButton17}) {
        sortButton->setCheckable(true);
        order->addButton(sortButton);
    }
    SpeedButton10->setChecked(true);
    auto* sortGroup = new QGroupBox(QStringLiteral("並べ替え"));
    auto* sortLayout = new QHBoxLayout(sortGroup);
    sortLayout->setContentsMargins(4, 0, 4, 2);
    sortLayout->addWidget(SpeedButton10);
    sortLayout->addWidget(SpeedButton17);

    // The user's marks: the set shown (its items are filled once the marks file is open) and its name.
    SirusiCombo = named(new QComboBox, "SirusiCombo");
    SirusiCombo->setMinimumWidth(100);
    setHint(SirusiCombo,
            QStringLiteral("表示する印を選びます（出馬表で馬を選び 1-7 で ◎○▲△☆×注、0 か Delete で消します）"));
    SirusiNameBtn = button("SirusiNameBtn", "名前変更", "表示している印の名前を変えます");
    auto* markGroup = new QGroupBox(QStringLiteral("印"));
    auto* markLayout = new QHBoxLayout(markGroup);
    markLayout->setContentsMargins(4, 0, 4, 2);
    markLayout->addWidget(SirusiCombo);
    markLayout->addWidget(SirusiNameBtn);

    RaceMemo = named(new QPlainTextEdit, "RaceMemo");
    RaceMemo->setPlaceholderText(QStringLiteral("レースのメモ"));
    RaceMemo->setMinimumWidth(360);
    RaceMemo->setFixedHeight(RaceMemo->fontMetrics().lineSpacing() * 3 + 10);  // a few lines
    setHint(RaceMemo, QStringLiteral("このレースのメモ（入力するとすぐ保存されます）"));
    return gridSheet("TabSheet4", {sortGroup, markGroup, RaceMemo}, StringGrid4);
}

QWidget* TMainForm::createTrainerSheet() {
    ChokBox = named(new QComboBox, "ChokBox");
    ChokBox->setFont(gothicFont(12));
    ChokBox->setMinimumWidth(160);
    setHint(ChokBox, QStringLiteral("調教師を選びます"));
    SpeedButton18 = button("SpeedButton18", "調教師ﾘｽﾄ印刷(&P)", "調教師別のﾘｽﾄを印刷します");
    StringGrid5 = grid("StringGrid5", trainerGridSetup());
    StringGrid6 = named(new ui::TStringGrid, "StringGrid6");
    StringGrid6->setColCount(2);
    StringGrid6->hide();

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGrid5);
    layout->addWidget(StringGrid6);
    return gridSheet("TabSheet1", {ChokBox, SpeedButton18}, body);
}

QWidget* TMainForm::createReadinessSheet() {
    StringGrid2 = grid("StringGrid2", cardCheckGridSetup());
    SpeedButton13 = copyButton("SpeedButton13");
    QLabel* note = caption("※赤文字は休養");
    note->setStyleSheet(QStringLiteral("color: red"));
    TabSheet7 = gridSheet("TabSheet7", {SpeedButton13, note}, StringGrid2);

    RinsenCombo = named(new QComboBox, "RinsenCombo");
    setItems(*RinsenCombo, searchCriteria());
    setHint(RinsenCombo, QStringLiteral("検索する条件を選びます"));
    SpeedButton19 = copyButton("SpeedButton19");
    StringGrid7 = grid("StringGrid7", searchListGridSetup());
    TabSheet8 = gridSheet("TabSheet8", {RinsenCombo, SpeedButton19}, StringGrid7);

    PageControl2 = named(new QTabWidget, "PageControl2");
    PageControl2->addTab(TabSheet7, QStringLiteral("出馬表ﾁｪｯｸ"));
    PageControl2->addTab(TabSheet8, QStringLiteral("検索ﾘｽﾄ"));
    auto* sheet = named(new QWidget, "TabSheet2");
    auto* layout = new QVBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(PageControl2);
    return sheet;
}

QWidget* TMainForm::createSignCheckSheet() {
    StringGrid1 = grid("StringGrid1", signCheckGridSetup());
    SpeedButton15 = copyButton("SpeedButton15");
    return gridSheet("TabSheet5", {SpeedButton15}, StringGrid1);
}

QWidget* TMainForm::createHorseSearchSheet() {
    UmaListBox = named(new QListWidget, "UmaListBox");
    UmaListBox->setFont(gothicFont(12, true));
    UmaListBox->setFixedWidth(120);
    // Three columns, filled top to bottom.
    UmaListBox->setFlow(QListView::TopToBottom);
    UmaListBox->setWrapping(true);
    UmaListBox->setResizeMode(QListView::Adjust);
    UmaListBox->setGridSize(QSize(36, 18));
    setHint(UmaListBox, QStringLiteral("馬名の頭文字を選びます"));

    SearchItemLabel = named(new ui::TLabel3D, "SearchItemLabel");
    SearchKeyLabel = named(new ui::TLabel3D, "SearchKeyLabel");
    for (auto [label, colour] :
         {std::pair{SearchItemLabel, QColor(255, 255, 0)}, {SearchKeyLabel, QColor(0, 255, 0)}}) {
        label->setColor(colour);
        label->setFont(gothicFont(12, true));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(100);
    }
    SpeedButton21 = copyButton("SpeedButton21");
    StringGrid3 = grid("StringGrid3", horseSearchGridSetup());
    QWidget* results = gridSheet(
        "HorseSearchResults",
        {caption("検索項目："), SearchItemLabel, caption("検索キー："), SearchKeyLabel, SpeedButton21}, StringGrid3);

    auto* sheet = named(new QWidget, "TabSheet6");
    auto* layout = new QHBoxLayout(sheet);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(UmaListBox);
    layout->addWidget(results, 1);
    return sheet;
}

QWidget* TMainForm::createOddsSheet() {
    OddsTimeLabel = named(new QLabel, "OddsTimeLabel");
    OddsTimeLabel->setFont(gothicFont(12, true));

    WinPlaceGrid = grid("WinPlaceGrid", winPlaceGridSetup());
    WinNumberBtn = button("WinNumberBtn", "馬番順", "馬番順に並べます");
    WinNinkiBtn = button("WinNinkiBtn", "人気順", "単勝人気順に並べます");
    auto* order = new QButtonGroup(this);
    for (ui::TSpeedButton* orderButton : {WinNumberBtn, WinNinkiBtn}) {
        orderButton->setCheckable(true);
        order->addButton(orderButton);
    }
    WinNumberBtn->setChecked(true);
    WinPlaceCopyBtn = copyButton("WinPlaceCopyBtn");
    WinPlaceSheet = gridSheet("WinPlaceSheet", {WinNumberBtn, WinNinkiBtn, WinPlaceCopyBtn}, WinPlaceGrid);

    BracketGrid = grid("BracketGrid", oddsMatrixGridSetup(8));
    BracketCopyBtn = copyButton("BracketCopyBtn");
    BracketSheet = gridSheet("BracketSheet", {BracketCopyBtn}, BracketGrid);
    QuinellaGrid = grid("QuinellaGrid", oddsMatrixGridSetup(kMaxRunners));
    QuinellaCopyBtn = copyButton("QuinellaCopyBtn");
    QuinellaSheet = gridSheet("QuinellaSheet", {QuinellaCopyBtn}, QuinellaGrid);
    static const char* const comboNames[] = {"Wide", "Exacta", "Trio", "Trifecta"};
    for (int k = 0; k < kComboKinds; ++k) {
        ComboSheet& combo = ComboSheets[static_cast<std::size_t>(k)];
        const std::string name = comboNames[k];
        combo.timeLabel = named(new QLabel, (name + "TimeLabel").c_str());
        combo.grid = grid((name + "Grid").c_str(), comboListGridSetup());
        combo.copyBtn = copyButton((name + "CopyBtn").c_str());
        combo.sheet = gridSheet((name + "Sheet").c_str(), {combo.timeLabel, combo.copyBtn}, combo.grid);
    }
    OddsChart = named(new OddsChartView(*Day), "OddsChart");

    OddsPages = named(new QTabWidget, "OddsPages");
    OddsPages->addTab(WinPlaceSheet, QStringLiteral("単勝・複勝"));
    OddsPages->addTab(BracketSheet, QStringLiteral("枠連"));
    OddsPages->addTab(QuinellaSheet, QStringLiteral("馬連"));
    for (int k = 0; k < kComboKinds; ++k)
        OddsPages->addTab(ComboSheets[static_cast<std::size_t>(k)].sheet,
                          toQString(comboKindName(static_cast<ComboKind>(k))));
    OddsPages->addTab(OddsChart, QStringLiteral("ｵｯｽﾞ推移"));
    return gridSheet("OddsSheet", {OddsTimeLabel}, OddsPages);
}

}  // namespace vantor
