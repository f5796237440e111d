// The main window's export of the store into an SQLite file
// (SqlExportItemClick): the file chosen, a progress box while the core
// exports, and the export's own messages.

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStringList>

#include "components/file_chooser.h"
#include "components/message_box.h"
#include "export/export_messages.h"
#include "export/sqlite_sink.h"
#include "shell/main_form.h"
#include "shell/prgrs_form.h"

namespace vantor {

void TMainForm::SqlExportItemClick() {
    using namespace sqlexport;
    const auto chosen = ui::chooseSaveFile(this, QStringLiteral("SQLiteへ書き出し"),
                                           QString::fromStdString((AppDir / "vantor.sqlite").string()),
                                           QStringLiteral("SQLite (*.sqlite *.db)"));
    if (!chosen) return;
    const std::filesystem::path file = chosen->toStdString();
    auto opened = SqliteSink::open(file, false);
    // Only a regular file that is there can be replaced by a new export.
    std::error_code statusError;
    const auto* refused = std::get_if<std::string>(&opened);
    if (refused && std::filesystem::is_regular_file(file, statusError)) {
        if (!ui::askYesNo(this,
                          QString::fromStdString(*refused) + QStringLiteral("\n新しい書き出しで置き換えますか？")))
            return;
        opened = SqliteSink::open(file, true);
    }
    if (const auto* error = std::get_if<std::string>(&opened)) {
        ui::showInfo(this, QString::fromStdString(*error));
        return;
    }

    TPrgrsForm box(this);
    box.HeadingLabel->setText(QStringLiteral("SQLiteへ書き出しています"));
    box.showCentred();
    QStringList lines;
    try {
        const auto report = exportStore(StorePaths(AppDir), *std::get<0>(opened), {}, [&box](int done, int total) {
            box.ProgressBar1->setMaximum(total);
            box.ProgressBar1->setValue(done);
            box.StatusLabel->setText(QStringLiteral("%1 / %2").arg(done).arg(total));
            QCoreApplication::processEvents();
        });
        for (const auto& line : reportLines(report)) lines << QString::fromStdString(line);
    } catch (const SinkError& error) {
        lines << QString::fromStdString(failureText(file.string(), error.what()));
    }
    box.close();
    ui::showInfo(this, lines.join(QLatin1Char('\n')));
}

}  // namespace vantor
