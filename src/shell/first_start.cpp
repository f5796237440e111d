#include "shell/first_start.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QThread>

#include "jvlink/acquisition.h"
#include "jvlink/jvlink.h"
#include "jvlink/jvlink_startup.h"
#include "settings/ini_gt.h"
#include "settings/last_time.h"
#include "shell/analysis_db_box.h"
#include "shell/prgrs_form.h"
#include "text/encoding.h"
#include "text/formatted.h"
#include "text/qt_text.h"

namespace vantor {
namespace {

constexpr qint64 kPumpIntervalMs = 30;
constexpr unsigned long kDownloadPollMs = 10;  // the acquisition dialog's timer

}  // namespace

std::string fileGeneratedDemo(JVLink& link, const std::filesystem::path& appDir, TIniGT& ini, int firstDate) {
    if (const int r = link.JVInit(jvLinkSid()); r != jv::kOk) return jvInitErrorText(r);
    TPrgrsForm box;
    box.HeadingLabel->setText(QStringLiteral("デモデータを登録しています"));
    box.showCentred();
    QElapsedTimer sincePump;
    std::string problem;

    Acquisition::Ui ui;
    ui.status = [&box](const SjisString& s) { box.StatusLabel->setText(toQString(s)); };
    // One bar: the download's, then the read's.
    ui.downloadBar = ui.readBar = [&box](int pos, int max) {
        box.ProgressBar1->setMaximum(max);
        box.ProgressBar1->setValue(pos);
    };
    // The list lines say why a read ended early; kept for that case.
    std::string lines;
    ui.addLine = [&lines](const SjisString& s) { lines += cp932ToUtf8(s) + '\n'; };
    ui.clearLines = [] {};
    ui.report = [&problem](const SjisString& s) { problem = cp932ToUtf8(s); };
    ui.beep = [] {};
    ui.pump = [&sincePump] {
        if (sincePump.isValid() && sincePump.elapsed() < kPumpIntervalMs) return;
        QCoreApplication::processEvents();
        sincePump.start();
    };
    ui.storeLastTime = [&ini](const SjisString& s) { return storeLastTime(ini, s); };

    Acquisition acquisition(link, StorePaths(appDir), ui);
    auto next = acquisition.start(formatted("%d000000", firstDate), jv::kOptionSetup);
    while (next == Acquisition::Next::poll) {
        ui.pump();
        QThread::msleep(kDownloadPollMs);
        next = acquisition.poll();
    }
    if (next == Acquisition::Next::read) acquisition.readAll();
    acquisition.closeLink();
    std::string said = acquisition.failed() ? problem : acquisition.incomplete() ? lines : std::string();
    // What was filed goes into the analysis database in the same box, so
    // that the first career or record view opens at once.
    if (const std::string message = analysisDbMessage(updateAnalysisDbShown(appDir, nullptr, &box)); !message.empty())
        said += (said.empty() || said.ends_with('\n') ? "" : "\n") + message;
    return said;
}

}  // namespace vantor
