// The main window's update of the analysis database (export/analysis_db.h)
// after its writers: the acquisition dialog once it closed, the results
// fetch, the odds import. Nothing new costs a moment and shows nothing; a
// first build or a rebuild reads every store file, under a progress box
// that keeps the window alive.

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "components/message_box.h"
#include "export/analysis_db.h"
#include "fileio/writer_lock.h"
#include "shell/main_form.h"
#include "shell/prgrs_form.h"
#include "usermarks/user_marks_export.h"

namespace vantor {

bool TMainForm::updateAnalysisDb() {
    using Status = sqlexport::AnalysisDbUpdate::Status;
    const UserMarksExportSource marks(AppDir);
    std::unique_ptr<TPrgrsForm> box;
    const auto update = sqlexport::updateAnalysisDb(StorePaths(AppDir), {&marks}, [this, &box](int done, int total) {
        if (!box) {
            box = std::make_unique<TPrgrsForm>(this);
            box->HeadingLabel->setText(QStringLiteral("分析用データベースを更新しています"));
            box->showCentred();
        }
        box->ProgressBar1->setMaximum(total);
        box->ProgressBar1->setValue(done);
        box->StatusLabel->setText(QStringLiteral("%1 / %2").arg(done).arg(total));
        QCoreApplication::processEvents();
    }, [] { QCoreApplication::processEvents(); });
    box.reset();
    const QString problem = QString::fromStdString(update.problem);
    if (update.status == Status::rebuilt)
        ui::showInfo(this, QStringLiteral("分析用データベースが使えない状態だったため、作り直しました。\n") + problem);
    if (update.status == Status::failed) {
        ui::showInfo(this, QStringLiteral("分析用データベースを更新できませんでした。\n") + problem);
        return false;
    }
    return true;
}

bool TMainForm::ensureAnalysisDb() {
    if (auto lock = WriterLock::take(AppDir, "vantor 分析", false); std::holds_alternative<WriterLock>(lock))
        return updateAnalysisDb();
    if (std::filesystem::exists(sqlexport::analysisDbPath(AppDir))) return true;
    ui::showInfo(this, QStringLiteral("分析用データベースがまだありません。データの取得が終わってから開いてください。"));
    return false;
}

}  // namespace vantor
