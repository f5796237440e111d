#pragma once
// TStatsForm: "成績集計", the record of a jockey, trainer, owner or sire,
// or of the user's marks of one set, over the stored races a filter
// admits: a table of the figures broken down by one dimension, sortable by
// a click on a column's heading and copied by its button, and a bar chart
// of one figure per row. Every figure comes from the analysis database
// (the marks from the marks file as it stands at each refresh); the form
// only applies what the core computes.

#include <QDialog>
#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "stats/marks_record.h"
#include "stats/person_record.h"
#include "stats/record_figures.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QToolButton;

namespace vantor {

class BarChartView;

namespace ui {
class TSpeedButton;
class TStringGrid;
}  // namespace ui

class TStatsForm : public QDialog {
    Q_OBJECT
public:
    // The records of db; the marks of appDir's marks file. The period starts
    // as the twelve months up to the newest stored race day.
    TStatsForm(std::filesystem::path appDir, stats::StatsDb db, QWidget* parent = nullptr);
    ~TStatsForm() override;

    // The race whose racecourse, surface and distance SameCourseBtn sets (a
    // 16-digit race key); empty for none, and the button is off.
    void setChosenRace(const std::string& raceKey);
    // The subject of kind codeOrName names (a code or a name; several of a
    // name fill SubjectCombo to choose from), its record shown.
    void presetSubject(stats::SubjectKind kind, SjisView codeOrName);
    // SameCourseBtn on or off, the fields it stands for disabled while on.
    void setSameCourse(bool on);
    // The record of what the form's fields choose, again from the database.
    void showRecord();

    // Items "騎手", "調教師", "馬主", "種牡馬", "印".
    QComboBox* KindCombo;
    QLineEdit* NameEdit;        // a name or code to find
    ui::TSpeedButton* FindBtn;  // "検索"
    QComboBox* SubjectCombo;    // the subjects found, or for 印 the mark sets
    QDateEdit* FromDate;
    QDateEdit* ToDate;
    QComboBox* CourseCombo;      // "全場", then the JRA racecourses
    QComboBox* SurfaceCombo;     // "全て", "芝", "ダ", "障"
    QComboBox* DistanceCombo;    // "全距離", then the distance bands
    QComboBox* GoingCombo;       // "全て", then the goings
    QComboBox* ClassCombo;       // "全クラス", then the classes stored
    QToolButton* SameCourseBtn;  // "同コース・同距離": the chosen race's, over the three above
    QComboBox* ByCombo;          // the breakdown's dimension
    QComboBox* FigureCombo;      // the figure the chart draws: the table's figure columns
    QLabel* TitleLabel;          // the record's title, or why there is none
    ui::TStringGrid* Grid;
    ui::TSpeedButton* CopyBtn;
    BarChartView* Chart;

private:
    void KindComboChange();
    void FindBtnClick();
    void SameCourseBtnClick();
    void GridHeaderClick(int col);
    void CopyBtnClick();
    bool marksChosen() const;
    // The filter of the fields; none when the chosen race is not stored.
    std::optional<stats::RecordFilter> filter();
    // The set names as the marks file has them (null: it cannot be read);
    // the default names without one.
    void fillMarkSets(const std::optional<UserMarksFile>* marks);
    // The table and the chart of the record computed last, in the chosen order.
    void applyRecord();
    void clearRecord(const QString& why);

    std::filesystem::path appDir_;
    stats::StatsDb db_;
    std::string raceKey_;
    std::vector<stats::Subject> subjects_;
    std::vector<stats::RaceClass> classes_;
    std::variant<std::monostate, stats::PersonRecord, stats::MarksRecord> record_;
    int sortColumn_ = 0;  // 0: the dimension's order; else the figure column sorted by
    bool descending_ = true;
};

}  // namespace vantor
