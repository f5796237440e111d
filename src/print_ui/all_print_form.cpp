#include "print_ui/all_print_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include "codes/course_names.h"
#include "codes/race_key.h"
#include "components/speed_button.h"
#include "painting/fonts.h"
#include "print/print_document.h"
#include "print_ui/prev_x.h"
#include "settings/program_settings.h"
#include "settings/setting.h"
#include "text/formatted.h"
#include "text/qt_text.h"

namespace vantor::ui {
namespace {

constexpr int kZooms[] = {25, 50, 75, 100};
constexpr PlacementSetting kPlacement{"Printlocate", {10, 10, 630, 450}};
// The preview's zoom: an index into kZooms.
constexpr Setting<int> kZoom{"PrintZoom", "ratio", 1,
                             [](int stored, int fallback) { return stored >= 0 && stored <= 3 ? stored : fallback; }};

// The JRA racecourse of a race key's code read as a number (1 to 10);
// empty for any other code.
QString courseOfKey(SjisView raceKey) {
    const int code = lenientInt(RaceKey(raceKey).course());
    if (code < 1 || code > 10) return {};
    return toQString(CourseName(formatted("%02d", code), 2).value_or(SjisString()));
}

}  // namespace

TAllPrintForm::TAllPrintForm(const RaceDay& day, QPrinter& printer, QWidget* parent)
    : QDialog(parent), IniGT1(programSettings()) {
    setObjectName(QStringLiteral("AllPrintForm"));
    setWindowTitle(QStringLiteral("全買い目印刷"));

    PageLabel = new QLabel(QStringLiteral("ﾍﾟｰｼﾞ選択"));
    UpDown1 = new QSpinBox;
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    UpDown1->setRange(1, 1);
    BitBtn2 = new QPushButton(QStringLiteral("表示ﾍﾟｰｼﾞ印刷(&P)"));
    BitBtn4 = new QPushButton(QStringLiteral("指定ﾍﾟｰｼﾞ印刷(&P)"));
    BitBtn3 = new QPushButton(QStringLiteral("ﾌﾟﾘﾝﾀ設定(&S)"));
    CloseBtn = new QPushButton(QStringLiteral("閉じる"));

    RadioGroup1 = new QGroupBox(QStringLiteral("倍率"));
    ZoomButtons = new QButtonGroup(this);
    auto* zoomGrid = new QGridLayout(RadioGroup1);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QRadioButton(QStringLiteral("%1%").arg(kZooms[i]));
        ZoomButtons->addButton(button, i);
        zoomGrid->addWidget(button, i / 2, i % 2);
    }

    GroupBox1 = new QGroupBox(QStringLiteral("選択指定"));
    SpeedButton1 = new TSpeedButton(QStringLiteral("全選択"));
    SpeedButton2 = new TSpeedButton(QStringLiteral("全ｸﾘｱ"));
    auto* selection = new QHBoxLayout(GroupBox1);
    selection->addWidget(SpeedButton1);
    selection->addWidget(SpeedButton2);

    ChokBox = new QComboBox;
    ChokBox->setObjectName(QStringLiteral("ChokBox"));
    ChokBox->setFont(gothicFont(12));
    ChokBox->setMaxVisibleItems(30);
    ChokBox->hide();
    SirusiCombo = new QComboBox;
    SirusiCombo->setObjectName(QStringLiteral("SirusiCombo"));
    SirusiCombo->setToolTip(QStringLiteral("印刷する印を選びます"));
    SirusiCombo->hide();

    auto* top = new QHBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{PageLabel, UpDown1, ChokBox, SirusiCombo, BitBtn2, BitBtn4,
                                                      BitBtn3, CloseBtn, RadioGroup1, GroupBox1})
        top->addWidget(w);
    top->addStretch();

    PrevX1 = new TPrevX(printer);
    ScrollBox1 = new QScrollArea;
    ScrollBox1->setWidget(PrevX1);
    CheckListBox1 = new QListWidget;
    CheckListBox1->setObjectName(QStringLiteral("CheckListBox1"));
    CheckListBox1->setFont(gothicFont(12));
    auto* splitter = new QSplitter;
    splitter->addWidget(ScrollBox1);
    splitter->addWidget(CheckListBox1);
    splitter->setStretchFactor(0, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(splitter, 1);

    connect(ZoomButtons, &QButtonGroup::idClicked, this, &TAllPrintForm::RadioGroup1Click);
    connect(UpDown1, &QSpinBox::valueChanged, this, &TAllPrintForm::UpDown1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TAllPrintForm::BitBtn2Click);
    connect(BitBtn4, &QPushButton::clicked, this, &TAllPrintForm::BitBtn4Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TAllPrintForm::BitBtn3Click);
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(SpeedButton1, &QToolButton::clicked, this, &TAllPrintForm::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TAllPrintForm::SpeedButton2Click);
    connect(ChokBox, &QComboBox::activated, this, &TAllPrintForm::ChokBoxChange);
    connect(SirusiCombo, &QComboBox::activated, this, &TAllPrintForm::SirusiComboChange);
    FormCreate(day);
}

TAllPrintForm::~TAllPrintForm() = default;

