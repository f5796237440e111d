#pragma once
// The acquisition dialog "ＪＶデータ取込": downloads and reads "RACEDIFN"
// through JV-Link from a chosen start point and files every record into
// the store, showing download and read progress and what was filed.

#include <QDialog>
#include <QElapsedTimer>
#include <filesystem>
#include <functional>
#include <memory>

#include "jvlink/acquisition.h"
#include "settings/ini_gt.h"
#include "store/store_paths.h"

class QDateTimeEdit;
class QLabel;
class QListView;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolButton;

namespace vantor {

class FiledLinesModel;
class JVLink;

class TGetDataForm : public QDialog {
    Q_OBJECT
public:
    TGetDataForm(QWidget* parent, JVLink& link, const std::filesystem::path& appDir);
    ~TGetDataForm() override;

    void SpeedButton1Click();
    void ButtonStartClick();
    void ButtonCancelClick();
    void TimerJVStatusTimer();

    // Esc and the window's close button: refused while an acquisition runs,
    // which only its own cancel button stops.
    void reject() override;

    // For tests: the widgets whose state the steps set.
    QLabel* progressLabel() const { return ProgressLabel; }
    QProgressBar* downloadBar() const { return ProgressBar1; }
    QProgressBar* readBar() const { return ProgressBar2; }
    QListView* listBox() const { return ListBox1; }
    QRadioButton* setupButton() const { return rbtSetup; }
    QRadioButton* normalButton() const { return rbtNormal; }
    QDateTimeEdit* datePicker() const { return DateTimePicker1; }
    QLabel* startPointLabel() const { return Label5; }
    QTimer* statusTimer() const { return TimerJVStatus; }

private:
    void buildLayout();
    Acquisition::Ui makeUi();
    // The read loop's pump: shows the lines filed since the last turn and
    // processes window events, once per frame rather than once per record.
    void pumpOnBudget();
    void readAndClose();
    void CloseLink();
    void setRunning(bool running);

    JVLink& link_;
    TIniGT IniGT1;
    StorePaths paths_;
    std::unique_ptr<Acquisition> acquisition_;
    bool running_ = false;              // from the start until the link is closed
    FiledLinesModel* lines_ = nullptr;  // ListBox1's lines
    QElapsedTimer sincePump_;

    QPushButton* ButtonStart = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QRadioButton* rbtNormal = nullptr;
    QRadioButton* rbtSetup = nullptr;
    QLabel* ProgressLabel = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QProgressBar* ProgressBar2 = nullptr;
    QListView* ListBox1 = nullptr;
    QDateTimeEdit* DateTimePicker1 = nullptr;
    QLabel* Label5 = nullptr;
    QTimer* TimerJVStatus = nullptr;
};

// Shows the dialog modally; returns when the user closes it, after
// afterClose ran with the folder still locked (what follows from the
// store's change). The caller rebuilds its day list afterwards.
void runAcquisitionDialog(QWidget* parent, JVLink& link, const std::filesystem::path& appDir,
                          const std::function<void()>& afterClose = {});

}  // namespace vantor
