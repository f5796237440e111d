#pragma once
// TAllPrintForm: the print preview window. A print command records its
// document in PrevX1, prepares the page selection (the race pages'
// stepper and check list, or the trainer drop-down) and shows the window
// modally. The user steps through the pages at 25 to 100 %, prints the
// shown page, one job per checked race, or the chosen trainer's page.
// Position, size and zoom are kept in the settings file.

#include <QDialog>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "raceday/race_day.h"
#include "settings/ini_gt.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace vantor::print {
struct PrintDocument;
}

namespace vantor::ui {

class TPrevX;
class TSpeedButton;

class TAllPrintForm : public QDialog {
    Q_OBJECT
public:
    // The race check list lists the present races of day.
    TAllPrintForm(const RaceDay& day, QPrinter& printer, QWidget* parent = nullptr);
    ~TAllPrintForm() override;

    // Records the document's pages in PrevX1 and takes its caption.
    void recordDocument(const print::PrintDocument& doc);
    // Page selection for a race document: the stepper over all pages.
    void showRacePages();
    // Page selection for the trainer document: the trainer drop-down.
    void showTrainerPages(const std::vector<SjisString>& trainerItems);
    // The user-mark set a race document carries: SirusiCombo offers "印なし"
    // (the pages as without marks, chosen at first) and the sets by their
    // names; choosing one records the document `remake` gives for it again.
    using RemakeWithMarks = std::function<print::PrintDocument(std::optional<int> set)>;
    void showUserMarkSets(const QStringList& setNames, RemakeWithMarks remake);

    TIniGT IniGT1;
    TPrevX* PrevX1;
    QScrollArea* ScrollBox1;
    QLabel* PageLabel;  // "ﾍﾟｰｼﾞ選択"
    QSpinBox* UpDown1;
    QPushButton* BitBtn2;  // "表示ﾍﾟｰｼﾞ印刷(&P)"
    QPushButton* BitBtn4;  // "指定ﾍﾟｰｼﾞ印刷(&P)"
    QPushButton* BitBtn3;  // "ﾌﾟﾘﾝﾀ設定(&S)"
    QPushButton* CloseBtn;
    QGroupBox* RadioGroup1;  // "倍率"
    QButtonGroup* ZoomButtons;
    QGroupBox* GroupBox1;        // "選択指定"
    TSpeedButton* SpeedButton1;  // "全選択"
    TSpeedButton* SpeedButton2;  // "全ｸﾘｱ"
    QComboBox* ChokBox;
    QComboBox* SirusiCombo;  // the user-mark set printed, or none
    QListWidget* CheckListBox1;

    void RadioGroup1Click(int item);
    void UpDown1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void ChokBoxChange();
    void SirusiComboChange();

protected:
    // Closing by any way stores the placement and sets the paper back.
    void done(int result) override;

private:
    void FormCreate(const RaceDay& day);
    void FormCloseQuery();
    void FormClose();

    QStringList courseNames_;  // distinct racecourse names of the list, sorted
    RemakeWithMarks remake_;
    int selectAllClicks_ = 0;
    bool closed_ = false;
};

}  // namespace vantor::ui