void TAllPrintForm::FormCreate(const RaceDay& day) {
    const WindowPlacement place = readSetting(IniGT1, kPlacement);
    move(place.left, place.top);
    resize(place.width, place.height);
    const int item = readSetting(IniGT1, kZoom);
    ZoomButtons->button(item)->setChecked(true);
    RadioGroup1Click(item);

    for (const TRaceRec& race : day.RaceTbl) {
        if (race.RacePresent != 1) continue;
        const QString course = courseOfKey(race.RaceKey);
        auto* entry = new QListWidgetItem(course + toQString(RaceKey(race.RaceKey).raceNumber()) + QStringLiteral("R"));
        entry->setFlags(entry->flags() | Qt::ItemIsUserCheckable);
        entry->setCheckState(Qt::Unchecked);
        CheckListBox1->addItem(entry);
        if (!courseNames_.contains(course)) courseNames_.append(course);
    }
    courseNames_.sort();
    selectAllClicks_ = 0;
}

void TAllPrintForm::recordDocument(const print::PrintDocument& doc) {
    PrevX1->StartDoc();
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        if (p > 0) PrevX1->NewPage();
        PrevX1->PageCanvas() = doc.pages[p];
    }
    PrevX1->EndDoc();
    setWindowTitle(QString::fromStdString(doc.caption));
    PrevX1->Title = windowTitle();
}

void TAllPrintForm::showRacePages() {
    UpDown1->setRange(1, PrevX1->PageCount());
    UpDown1->setValue(1);
    UpDown1->show();
}

void TAllPrintForm::showTrainerPages(const std::vector<SjisString>& trainerItems) {
    ChokBox->clear();
    for (const SjisString& item : trainerItems) ChokBox->addItem(toQString(item));
    UpDown1->setRange(1, PrevX1->PageCount());
    for (QWidget* w : std::initializer_list<QWidget*>{CheckListBox1, BitBtn4, PageLabel, UpDown1, GroupBox1}) w->hide();
    ChokBox->show();
    ChokBox->setCurrentIndex(0);
    ChokBoxChange();
}

void TAllPrintForm::showUserMarkSets(const QStringList& setNames, RemakeWithMarks remake) {
    remake_ = std::move(remake);
    SirusiCombo->clear();
    SirusiCombo->addItem(QStringLiteral("印なし"));
    SirusiCombo->addItems(setNames);
    SirusiCombo->setCurrentIndex(0);
    SirusiCombo->show();
}

void TAllPrintForm::SirusiComboChange() {
    if (!remake_ || SirusiCombo->currentIndex() < 0) return;
    const int shown = UpDown1->value();
    const int set = SirusiCombo->currentIndex();
    recordDocument(remake_(set > 0 ? std::optional(set) : std::nullopt));
    PrevX1->SetCurrentPage(shown);
}

void TAllPrintForm::RadioGroup1Click(int item) {
    if (item < 0 || item > 3) return;
    PrevX1->SetZoomScale(kZooms[item]);
    writeSetting(IniGT1, kZoom, item);
}

void TAllPrintForm::UpDown1Click() { PrevX1->SetCurrentPage(UpDown1->value()); }

void TAllPrintForm::BitBtn2Click() {
    PrevX1->SetPrintFrom(UpDown1->value());
    PrevX1->SetPrintTo(UpDown1->value());
    PrevX1->PrintPages();
}

void TAllPrintForm::BitBtn3Click() {
    QPageSetupDialog dialog(&PrevX1->printer(), this);
    dialog.exec();
    PrevX1->UpdateMetrics();
}

void TAllPrintForm::BitBtn4Click() {
    for (int k = 0; k < CheckListBox1->count(); ++k) {
        if (CheckListBox1->item(k)->checkState() != Qt::Checked) continue;
        PrevX1->SetPrintFrom(k + 1);
        PrevX1->SetPrintTo(k + 1);
        PrevX1->PrintPages();
    }
}

void TAllPrintForm::SpeedButton1Click() {
    const int c = selectAllClicks_;
    for (int k = 0; k < CheckListBox1->count(); ++k) {
        QListWidgetItem* item = CheckListBox1->item(k);
        const bool checked = c == 0 || (c <= 3 && item->text().left(2) == courseNames_.value(c - 1));
        item->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    selectAllClicks_ = c + 1 > courseNames_.size() ? 0 : c + 1;
}

void TAllPrintForm::SpeedButton2Click() {
    for (int k = 0; k < CheckListBox1->count(); ++k) CheckListBox1->item(k)->setCheckState(Qt::Unchecked);
}

void TAllPrintForm::ChokBoxChange() {
    PrevX1->SetCurrentPage(ChokBox->currentIndex() + 1);
    UpDown1->setValue(PrevX1->CurrentPage());
}

void TAllPrintForm::done(int result) {
    if (!closed_) {
        closed_ = true;
        FormCloseQuery();
        FormClose();
    }
    QDialog::done(result);
}

void TAllPrintForm::FormCloseQuery() { writeSetting(IniGT1, kPlacement, {x(), y(), width(), height()}); }

void TAllPrintForm::FormClose() { PrevX1->SetPaper(); }

}  // namespace vantor::ui
