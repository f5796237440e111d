#include "jvlink_ui/jvlink_settings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "components/file_chooser.h"

namespace vantor {
namespace {

QString text(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }
std::filesystem::path path(const QLineEdit* edit) { return edit->text().trimmed().toStdString(); }

// A line edit with a "参照..." button that fills it from a chooser.
QLineEdit* addPathRow(QFormLayout* form, const QString& label, const QString& value,
                      const std::function<std::optional<QString>(const QString&)>& choose) {
    auto* edit = new QLineEdit(value);
    auto* browse = new QPushButton(QStringLiteral("参照..."));
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    form->addRow(label, row);
    QObject::connect(browse, &QPushButton::clicked, edit, [edit, choose] {
        if (const auto chosen = choose(edit->text())) edit->setText(*chosen);
    });
    return edit;
}

}  // namespace

TJVLinkSettingsDialog::TJVLinkSettingsDialog(QWidget* parent, const JVLinkChoice& choice)
    : QDialog(parent), start_(choice) {
    setWindowTitle(QStringLiteral("JV-Link設定"));
    auto* layout = new QVBoxLayout(this);
    folderSource_ = new QRadioButton(QStringLiteral("フィードフォルダ"), this);
    wineSource_ = new QRadioButton(QStringLiteral("JV-Link (Wine)"), this);
    layout->addWidget(folderSource_);

    folderPage_ = new QWidget(this);
    auto* folderForm = new QFormLayout(folderPage_);
    folder_ = addPathRow(
        folderForm, QStringLiteral("データ保存場所"), text(choice.feed.feedDir),
        [this](const QString& at) { return ui::chooseFolder(this, QStringLiteral("データ保存場所"), QString(), at); });
    pace_ = new QSpinBox(folderPage_);
    pace_->setRange(0, 10000);
    pace_->setSuffix(QStringLiteral(" ms"));
    pace_->setValue(choice.feed.paceMs);
    folderForm->addRow(QStringLiteral("ダウンロード時間 (1ファイル)"), pace_);
    layout->addWidget(folderPage_);

    layout->addWidget(wineSource_);
    winePage_ = new QWidget(this);
    auto* wineForm = new QFormLayout(winePage_);
    wineCommand_ = new QLineEdit(QString::fromStdString(choice.wine.command), winePage_);
    wineForm->addRow(QStringLiteral("Wine コマンド"), wineCommand_);
    prefix_ = addPathRow(wineForm, QStringLiteral("Wine プレフィックス"), text(choice.wine.prefix),
                         [this](const QString& at) {
                             return ui::chooseFolder(this, QStringLiteral("Wine プレフィックス"), QString(), at);
                         });
    bridge_ = addPathRow(wineForm, QStringLiteral("ブリッジ"), text(choice.wine.bridge), [this](const QString& at) {
        return ui::chooseFile(this, QStringLiteral("ブリッジ"), at, QStringLiteral("vantor-jvbridge (*.exe)"));
    });
    layout->addWidget(winePage_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    (choice.source == JVLinkSource::wine ? wineSource_ : folderSource_)->setChecked(true);
    connect(folderSource_, &QRadioButton::toggled, this, &TJVLinkSettingsDialog::showSource);
    showSource();
}

void TJVLinkSettingsDialog::showSource() {
    folderPage_->setEnabled(folderSource_->isChecked());
    winePage_->setEnabled(wineSource_->isChecked());
}

JVLinkChoice TJVLinkSettingsDialog::choice() const {
    JVLinkChoice c = start_;
    c.source = wineSource_->isChecked() ? JVLinkSource::wine : JVLinkSource::folder;
    c.feed.feedDir = path(folder_);
    c.feed.paceMs = pace_->value();
    c.wine.command = wineCommand_->text().trimmed().toStdString();
    c.wine.prefix = path(prefix_);
    c.wine.bridge = path(bridge_);
    return c;
}

bool editJVLinkChoice(QWidget* parent, JVLinkChoice& choice) {
    TJVLinkSettingsDialog dialog(parent, choice);
    if (dialog.exec() != QDialog::Accepted) return false;
    choice = dialog.choice();
    return true;
}

}  // namespace vantor
