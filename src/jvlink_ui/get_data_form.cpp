#include "jvlink_ui/get_data_form.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "codes/jv_result_message.h"
#include "components/message_box.h"
#include "components/writer_lock_box.h"
#include "jvlink/jvlink.h"
#include "jvlink_ui/filed_lines_model.h"
#include "settings/last_time.h"
#include "settings/program_settings.h"
#include "text/qt_text.h"

namespace vantor {
namespace {

const QString kTimeFormat = QStringLiteral("yyyy/MM/dd HH:mm:ss");
// Window events are processed at this pace while records are read: often
// enough for a smooth window and a prompt cancel, rarely enough that the
// window costs little beside the filing.
constexpr qint64 kPumpIntervalMs = 15;

}  // namespace

TGetDataForm::TGetDataForm(QWidget* parent, JVLink& link, const std::filesystem::path& appDir)
    : QDialog(parent), link_(link), IniGT1(programSettings()), paths_(appDir) {
    buildLayout();
    acquisition_ = std::make_unique<Acquisition>(link_, paths_, makeUi());

    // The kind of data and the start point come from the last completed read.
    const SjisString lastTime = readLastTime(IniGT1);
    if (lastTime.empty()) rbtSetup->setChecked(true);
    const QDateTime start = lastTime.empty() ? QDateTime::currentDateTime().addDays(-180)
                                             : QDateTime::fromString(toQString(lastTime), kTimeFormat);
    DateTimePicker1->setDateTime(start);
    Label5->setText(DateTimePicker1->dateTime().toString(kTimeFormat));
}

TGetDataForm::~TGetDataForm() = default;

void TGetDataForm::buildLayout() {
    setWindowTitle(QStringLiteral("ＪＶデータ取込"));
    setFixedSize(411, 422);
    auto* grid = new QGridLayout(this);

    ButtonStart = new QPushButton(QStringLiteral("データ取込み開始"), this);
    ButtonCancel = new QPushButton(QStringLiteral("データ取込み中止"), this);
    SpeedButton1 = new QToolButton(this);
    SpeedButton1->setText(QStringLiteral("JVLink設定"));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setToolTip(QStringLiteral("JRA-VAN　Data Lab.のサービスキーやデータ保存場所の設定をします"));
    grid->addWidget(ButtonStart, 0, 0);
    grid->addWidget(ButtonCancel, 0, 1);
    grid->addWidget(SpeedButton1, 0, 2);

    auto* group = new QGroupBox(QStringLiteral("取得データ"), this);
    auto* groupLayout = new QVBoxLayout(group);
    rbtNormal = new QRadioButton(QStringLiteral("通常データ"), group);
    rbtSetup = new QRadioButton(QStringLiteral("セットアップデータ"), group);
    rbtNormal->setChecked(true);
    groupLayout->addWidget(rbtNormal);
    groupLayout->addWidget(rbtSetup);
    grid->addWidget(group, 1, 0, 2, 1);

    grid->addWidget(new QLabel(QStringLiteral("取得開始日付"), this), 1, 1, 1, 2);
    DateTimePicker1 = new QDateTimeEdit(this);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy年M月d日"));  // the long date form
    DateTimePicker1->setCalendarPopup(true);
    grid->addWidget(DateTimePicker1, 2, 1, 1, 2);
    Label5 = new QLabel(this);
    Label5->hide();

    ProgressLabel = new QLabel(this);
    QFont bold = ProgressLabel->font();
    bold.setBold(true);
    ProgressLabel->setFont(bold);
    ProgressLabel->setStyleSheet(QStringLiteral("color: rgb(0,0,255);"));
    ProgressLabel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    grid->addWidget(ProgressLabel, 3, 0, 1, 3);

    grid->addWidget(new QLabel(QStringLiteral("ダウンロード"), this), 4, 0);
    ProgressBar1 = new QProgressBar(this);
    grid->addWidget(ProgressBar1, 4, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("読込み"), this), 5, 0);
    ProgressBar2 = new QProgressBar(this);
    grid->addWidget(ProgressBar2, 5, 1, 1, 2);

    grid->addWidget(new QLabel(QStringLiteral("作成済みデータ"), this), 6, 0, 1, 3);
    ListBox1 = new QListView(this);
    ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    // A set-up's lines run into millions: one line height for all keeps each
    // addition from measuring every line again.
    ListBox1->setUniformItemSizes(true);
    lines_ = new FiledLinesModel(ListBox1);
    ListBox1->setModel(lines_);
    grid->addWidget(ListBox1, 7, 0, 1, 3);
    grid->setRowStretch(7, 1);

    TimerJVStatus = new QTimer(this);
    TimerJVStatus->setInterval(10);

    connect(ButtonStart, &QPushButton::clicked, this, &TGetDataForm::ButtonStartClick);
    connect(ButtonCancel, &QPushButton::clicked, this, &TGetDataForm::ButtonCancelClick);
    connect(SpeedButton1, &QToolButton::clicked, this, &TGetDataForm::SpeedButton1Click);
    connect(TimerJVStatus, &QTimer::timeout, this, &TGetDataForm::TimerJVStatusTimer);
}

