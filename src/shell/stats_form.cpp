#include "shell/stats_form.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableView>
#include <QVBoxLayout>

#include "codes/course_names.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "painting/fonts.h"
#include "shell/bar_chart_view.h"
#include "shell/grid_copy.h"
#include "shell/grid_setups.h"
#include "shell/sjis_items.h"
#include "stats/stats_tables.h"
#include "text/encoding.h"
#include "text/qt_text.h"

namespace vantor {
namespace {

using namespace stats;

constexpr int kMarksKind = 4;  // KindCombo's item "印"; items 0-3 are SubjectKind jockey to sire
constexpr int kWinRateColumn = 1 + static_cast<int>(Figure::winRate);

QDate dateOf(int yyyymmdd) { return QDate(yyyymmdd / 10000, yyyymmdd / 100 % 100, yyyymmdd % 100); }
int yyyymmdd(const QDate& date) { return date.year() * 10000 + date.month() * 100 + date.day(); }

QString utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QComboBox* combo(QWidget* parent, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->addItems(items);
    return box;
}

QLabel* caption(const char* text, QWidget* parent) { return new QLabel(QString::fromUtf8(text), parent); }

GridSetup recordGridSetup(const TextTable& table) {
    GridSetup setup;
    setup.colWidths.assign(table.headings.size(), 64);
    setup.colWidths.front() = 150;
    setup.headers = table.headings;
    // No fixed column: the table fits its dialog, and every heading sorts.
    setup.fixedCols = 0;
    setup.rowHeight = 18;
    setup.headerHeight = 18;
    setup.font = gothicFont(12);
    return setup;
}

// The labels and figures of a record: its breakdown rows and total.
const std::vector<RecordRow>& rowsOf(const std::variant<std::monostate, PersonRecord, MarksRecord>& record) {
    static const std::vector<RecordRow> none;
    if (const auto* person = std::get_if<PersonRecord>(&record)) return person->rows;
    if (const auto* marks = std::get_if<MarksRecord>(&record)) return marks->rows;
    return none;
}

}  // namespace

TStatsForm::TStatsForm(std::filesystem::path appDir, StatsDb db, QWidget* parent)
    : QDialog(parent), appDir_(std::move(appDir)), db_(std::move(db)) {
    setObjectName(QStringLiteral("StatsForm"));
    setWindowTitle(QStringLiteral("成績集計"));
    resize(900, 640);

    KindCombo = combo(this, {QStringLiteral("騎手"), QStringLiteral("調教師"), QStringLiteral("馬主"),
                             QStringLiteral("種牡馬"), QStringLiteral("印")});
    NameEdit = new QLineEdit(this);
    NameEdit->setPlaceholderText(QStringLiteral("名前またはコード"));
    FindBtn = new ui::TSpeedButton(QStringLiteral("検索"), this);
    SubjectCombo = new QComboBox(this);
    SubjectCombo->setMinimumContentsLength(16);

    // A database that fails here leaves the fields at their plainest; the
    // first record then says what failed.
    RecordFilter period;
    try {
        period = withDefaultPeriod(db_, {});
        classes_ = storedClasses(db_);
    } catch (const StatsError&) {
    }
    FromDate = new QDateEdit(period.from > 0 ? dateOf(period.from) : QDate::currentDate(), this);
    ToDate = new QDateEdit(period.to > 0 ? dateOf(period.to) : QDate::currentDate(), this);
    for (QDateEdit* edit : {FromDate, ToDate}) {
        edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        edit->setCalendarPopup(true);
    }
    CourseCombo = combo(this, {QStringLiteral("全場")});
    for (int code = 1; code <= 10; ++code) {
        const std::string digits = (code < 10 ? "0" : "") + std::to_string(code);
        CourseCombo->addItem(
            toQString(SjisString(trimBlanks(CourseName(sjisBytes(digits), 2).value_or(SjisString::fromBytes(digits))))),
            QString::fromStdString(digits));
    }
    SurfaceCombo = combo(this, {QStringLiteral("全て")});
    for (const Surface s : {Surface::turf, Surface::dirt, Surface::jump})
        SurfaceCombo->addItem(toQString(surfaceName(s)));
    DistanceCombo = combo(this, {QStringLiteral("全距離")});
    for (const Band& band : kDistanceBands) DistanceCombo->addItem(utf8(band.name));
    GoingCombo = combo(this, {QStringLiteral("全て")});
    for (int going = 1; going <= kGoingCount; ++going) GoingCombo->addItem(toQString(goingName(going)));
    ClassCombo = combo(this, {QStringLiteral("全クラス")});
    for (const RaceClass& c : classes_) ClassCombo->addItem(toQString(c.name));
    SameCourseBtn = new ui::TSpeedButton(QStringLiteral("同コース・同距離"), this);
    SameCourseBtn->setCheckable(true);
    SameCourseBtn->setEnabled(false);
    ByCombo = new QComboBox(this);
    for (std::size_t i = 0; i < kDimensionWords.size(); ++i)
        ByCombo->addItem(toQString(dimensionHeading(static_cast<Dimension>(i))));
    FigureCombo = new QComboBox(this);
    CopyBtn = new ui::TSpeedButton(QStringLiteral("ｺﾋﾟｰ"), this);
    TitleLabel = new QLabel(this);
    Grid = new ui::TStringGrid(this);
    Chart = new BarChartView(this);

    // The figure columns as the core names them, once, from a table without rows.
    const TextTable empty = recordTable(PersonRecord{{SubjectKind::jockey, {}, {}}, {}, Dimension::course, {}, {}});
    applyGridSetup(*Grid, recordGridSetup(empty));
    for (std::size_t c = 1; c < empty.headings.size(); ++c) FigureCombo->addItem(toQString(empty.headings[c]));
    FigureCombo->setCurrentIndex(kWinRateColumn - 1);

    auto* subjectRow = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{caption("対象", this), KindCombo, NameEdit, FindBtn, SubjectCombo})
        subjectRow->addWidget(w);
    subjectRow->addStretch();
    auto* filterRow = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{caption("期間", this), FromDate, caption("～", this), ToDate, CourseCombo,
                                         SurfaceCombo, DistanceCombo, GoingCombo, ClassCombo, SameCourseBtn})
        filterRow->addWidget(w);
    filterRow->addStretch();
    auto* viewRow = new QHBoxLayout;
    for (QWidget* w :
         std::initializer_list<QWidget*>{caption("内訳", this), ByCombo, caption("グラフ", this), FigureCombo, CopyBtn})
        viewRow->addWidget(w);
    viewRow->addStretch();
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(Grid);
    split->addWidget(Chart);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(subjectRow);
    layout->addLayout(filterRow);
    layout->addLayout(viewRow);
    layout->addWidget(TitleLabel);
    layout->addWidget(split, 1);

    connect(KindCombo, &QComboBox::activated, this, &TStatsForm::KindComboChange);
    connect(NameEdit, &QLineEdit::returnPressed, this, &TStatsForm::FindBtnClick);
    connect(FindBtn, &QToolButton::clicked, this, &TStatsForm::FindBtnClick);
    connect(SameCourseBtn, &QToolButton::clicked, this, &TStatsForm::SameCourseBtnClick);
    connect(CopyBtn, &QToolButton::clicked, this, &TStatsForm::CopyBtnClick);
    // The grid's headings take no clicks of their own; these sort.
    Grid->view().horizontalHeader()->setSectionsClickable(true);
    connect(Grid->view().horizontalHeader(), &QHeaderView::sectionClicked, this, &TStatsForm::GridHeaderClick);
    for (QComboBox* box : {SubjectCombo, CourseCombo, SurfaceCombo, DistanceCombo, GoingCombo, ClassCombo, ByCombo})
        connect(box, &QComboBox::activated, this, &TStatsForm::showRecord);
    for (QDateEdit* edit : {FromDate, ToDate})
        connect(edit, &QDateEdit::editingFinished, this, &TStatsForm::showRecord);
    connect(FigureCombo, &QComboBox::activated, this, &TStatsForm::applyRecord);
    clearRecord(QStringLiteral("名前またはコードを入れて検索してください"));
}

