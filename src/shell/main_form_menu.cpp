// The main menu of TMainForm.

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "shell/hints.h"
#include "shell/main_form.h"

namespace vantor {
namespace {

QAction* item(QMenu* menu, const char* name, const char* caption, const char* hint) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromUtf8(name));
    setHint(action, QString::fromUtf8(hint));
    return action;
}

}  // namespace

void TMainForm::createMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    QMenu* file = bar->addMenu(QStringLiteral("ﾌｧｲﾙ(&F)"));
    N13 = item(file, "N13", "ＪＶデータ取得(&J)", "JRA-VANからデータを取得して保存します");
    file->addSeparator();
    FilePrintItem =
        item(file, "FilePrintItem", "新聞形式印刷・馬番順(&P)...", "新聞形式で出馬表（馬番順）を印刷します");
    P1 = item(file, "P1", "新聞形式印刷・ｸﾞﾙｰﾌﾟ順(&G)...", "新聞形式で出馬表（ｸﾞﾙｰﾌﾟ順）を印刷します");
    SqlExportItem =
        item(file, "SqlExportItem", "SQLiteへ書き出し(&E)...", "保存したデータをSQLiteのファイルに書き出します");
    file->addSeparator();
    FilePrintSetupItem = item(file, "FilePrintSetupItem", "ﾌﾟﾘﾝﾀの設定(&R)...", "用紙と印刷の向きを設定します");
    file->addSeparator();
    FileExitItem = item(file, "FileExitItem", "終了(&X)", "Vantorを終了します");

    QMenu* options = bar->addMenu(QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"));
    N5 = item(options, "N5", "読込後、ﾃﾞｰﾀﾘｽﾄを消す", "レースを表示した後、左のﾃﾞｰﾀﾘｽﾄを隠します");
    N5->setCheckable(true);
    ReopenItem =
        item(options, "ReopenItem", "前回のﾚｰｽを開いて起動", "起動時に、前回終了時に表示していたﾚｰｽを開きます");
    ReopenItem->setCheckable(true);

    QMenu* races = bar->addMenu(QStringLiteral("ﾚｰｽ(&R)"));
    NextRaceItem = item(races, "NextRaceItem", "次のﾚｰｽ(&N)", "ﾃﾞｰﾀﾘｽﾄの次のﾚｰｽを表示します");
    NextRaceItem->setShortcut(QKeySequence(Qt::Key_PageDown));
    PrevRaceItem = item(races, "PrevRaceItem", "前のﾚｰｽ(&P)", "ﾃﾞｰﾀﾘｽﾄの前のﾚｰｽを表示します");
    PrevRaceItem->setShortcut(QKeySequence(Qt::Key_PageUp));
    races->addSeparator();
    OlderDayItem = item(races, "OlderDayItem", "前の開催日(&B)", "一つ前の開催日を読み込みます");
    OlderDayItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    NewerDayItem = item(races, "NewerDayItem", "次の開催日(&A)", "一つ後の開催日を読み込みます");
    NewerDayItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    races->addSeparator();
    SokuhoItem = item(races, "SokuhoItem", "速報(&S)", "当日の変更とオッズを自動で取得して表示します");
    SokuhoItem->setCheckable(true);
    SokuhoItem->setShortcut(QKeySequence(Qt::Key_F5));
    races->addSeparator();
    StatsItem = item(races, "StatsItem", "成績集計(&T)...", "騎手・調教師・馬主・種牡馬・印の成績を条件で集計します");
    // The window's own too, so that the keys work wherever its focus is.
    addActions({NextRaceItem, PrevRaceItem, OlderDayItem, NewerDayItem, SokuhoItem});

    QMenu* folders = bar->addMenu(QStringLiteral("ﾌｫﾙﾀﾞ指定(&D)"));
    yosohaitomenu = item(folders, "yosohaitomenu", "単勝予想配当ﾃﾞｰﾀﾌｫﾙﾀﾞの指定(&K)",
                         "単勝予想配当ﾃﾞｰﾀの圧縮ファイルがあるﾌｫﾙﾀﾞを指定します");

    QMenu* help = bar->addMenu(QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    HelpContentsItem = item(help, "HelpContentsItem", "目次(&C)", "使い方の説明を開きます");
    HelpAboutItem = item(help, "HelpAboutItem", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", "バージョン情報を表示します");
}

}  // namespace vantor
