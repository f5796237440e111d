// The tool bar of TMainForm: the commands on the left, the heading of the
// race shown on the right.

#include <QGridLayout>
#include <QStyle>
#include <QToolBar>

#include "components/label3d.h"
#include "components/speed_button.h"
#include "components/up_down.h"
#include "painting/fonts.h"
#include "shell/hints.h"
#include "shell/main_form.h"

namespace vantor {
namespace {

ui::TSpeedButton* toolButton(QToolBar* bar, const char* name, const char* caption, const char* hint) {
    auto* button = new ui::TSpeedButton(QString::fromUtf8(caption));
    button->setObjectName(QString::fromUtf8(name));
    setHint(button, QString::fromUtf8(hint));
    bar->addWidget(button);
    return button;
}

// A heading label wide enough for the longest text it shows.
ui::TLabel3D* headingLabel(QGridLayout* grid, const char* name, int width, int row, int col, int colSpan = 1) {
    auto* label = new ui::TLabel3D;
    label->setObjectName(QString::fromUtf8(name));
    label->setFont(gothicFont(13, true));
    label->setMinimumWidth(width);
    label->setMinimumHeight(label->fontMetrics().height());
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(label, row, col, 1, colSpan);
    return label;
}

}  // namespace

void TMainForm::createToolBar() {
    QToolBar* bar = addToolBar(QStringLiteral("ToolBar1"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->toggleViewAction()->setVisible(false);

    JVBtn = toolButton(bar, "JVBtn", "JVデータ取得", "JRA-VANからデータを取得して保存します");
    JVBtn->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    QFont bold = JVBtn->font();
    bold.setBold(true);
    JVBtn->setFont(bold);
    KekkaGetBtn = toolButton(bar, "KekkaGetBtn", "結果情報", "レース結果データを取得します");
    YozBtn = toolButton(bar, "YozBtn", "予想配当", "単勝予想配当ﾃﾞｰﾀを読み込みます");
    SokuhoBtn = toolButton(bar, "SokuhoBtn", "速報", "当日の変更とオッズを自動で取得して表示します (F5)");
    SokuhoBtn->setCheckable(true);
    bar->addSeparator();
    UpDown1 = new ui::TUpDown;
    UpDown1->setObjectName(QStringLiteral("UpDown1"));
    setHint(UpDown1, QStringLiteral("前のレース・次のレースを表示します"));
    bar->addWidget(UpDown1);
    SpeedButton8 = toolButton(bar, "SpeedButton8", "F", "左のﾃﾞｰﾀﾘｽﾄを表示・非表示にします");
    bar->addSeparator();
    SpeedButton4 = toolButton(bar, "SpeedButton4", "終了", "Vantorを終了します");
    SpeedButton5 = toolButton(bar, "SpeedButton5", "ﾍﾙﾌﾟ", "使い方の説明を開きます");
    SpeedButton6 = toolButton(bar, "SpeedButton6", "ﾊﾞｰｼﾞｮﾝ情報", "バージョン情報を表示します");
    bar->addSeparator();
    bar->addWidget(createRaceHeading());
}

QWidget* TMainForm::createRaceHeading() {
    auto* heading = new QWidget;
    heading->setObjectName(QStringLiteral("RaceHeading"));
    auto* grid = new QGridLayout(heading);
    grid->setContentsMargins(6, 1, 6, 1);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(1);

    Label3D3 = new ui::TLabel3D;
    Label3D3->setObjectName(QStringLiteral("Label3D3"));
    Label3D3->setFont(gothicFont(24, true));
    Label3D3->setAlignment(Qt::AlignCenter);
    Label3D3->setFixedWidth(44);
    Label3D3->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Label3D3->setColor(Qt::white);
    Label3D3->setFontColor(QColor(0, 0, 128));
    grid->addWidget(Label3D3, 0, 0, 2, 1);

    Label3D1 = headingLabel(grid, "Label3D1", 72, 0, 1);
    Label3D2 = headingLabel(grid, "Label3D2", 44, 0, 2);
    Label3D5 = headingLabel(grid, "Label3D5", 400, 0, 3, 5);
    Label3D5->setFont(gothicFont(16, true));
    Label3D5->setStyle3D(ui::TLabel3D::Style3D::raised);
    Label3D5->setFontColor(QColor(0, 0, 128));

    Label3D4 = headingLabel(grid, "Label3D4", 180, 1, 1, 2);
    Label3D6 = headingLabel(grid, "Label3D6", 44, 1, 3);
    Label3D7 = headingLabel(grid, "Label3D7", 80, 1, 4);
    Label3D8 = headingLabel(grid, "Label3D8", 30, 1, 5);
    Label3D9 = headingLabel(grid, "Label3D9", 44, 1, 6);
    Label3D110 = headingLabel(grid, "Label3D110", 96, 1, 7);
    Label3D115 = headingLabel(grid, "Label3D115", 36, 1, 8);
    // What the day announced: weather and going, the time of the odds.
    LiveBabaLabel = headingLabel(grid, "LiveBabaLabel", 0, 0, 8, 2);
    LiveOddsLabel = headingLabel(grid, "LiveOddsLabel", 0, 1, 9);
    for (ui::TLabel3D* label : {LiveBabaLabel, LiveOddsLabel}) label->setFontColor(QColor(0, 0, 160));
    grid->setColumnStretch(10, 1);
    return heading;
}

}  // namespace vantor