TStatsForm::~TStatsForm() = default;

void TStatsForm::setChosenRace(const std::string& raceKey) {
    raceKey_ = raceKey;
    SameCourseBtn->setEnabled(raceKey_.size() == 16);
    if (!SameCourseBtn->isEnabled()) setSameCourse(false);
}

void TStatsForm::presetSubject(SubjectKind kind, SjisView codeOrName) {
    KindCombo->setCurrentIndex(static_cast<int>(kind) - static_cast<int>(SubjectKind::jockey));
    KindComboChange();
    NameEdit->setText(toQString(SjisString(codeOrName)));
    FindBtnClick();
}

bool TStatsForm::marksChosen() const { return KindCombo->currentIndex() == kMarksKind; }

void TStatsForm::KindComboChange() {
    const bool marks = marksChosen();
    NameEdit->setEnabled(!marks);
    FindBtn->setEnabled(!marks);
    ByCombo->setEnabled(!marks);  // a mark set's record is broken down by mark
    subjects_.clear();
    SubjectCombo->clear();
    if (marks) {
        showRecord();
    } else {
        clearRecord(QStringLiteral("名前またはコードを入れて検索してください"));
    }
}

void TStatsForm::fillMarkSets(const std::optional<UserMarksFile>* marks) {
    const int chosen = std::max(0, SubjectCombo->currentIndex());
    const QSignalBlocker blocker(SubjectCombo);
    SubjectCombo->clear();
    for (int set = 1; set <= kUserMarkSets; ++set)
        SubjectCombo->addItem(utf8(marks && *marks ? (*marks)->setName(set) : defaultUserMarkSetName(set)));
    SubjectCombo->setCurrentIndex(chosen);
}

