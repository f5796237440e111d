#include "shell/analysis_db_box.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <memory>

#include "shell/prgrs_form.h"
#include "usermarks/user_marks_export.h"

namespace vantor {

sqlexport::AnalysisDbUpdate updateAnalysisDbShown(const std::filesystem::path& appDir, QWidget* parent,
                                                  TPrgrsForm* box) {
    const UserMarksExportSource marks(appDir);
    std::unique_ptr<TPrgrsForm> own;
    const QString heading = std::filesystem::exists(sqlexport::analysisDbPath(appDir))
                                ? QStringLiteral("分析用データベースを更新しています")
                                : QStringLiteral("分析用データベースを作成しています");
    if (box) box->HeadingLabel->setText(heading);
    const auto progress = [&](int done, int total) {
        if (!box) {
            own = std::make_unique<TPrgrsForm>(parent);
            box = own.get();
            box->HeadingLabel->setText(heading);
            box->showCentred();
        }
        box->ProgressBar1->setMaximum(total);
        box->ProgressBar1->setValue(done);
        box->StatusLabel->setText(QStringLiteral("%1 / %2").arg(done).arg(total));
        QCoreApplication::processEvents();
    };
    return sqlexport::updateAnalysisDb(StorePaths(appDir), {&marks}, progress,
                                       [] { QCoreApplication::processEvents(); });
}

std::string analysisDbMessage(const sqlexport::AnalysisDbUpdate& update) {
    using Status = sqlexport::AnalysisDbUpdate::Status;
    if (update.status == Status::rebuilt)
        return "分析用データベースが使えない状態だったため、作り直しました。\n" + update.problem;
    if (update.status == Status::failed) return "分析用データベースを更新できませんでした。\n" + update.problem;
    return {};
}

}  // namespace vantor
