#include "shell/version_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "jvlink/version_text.h"
#include "painting/fonts.h"

namespace vantor {

TVersionForm::TVersionForm(QWidget* parent) : QDialog(parent), VersionLabel(new QLabel) {
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    auto* product = new QLabel(QStringLiteral("Vantor"));
    product->setFont(pGothicFont(24, true));
    VersionLabel->setText(QString::fromUtf8(kVersionText.data(), static_cast<qsizetype>(kVersionText.size())));
    auto* about = new QLabel(QStringLiteral("JRA-VAN Data Lab. のデータによる競馬分析ソフト"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 12);
    layout->addWidget(product, 0, Qt::AlignHCenter);
    layout->addWidget(VersionLabel, 0, Qt::AlignHCenter);
    layout->addWidget(about, 0, Qt::AlignHCenter);
    layout->addSpacing(8);
    layout->addWidget(buttons);
}

}  // namespace vantor