void TStatsForm::FindBtnClick() {
    if (marksChosen()) return;
    const auto kind = static_cast<SubjectKind>(KindCombo->currentIndex() + static_cast<int>(SubjectKind::jockey));
    try {
        subjects_ = findSubjects(db_, kind, fromQString(NameEdit->text().trimmed()));
    } catch (const StatsError& error) {
        subjects_.clear();
        SubjectCombo->clear();
        clearRecord(QStringLiteral("分析用データベースを読めませんでした。\n") + utf8(error.what()));
        return;
    }
    SubjectCombo->clear();
    for (const Subject& s : subjects_)
        SubjectCombo->addItem(toQString(s.name) + QStringLiteral(" (") + QString::fromStdString(s.code) +
                              QLatin1Char(')'));
    if (subjects_.empty()) {
        clearRecord(QStringLiteral("「%1」に当たる%2がありません").arg(NameEdit->text(), KindCombo->currentText()));
        return;
    }
    showRecord();
}

void TStatsForm::setSameCourse(bool on) {
    SameCourseBtn->setChecked(on && SameCourseBtn->isEnabled());
    for (QComboBox* box : {CourseCombo, SurfaceCombo, DistanceCombo}) box->setEnabled(!SameCourseBtn->isChecked());
}

void TStatsForm::SameCourseBtnClick() {
    setSameCourse(SameCourseBtn->isChecked());
    showRecord();
}

std::optional<RecordFilter> TStatsForm::filter() {
    RecordFilter f;
    f.from = yyyymmdd(FromDate->date());
    f.to = yyyymmdd(ToDate->date());
    if (SameCourseBtn->isChecked()) {
        const auto same = sameCourseAndDistance(db_, raceKey_, f);
        if (!same) return std::nullopt;
        f = *same;
    } else {
        f.course = CourseCombo->currentData().toString().toStdString();
        if (SurfaceCombo->currentIndex() > 0) f.surface = static_cast<Surface>(SurfaceCombo->currentIndex() - 1);
        if (DistanceCombo->currentIndex() > 0) {
            const Band& band = kDistanceBands[static_cast<std::size_t>(DistanceCombo->currentIndex() - 1)];
            f.minDistance = band.low;
            f.maxDistance = band.high;
        }
    }
    f.going = GoingCombo->currentIndex();
    if (ClassCombo->currentIndex() > 0)
        f.classCode = classes_[static_cast<std::size_t>(ClassCombo->currentIndex() - 1)].code;
    return f;
}

