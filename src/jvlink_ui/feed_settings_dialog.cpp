#include "jvlink_ui/feed_settings_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "components/file_chooser.h"

namespace vantor {

bool editFeedSettings(QWidget* parent, FeedSettings& settings) {
    QDialog dialog(parent);
    dialog.setWindowTitle(QStringLiteral("JV-Link設定"));
    auto* form = new QFormLayout(&dialog);

    auto* folder = new QLineEdit(QString::fromStdString(settings.feedDir.string()), &dialog);
    auto* browse = new QPushButton(QStringLiteral("参照..."), &dialog);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder, 1);
    folderRow->addWidget(browse);
    form->addRow(QStringLiteral("データ保存場所"), folderRow);
    QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
        if (const auto chosen = ui::chooseFolder(&dialog, QStringLiteral("データ保存場所"), QString(), folder->text()))
            folder->setText(*chosen);
    });

    auto* pace = new QSpinBox(&dialog);
    pace->setRange(0, 10000);
    pace->setSuffix(QStringLiteral(" ms"));
    pace->setValue(settings.paceMs);
    form->addRow(QStringLiteral("ダウンロード時間 (1ファイル)"), pace);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    form->addRow(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    if (dialog.exec() != QDialog::Accepted) return false;
    settings.feedDir = folder->text().trimmed().toStdString();
    settings.paceMs = pace->value();
    return true;
}

}  // namespace vantor
