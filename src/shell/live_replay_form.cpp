#include "shell/live_replay_form.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace vantor {

TLiveReplayForm::TLiveReplayForm(QWidget* parent)
    : QDialog(parent), StartEdit(new QTimeEdit), SpeedEdit(new QSpinBox) {
    setObjectName(QStringLiteral("LiveReplayForm"));
    setWindowTitle(QStringLiteral("速報の再生"));
    const LiveReplay defaults;
    StartEdit->setObjectName(QStringLiteral("StartEdit"));
    StartEdit->setDisplayFormat(QStringLiteral("HH:mm"));
    StartEdit->setTime(QTime(0, 0).addSecs(defaults.from));
    SpeedEdit->setObjectName(QStringLiteral("SpeedEdit"));
    SpeedEdit->setRange(1, 3600);
    SpeedEdit->setSuffix(QStringLiteral(" 倍"));
    SpeedEdit->setValue(defaults.speed);

    auto* about = new QLabel(QStringLiteral("この開催日は終わっています。保存された速報を、選んだ時刻から再生します。"));
    about->setWordWrap(true);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("開始時刻"), StartEdit);
    fields->addRow(QStringLiteral("速度"), SpeedEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(about);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

LiveReplay TLiveReplayForm::replay() const {
    return {QTime(0, 0).secsTo(StartEdit->time()) / 60 * 60, SpeedEdit->value()};
}

}  // namespace vantor