void TStatsForm::showRecord() {
    if (FromDate->date() > ToDate->date()) {
        clearRecord(QStringLiteral("期間の始めが終わりより後です"));
        return;
    }
    try {
        const auto admitted = filter();
        if (!admitted) {
            clearRecord(QStringLiteral("選んだレースが分析用データベースにありません"));
            return;
        }
        if (marksChosen()) {
            const auto file = readUserMarksFile(appDir_);
            fillMarkSets(std::get_if<std::optional<UserMarksFile>>(&file));
            if (const auto* problem = std::get_if<std::string>(&file)) {
                clearRecord(utf8(*problem));
                return;
            }
            record_ = marksRecord(db_, std::get<std::optional<UserMarksFile>>(file), SubjectCombo->currentIndex() + 1,
                                  *admitted);
        } else {
            const int chosen = SubjectCombo->currentIndex();
            if (chosen < 0 || chosen >= static_cast<int>(subjects_.size())) return;
            record_ = personRecord(db_, subjects_[static_cast<std::size_t>(chosen)], *admitted,
                                   static_cast<Dimension>(ByCombo->currentIndex()));
        }
    } catch (const StatsError& error) {
        clearRecord(QStringLiteral("分析用データベースを読めませんでした。\n") + utf8(error.what()));
        return;
    }
    applyRecord();
}

void TStatsForm::applyRecord() {
    if (std::holds_alternative<std::monostate>(record_)) return;
    std::vector<RecordRow> rows = rowsOf(record_);
    if (sortColumn_ > 0) sortRows(rows, static_cast<Figure>(sortColumn_ - 1), descending_);
    TextTable table;
    if (auto* person = std::get_if<PersonRecord>(&record_)) {
        PersonRecord sorted = *person;
        sorted.rows = rows;
        table = recordTable(sorted);
    } else {
        MarksRecord sorted = std::get<MarksRecord>(record_);
        sorted.rows = rows;
        table = marksTable(sorted);
    }
    setSjisText(*TitleLabel, table.title);
    Grid->setCell(0, 0, table.headings.front());
    Grid->setRowCount(static_cast<int>(table.rows.size()) + 1);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c)
            Grid->setCell(static_cast<int>(c), static_cast<int>(r) + 1, table.rows[r][c]);

    // The chart: the breakdown's rows (not the total) in the table's order.
    const int column = FigureCombo->currentIndex() + 1;
    views::BarChartInput chart;
    chart.title = table.headings[static_cast<std::size_t>(column)] + " " + table.title;
    for (std::size_t r = 0; r < rows.size(); ++r)
        chart.rows.push_back({rows[r].label, figureValue(rows[r].tally, static_cast<Figure>(column - 1)),
                              table.rows[r][static_cast<std::size_t>(column)]});
    Chart->setChart(std::move(chart));
}

void TStatsForm::clearRecord(const QString& why) {
    record_ = std::monostate{};
    setSjisText(*TitleLabel, fromQString(why));
    Grid->setRowCount(2);
    for (int c = 0; c < Grid->colCount(); ++c) Grid->setCell(c, 1, {});
    Chart->setChart({});
}

void TStatsForm::GridHeaderClick(int col) {
    if (col == sortColumn_ && col > 0) {
        descending_ = !descending_;
    } else {
        sortColumn_ = col;
        descending_ = true;
    }
    applyRecord();
}

void TStatsForm::CopyBtnClick() { copyGrid(*Grid, labelSjis(*TitleLabel)); }

}  // namespace vantor
