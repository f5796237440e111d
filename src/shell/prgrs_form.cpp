#include "shell/prgrs_form.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace vantor {

TPrgrsForm::TPrgrsForm(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      HeadingLabel(new QLabel(QStringLiteral("データを読み込んでいます"))),
      StatusLabel(new QLabel),
      ProgressBar1(new QProgressBar) {
    setObjectName(QStringLiteral("PrgrsForm"));
    setFixedSize(349, 59);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setFixedHeight(12);

    // The box draws its own raised border, since the window has none.
    auto* box = new QFrame(this);
    box->setFrameStyle(QFrame::Panel | QFrame::Raised);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(8, 3, 8, 5);
    layout->setSpacing(2);
    layout->addWidget(HeadingLabel);
    layout->addWidget(StatusLabel);
    layout->addWidget(ProgressBar1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(box);
}

void TPrgrsForm::showCentred() {
    const QWidget* over = parentWidget() ? parentWidget()->window() : nullptr;
    const QRect area = over ? over->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    QRect box(QPoint(), size());
    box.moveCenter(area.center());
    move(box.topLeft());
    show();
    raise();
}

}  // namespace vantor
