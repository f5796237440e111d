#include "shell/main_form.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>

#include "codes/jv_result_message.h"
#include "components/label3d.h"
#include "components/message_box.h"
#include "components/speed_button.h"
#include "components/string_grid.h"
#include "settings/program_settings.h"
#include "support/fake_jvlink.h"
#include "support/program_folder.h"
#include "text/qt_text.h"

using namespace vantor;

namespace {

// Receives what the help command hands to the desktop.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.append(url); }
};

QStringList itemTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

}  // namespace

class MainForm : public ::testing::Test {
protected:
    std::unique_ptr<TMainForm> makeForm() {
        auto link = std::make_unique<test::FakeJVLink>();
        jvLink = link.get();
        return std::make_unique<TMainForm>(std::move(link));
    }
    // Shows the form and lets its first-show work run.
    std::unique_ptr<TMainForm> showForm() {
        auto form = makeForm();
        form->show();
        QCoreApplication::processEvents();
        return form;
    }

    test::RunningProgramFolder folder;
    ui::MessageBoxHook boxes;
    test::FakeJVLink* jvLink = nullptr;
};

TEST_F(MainForm, WithoutSettingsOpensAtDefaultPlacementWithOptionUnmarkedAndPagesHidden) {
    const auto form = makeForm();
    EXPECT_EQ(form->pos(), QPoint(10, 10));
    EXPECT_EQ(form->size(), QSize(1200, 800));
    EXPECT_FALSE(form->N5->isChecked());
    EXPECT_TRUE(form->PageControl1->isHidden());
    EXPECT_FALSE(form->Panel5->isHidden());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Vantor"));
}

TEST_F(MainForm, ClosingSavesPlacementWhichTheNextStartRestoresUnclamped) {
    auto form = showForm();
    form->move(-300, 40);
    form->resize(900, 640);
    const QPoint left = form->pos();
    form->close();

    const TIniGT ini = programSettings();
    EXPECT_EQ(ini.ReadInteger("locate", "left", 0), left.x());
    EXPECT_EQ(ini.ReadInteger("locate", "top", 0), left.y());
    EXPECT_EQ(ini.ReadInteger("locate", "width", 0), 900);
    EXPECT_EQ(ini.ReadInteger("locate", "height", 0), 640);

    form = makeForm();
    EXPECT_EQ(form->pos(), left);
    EXPECT_EQ(form->size(), QSize(900, 640));
}

TEST_F(MainForm, OptionToHideTheListPanelIsKeptInTheSettings) {
    auto form = makeForm();
    form->N5->trigger();
    EXPECT_TRUE(form->N5->isChecked());
    EXPECT_EQ(programSettings().ReadString("datalist", "close", ""), "1"_sjis);

    form = makeForm();
    EXPECT_TRUE(form->N5->isChecked());
    form->N5->trigger();
    EXPECT_FALSE(form->N5->isChecked());
    EXPECT_EQ(programSettings().ReadString("datalist", "close", ""), "0"_sjis);
}

