// The main window's export of the store into an SQLite file
// (SqlExportItemClick): the file chosen, a progress box while the core
// exports, and what the export did, said in Japanese like the rest of the
// window.

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStringList>

#include "components/file_chooser.h"
#include "components/message_box.h"
#include "export/sqlite_sink.h"
#include "export/store_export.h"
#include "shell/main_form.h"
#include "shell/prgrs_form.h"

namespace vantor {
namespace {

// What the window says when the export has ended: the counts of store
// files, then the damaged files by name.
QStringList reportLines(const sqlexport::ExportReport& report) {
    QStringList lines{QStringLiteral("SQLiteへ書き出しました。書き出したファイル：%1、変更のないファイル：%2、"
                                     "ストアから消えたファイル：%3")
                          .arg(report.filesRead)
                          .arg(report.filesUnchanged)
                          .arg(report.filesRemoved)};
    if (report.damaged.empty()) return lines;
    lines << QStringLiteral("壊れているため飛ばしたファイル：%1").arg(report.damaged.size());
    for (const auto& path : report.damaged) lines << QStringLiteral("  ") + QString::fromStdString(path);
    return lines;
}

// A failed export: that nothing was changed, then the database's own error.
QString failureText(const std::filesystem::path& file, const std::string& error) {
    return QStringLiteral("「%1」への書き出しに失敗しました。何も変更していません。\n%2")
        .arg(QString::fromStdString(file.string()), QString::fromStdString(error));
}

}  // namespace

void TMainForm::SqlExportItemClick() {
    using namespace sqlexport;
    const auto chosen = ui::chooseSaveFile(this, QStringLiteral("SQLiteへ書き出し"),
                                           QString::fromStdString((AppDir / "vantor.sqlite").string()),
                                           QStringLiteral("SQLite (*.sqlite *.db)"));
    if (!chosen) return;
    const std::filesystem::path file = chosen->toStdString();
    auto opened = SqliteSink::open(file, false);
    if (const auto* refused = std::get_if<std::string>(&opened)) {
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
        lines = reportLines(report);
    } catch (const SinkError& error) {
        lines << failureText(file, error.what());
    }
    box.close();
    ui::showInfo(this, lines.join(QLatin1Char('\n')));
}

}  // namespace vantor
