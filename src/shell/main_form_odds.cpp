// The main window's predicted-odds commands: importing an odds archive
// (YozBtnClick) and choosing the folder the archives are looked for in
// (yosohaitomenuClick). The import itself is the core's.

#include "components/file_chooser.h"
#include "components/message_box.h"
#include "components/writer_lock_box.h"
#include "odds/odds_import.h"
#include "settings/odds_folder.h"
#include "shell/main_form.h"
#include "text/qt_text.h"

namespace vantor {

void TMainForm::YozBtnClick() {
    const auto chosen =
        ui::chooseFile(this, QStringLiteral("開く"), QString::fromStdString(oddsArchiveFolder(IniGT1, AppDir).string()),
                       QStringLiteral("KOLｵｯｽﾞ（j*.lzh）,JRDBｵｯｽﾞ(OZ*.lzh) (j*.lzh OZ*.lzh)"));
    if (!chosen) return;

    const std::filesystem::path archive = chosen->toStdString();
    auto lock = ui::takeWriterLock(this, AppDir, "vantor 予想配当");
    if (!lock) return;
    const OddsImportOutcome outcome = importPredictedOdds(archive, StorePaths(AppDir), Day->Over2005 != 0);
    if (outcome.status == OddsImportOutcome::Status::saved) updateAnalysisDb();
    lock.reset();
    for (const OddsImportMessage& message : outcome.messages) {
        if (message.error)
            ui::showInfo(this, toQString(message.text));
        else
            ui::showInfoQuiet(this, toQString(message.text));
    }
}

void TMainForm::yosohaitomenuClick() {
    const auto folder = ui::chooseFolder(this, QStringLiteral("単勝予想配当ﾃﾞｰﾀﾌｫﾙﾀﾞの指定"), QString(),
                                         QString::fromStdString(oddsArchiveFolder(IniGT1, AppDir).string()));
    if (folder && !storeOddsArchiveFolder(IniGT1, folder->toStdString())) reportSettingsNotSaved();
}

}  // namespace vantor