Acquisition::Ui TGetDataForm::makeUi() {
    Acquisition::Ui ui;
    // A new status text or bar position is shown at once: they change once
    // per delivered file at most.
    ui.status = [this](const SjisString& s) {
        ProgressLabel->setText(toQString(s));
        sincePump_.invalidate();
    };
    ui.downloadBar = [this](int pos, int max) {
        ProgressBar1->setMaximum(max);
        ProgressBar1->setValue(pos);
    };
    ui.readBar = [this](int pos, int max) {
        ProgressBar2->setMaximum(max);
        ProgressBar2->setValue(pos);
        sincePump_.invalidate();
    };
    ui.addLine = [this](const SjisString& s) { lines_->append(s); };
    ui.clearLines = [this] { lines_->clear(); };
    ui.report = [this](const SjisString& s) {
        lines_->showAppended();
        ui::showInfo(this, toQString(s));
    };
    ui.beep = [] { ui::beep(); };
    ui.pump = [this] { pumpOnBudget(); };
    ui.storeLastTime = [this](const SjisString& s) {
        if (!storeLastTime(IniGT1, s)) return false;
        DateTimePicker1->setDateTime(QDateTime::fromString(toQString(s), kTimeFormat));
        Label5->setText(DateTimePicker1->dateTime().toString(kTimeFormat));
        return true;
    };
    return ui;
}

void TGetDataForm::pumpOnBudget() {
    if (sincePump_.isValid() && sincePump_.elapsed() < kPumpIntervalMs) return;
    lines_->showAppended();
    QCoreApplication::processEvents();
    sincePump_.start();
}

void TGetDataForm::SpeedButton1Click() {
    const int r = link_.JVSetUIProperties();
    if (r == 0) return;
    QString message = QStringLiteral("JVSetUIPropertiesエラー：") + toQString(JVResultMessage("JVSetUIProperties", r));
    if (const std::string problem = link_.sourceProblem(); !problem.empty())
        message += QStringLiteral("\n") + QString::fromStdString(problem);
    ui::showInfo(this, message);
}

void TGetDataForm::ButtonStartClick() {
    const QDateTime start = DateTimePicker1->dateTime();
    ui::showInfoQuiet(this,
                      start.toString(QStringLiteral("yyyy年MM月dd日HH時mm分ss秒")) +
                          QStringLiteral("以降のデータ取込を開始します。データ作成が終了するまで本ソフトを操作したり"
                                         "他のアプリケーションを操作することは極力避けてください。"));
    TimerJVStatus->stop();
    const int option = rbtNormal->isChecked() ? jv::kOptionNormal : jv::kOptionSetup;
    setCursor(Qt::BusyCursor);
    setRunning(true);
    switch (acquisition_->start(fromQString(start.toString(QStringLiteral("yyyyMMddHHmmss"))), option)) {
        case Acquisition::Next::close:
            CloseLink();
            break;
        case Acquisition::Next::poll:
            TimerJVStatus->start();
            break;
        case Acquisition::Next::read:
            readAndClose();
            break;
    }
}

void TGetDataForm::TimerJVStatusTimer() {
    switch (acquisition_->poll()) {
        case Acquisition::Next::poll:
            break;
        case Acquisition::Next::close:
            TimerJVStatus->stop();
            CloseLink();
            break;
        case Acquisition::Next::read:
            TimerJVStatus->stop();
            readAndClose();
            break;
    }
}

void TGetDataForm::readAndClose() {
    sincePump_.invalidate();
    acquisition_->readAll();
    lines_->showAppended();
    CloseLink();
}

void TGetDataForm::CloseLink() {
    acquisition_->closeLink();
    unsetCursor();
    setRunning(false);
}

void TGetDataForm::setRunning(bool running) {
    running_ = running;
    // A JV-Link that keeps the window going while it waits (under Wine) must
    // not be asked to start again or to change its settings meanwhile.
    ButtonStart->setEnabled(!running);
    SpeedButton1->setEnabled(!running);
}

void TGetDataForm::reject() {
    // Closing would hide the dialog while the read goes on behind it.
    if (!running_) QDialog::reject();
}

void TGetDataForm::ButtonCancelClick() {
    if (!ui::askYesNo(this, QStringLiteral("データ取込を中止します。実行しますか？"))) return;
    TimerJVStatus->stop();
    // A cancelled download closes the link at once; a read closes it when it stops.
    if (acquisition_->downloading()) setRunning(false);
    acquisition_->cancel();
    if (!acquisition_->downloading()) unsetCursor();
}

void runAcquisitionDialog(QWidget* parent, JVLink& link, const std::filesystem::path& appDir,
                          const std::function<void()>& afterClose) {
    const auto lock = ui::takeWriterLock(parent, appDir, "vantor ＪＶデータ取得");
    if (!lock) return;
    {
        TGetDataForm dialog(parent, link, appDir);
        dialog.exec();
    }
    if (afterClose) afterClose();
}

}  // namespace vantor
