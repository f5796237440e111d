// The main window's update of the analysis database (export/analysis_db.h)
// after its writers: the acquisition dialog once it closed, the results
// fetch, the odds import, the 速報 switch's steps; and before its record
// views read it.

#include "components/message_box.h"
#include "export/analysis_db.h"
#include "fileio/writer_lock.h"
#include "shell/analysis_db_box.h"
#include "shell/main_form.h"

namespace vantor {

bool TMainForm::updateAnalysisDb() {
    const auto update = updateAnalysisDbShown(AppDir, this);
    if (const std::string message = analysisDbMessage(update); !message.empty())
        ui::showInfo(this, QString::fromStdString(message));
    return update.status != sqlexport::AnalysisDbUpdate::Status::failed;
}

bool TMainForm::ensureAnalysisDb() {
    if (auto lock = WriterLock::take(AppDir, "vantor 分析", false); std::holds_alternative<WriterLock>(lock))
        return updateAnalysisDb();
    if (std::filesystem::exists(sqlexport::analysisDbPath(AppDir))) return true;
    ui::showInfo(this,
                 QStringLiteral("分析用データベースがまだありません。データの取得が終わってから開いてください。"));
    return false;
}

}  // namespace vantor
