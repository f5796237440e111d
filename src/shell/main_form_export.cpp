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
#include "export/export_tables.h"
#include "export/sqlite_sink.h"
#include "export/store_export.h"
#include "shell/main_form.h"
#include "shell/prgrs_form.h"
#include "usermarks/user_marks_export.h"

namespace vantor {
namespace {

// What the window says when the export has ended: what the marks file
// said, the counts of store files, then the damaged files by name and the
// live records left out.
QStringList reportLines(const sqlexport::ExportReport& report) {
    QStringList lines;
    for (const auto& notice : report.notices) lines << QString::fromStdString(notice);
    lines << QStringLiteral(
                 "SQLiteへ書き出しました。書き出したファイル：%1、変更のないファイル：%2、"
                 "ストアから消えたファイル：%3")
                 .arg(report.filesRead)
                 .arg(report.filesUnchanged)
                 .arg(report.filesRemoved);
    if (!report.damaged.empty()) {
        lines << QStringLiteral("壊れているため飛ばしたファイル：%1").arg(report.damaged.size());
        for (const auto& path : report.damaged) lines << QStringLiteral("  ") + QString::fromStdString(path);
    }
    for (const auto& skip : report.liveSkips.entries())
        lines << QStringLiteral("書き出さなかった当日の記録：") + QString::fromStdString(liveSkipText(skip));
    return lines;
}

// A failed export: that nothing was changed, then the database's own error.
QString failureText(const std::filesystem::path& file, const std::string& error) {
    return QStringLiteral("「%1」への書き出しに失敗しました。何も変更していません。\n%2")
        .arg(QString::fromStdString(file.string()), QString::fromStdString(error));
}

// Why the chosen file is not exported into: what it is instead, or the
// database's own error when it cannot be opened.
QString openErrorText(const std::filesystem::path& file, const sqlexport::SqliteOpenError& error) {
    const QString name = QString::fromStdString(file.string());
    if (!error.refusal)
        return QStringLiteral("「%1」を開けませんでした。\n%2").arg(name, QString::fromStdString(error.message));
    switch (error.refusal->kind) {
        case sqlexport::SqliteRefusal::Kind::notSqlite:
            return QStringLiteral("「%1」はSQLiteのデータベースではありません。").arg(name);
        case sqlexport::SqliteRefusal::Kind::foreignDatabase:
            return QStringLiteral("「%1」はVantorの書き出しではない、別のデータベースです。").arg(name);
        case sqlexport::SqliteRefusal::Kind::otherSchema:
            break;
    }
    return QStringLiteral("「%1」は形式%2の書き出しです（このVantorは形式%3で書き出します）。")
        .arg(name)
        .arg(error.refusal->found)
        .arg(sqlexport::kSchemaVersion);
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
    // Only a file refused as no export of this version can be replaced by a new one.
    const auto* refused = std::get_if<SqliteOpenError>(&opened);
    if (refused && refused->refusal) {
        if (!ui::askYesNo(this, openErrorText(file, *refused) + QStringLiteral("\n新しい書き出しで置き換えますか？")))
            return;
        opened = SqliteSink::open(file, true);
    }
    if (const auto* error = std::get_if<SqliteOpenError>(&opened)) {
        ui::showInfo(this, openErrorText(file, *error));
        return;
    }

    TPrgrsForm box(this);
    box.HeadingLabel->setText(QStringLiteral("SQLiteへ書き出しています"));
    box.showCentred();
    QStringList lines;
    try {
        const UserMarksExportSource marks(AppDir);
        ExportOptions options;
        options.sideSources.push_back(&marks);
        const auto report = exportStore(StorePaths(AppDir), *std::get<0>(opened), options, [&box](int done, int total) {
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