TEST_F(MainForm, MenusHaveTheirItemsShortcutsAndSeparators) {
    const auto form = makeForm();
    const QList<QAction*> menus = form->menuBar()->actions();
    EXPECT_EQ(itemTexts(menus),
              QStringList({QStringLiteral("ﾌｧｲﾙ(&F)"), QStringLiteral("ｵﾌﾟｼｮﾝ(&O)"), QStringLiteral("ﾚｰｽ(&R)"),
                           QStringLiteral("ﾌｫﾙﾀﾞ指定(&D)"), QStringLiteral("ﾍﾙﾌﾟ(&H)")}));
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(
        itemTexts(menus[0]->menu()->actions()),
        QStringList({QStringLiteral("ＪＶデータ取得(&J)"), QStringLiteral("-"),
                     QStringLiteral("新聞形式印刷・馬番順(&P)..."), QStringLiteral("新聞形式印刷・ｸﾞﾙｰﾌﾟ順(&G)..."),
                     QStringLiteral("SQLiteへ書き出し(&E)..."), QStringLiteral("-"),
                     QStringLiteral("ﾌﾟﾘﾝﾀの設定(&R)..."), QStringLiteral("-"), QStringLiteral("終了(&X)")}));
    EXPECT_EQ(itemTexts(menus[1]->menu()->actions()),
              QStringList({QStringLiteral("読込後、ﾃﾞｰﾀﾘｽﾄを消す"), QStringLiteral("前回のﾚｰｽを開いて起動")}));
    EXPECT_TRUE(form->N5->isCheckable());
    EXPECT_TRUE(form->ReopenItem->isCheckable());
    EXPECT_EQ(itemTexts(menus[2]->menu()->actions()),
              QStringList({QStringLiteral("次のﾚｰｽ(&N)"), QStringLiteral("前のﾚｰｽ(&P)"), QStringLiteral("-"),
                           QStringLiteral("前の開催日(&B)"), QStringLiteral("次の開催日(&A)"), QStringLiteral("-"),
                           QStringLiteral("速報(&S)"), QStringLiteral("-"), QStringLiteral("成績集計(&T)...")}));
    EXPECT_TRUE(form->SokuhoItem->isCheckable());
    EXPECT_EQ(form->OlderDayItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    EXPECT_EQ(form->NewerDayItem->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    EXPECT_EQ(itemTexts(menus[3]->menu()->actions()), QStringList({QStringLiteral("単勝予想配当ﾃﾞｰﾀﾌｫﾙﾀﾞの指定(&K)")}));
    EXPECT_EQ(itemTexts(menus[4]->menu()->actions()),
              QStringList({QStringLiteral("目次(&C)"), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)...")}));
    EXPECT_EQ(menus[0]->menu()->actions().constFirst(), form->N13);
}

TEST_F(MainForm, ToolBarAndSheetsCarryTheirCaptions) {
    const auto form = makeForm();
    const std::pair<ui::TSpeedButton*, const char*> buttons[] = {
        {form->JVBtn, "JVデータ取得"},
        {form->KekkaGetBtn, "結果情報"},
        {form->YozBtn, "予想配当"},
        {form->SokuhoBtn, "速報"},
        {form->SpeedButton8, "F"},
        {form->SpeedButton4, "終了"},
        {form->SpeedButton5, "ﾍﾙﾌﾟ"},
        {form->SpeedButton6, "ﾊﾞｰｼﾞｮﾝ情報"},
        {form->SpeedButton10, "馬番"},
        {form->SpeedButton17, "ｸﾞﾙｰﾌﾟ"},
        {form->SpeedButton18, "調教師ﾘｽﾄ印刷(&P)"},
        {form->SpeedButton13, "クリップボードへコピー"},
    };
    for (const auto& [button, caption] : buttons) EXPECT_EQ(button->text(), QString::fromUtf8(caption));
    EXPECT_TRUE(form->JVBtn->font().bold());
    EXPECT_TRUE(form->SpeedButton10->isChecked());

    QStringList tabs;
    for (int i = 0; i < form->PageControl1->count(); ++i) tabs.append(form->PageControl1->tabText(i));
    EXPECT_EQ(tabs,
              QStringList({QStringLiteral("出馬表"), QStringLiteral("調教師"), QStringLiteral("臨戦態勢ﾁｪｯｸ"),
                           QStringLiteral("暗号ﾁｪｯｸ"), QStringLiteral("競走馬検索"), QStringLiteral("成績結果"), QStringLiteral("ｵｯｽﾞ")}));
    EXPECT_EQ(form->PageControl2->tabText(0), QStringLiteral("出馬表ﾁｪｯｸ"));
    EXPECT_EQ(form->PageControl2->tabText(1), QStringLiteral("検索ﾘｽﾄ"));
    EXPECT_EQ(form->DateCombo->maxVisibleItems(), 36);
}

TEST_F(MainForm, ResultLabelsStandInTheirBlocksInTableOrder) {
    const auto form = makeForm();
    ASSERT_EQ(form->KekkaLabels.size(), 63u);
    // Entry e of a block owns labels 3e (result), 3e+1 (popularity), 3e+2 (payout).
    const std::pair<int, QRect> placed[] = {
        {0, {49, 20, 60, 15}},   {2, {49, 50, 60, 15}},    {7, {177, 35, 60, 15}},
        {9, {49, 86, 60, 15}},   {23, {305, 116, 60, 15}}, {24, {49, 150, 60, 15}},
        {33, {49, 216, 60, 15}}, {42, {49, 280, 60, 15}},  {62, {433, 310, 60, 15}},
    };
    for (const auto& [index, rect] : placed) {
        SCOPED_TRACE(index);
        EXPECT_EQ(form->KekkaLabels[static_cast<std::size_t>(index)]->geometry(), rect);
    }
    EXPECT_EQ(form->KekkaLabels[42]->palette().color(QPalette::Window), QColor(250, 205, 209));
    EXPECT_EQ(form->KekkaLabels[43]->palette().color(QPalette::Window), QColor(255, 255, 142));
    EXPECT_EQ(form->KekkaLabels[44]->palette().color(QPalette::Window), QColor(205, 243, 243));
    EXPECT_TRUE(form->KekkaLabels[0]->text().isEmpty());
}

TEST_F(MainForm, FButtonTogglesTheListPanel) {
    const auto form = makeForm();
    form->SpeedButton8->click();
    EXPECT_TRUE(form->Panel5->isHidden());
    form->SpeedButton8->click();
    EXPECT_FALSE(form->Panel5->isHidden());
}

TEST_F(MainForm, DayListShowsRaceDaysNewestFirstAndSelectsNone) {
    for (const char* name :
         {"2024年05月26日.jvRA", "2023年12月24日.jvRA", "2024年06月02日.jvRA", "2024年06月09日.jvHR"})
        test::writeFile(folder / "DATA" / name, "");
    const auto form = makeForm();
    auto days = [&form] {
        QStringList texts;
        for (int i = 0; i < form->DateCombo->count(); ++i) texts.append(form->DateCombo->itemText(i));
        return texts;
    };
    EXPECT_EQ(days(), QStringList({QStringLiteral("2024年06月02日"), QStringLiteral("2024年05月26日"),
                                   QStringLiteral("2023年12月24日")}));
    EXPECT_EQ(form->DateCombo->currentIndex(), -1);

    test::writeFile(folder / "DATA" / "2024年06月09日.jvRA", "");
    form->DateCombo->setCurrentIndex(1);
    form->MakeDataListBtnClick();
    EXPECT_EQ(days().size(), 4);
    EXPECT_EQ(days().constFirst(), QStringLiteral("2024年06月09日"));
    EXPECT_EQ(form->DateCombo->currentIndex(), -1);
}

TEST_F(MainForm, FirstShowInitialisesJVLinkOnce) {
    const auto form = showForm();
    ASSERT_EQ(jvLink->sids.size(), 1u);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^SA\\d{6}/SD\\d{6}/Vantor/Version 1\\.40$"))
                    .match(QString::fromStdString(jvLink->sids[0]))
                    .hasMatch());
    EXPECT_TRUE(boxes.shown().isEmpty());
    form->hide();
    form->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(jvLink->sids.size(), 1u);
}

TEST_F(MainForm, FailedJVInitIsReportedWithoutVersionCheck) {
    auto form = makeForm();
    jvLink->initResult = jv::kSidLeadingBlank;
    jvLink->versionText = "0480";
    form->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.shown(), QStringList(QStringLiteral("JVInitエラー：") +
                                         toQString(JVResultMessage("JVInit", jv::kSidLeadingBlank))));
    EXPECT_EQ(jvLink->versionReads, 0);
}

TEST_F(MainForm, OnlyAJVLinkOlderThan490IsWarnedAbout) {
    for (const char* version : {"0490", "0500"}) {
        auto form = makeForm();
        jvLink->versionText = version;
        form->show();
        QCoreApplication::processEvents();
        EXPECT_TRUE(boxes.shown().isEmpty()) << version;
    }
    auto form = makeForm();
    jvLink->versionText = "0480";
    form->show();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.shown(), QStringList(QStringLiteral(
                                 "ご利用中のJV-Linkのバージョンは[4.8.0]です。\r\n"
                                 "本ソフトのご利用にはバージョン[4.9.0]以上が必要です。\r\n"
                                 "JRA-VANのホームページより最新のJV-Linkを入手し、インストールしてください。")));
    EXPECT_EQ(boxes.beeps(), 1);
}

TEST_F(MainForm, HintOfTheButtonUnderTheMouseShowsInTheStatusLine) {
    const auto form = showForm();
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(form->KekkaGetBtn, &enter);
    EXPECT_EQ(form->StatusLine->currentMessage(), QStringLiteral("レース結果データを取得します"));
}

TEST_F(MainForm, HelpWritesTheGuideIntoTheProgramFolderAndOpensIt) {
    UrlCatcher desktop;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &desktop, "open");
    const auto form = makeForm();
    const auto page = folder / "vantor.html";
    test::writeFile(page, "an older guide");
    form->SpeedButton5->click();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    EXPECT_EQ(desktop.opened, QList<QUrl>({QUrl::fromLocalFile(QString::fromStdString(page.string()))}));
    EXPECT_NE(test::readFile(page).find("<html"), std::string::npos);
    EXPECT_TRUE(boxes.shown().isEmpty());
}

#include "main_form_test.moc"
