#include "components/message_box.h"

#include <QApplication>
#include <QMessageBox>

namespace vantor::ui {
namespace {
MessageBoxHook* activeHook = nullptr;
}

MessageBoxHook::MessageBoxHook() { activeHook = this; }
MessageBoxHook::~MessageBoxHook() { activeHook = nullptr; }

void beep() {
    if (activeHook) {
        ++activeHook->beeps_;
        return;
    }
    QApplication::beep();
}

void showInfoQuiet(QWidget* parent, const QString& text) {
    if (activeHook) {
        activeHook->shown_.push_back(text);
        return;
    }
    QMessageBox::information(parent, QApplication::applicationDisplayName(), text);
}

void showInfo(QWidget* parent, const QString& text) {
    beep();
    showInfoQuiet(parent, text);
}

bool askYesNo(QWidget* parent, const QString& text) {
    beep();
    if (activeHook) {
        activeHook->shown_.push_back(text);
        if (activeHook->answers_.empty()) return false;
        const bool yes = activeHook->answers_.front();
        activeHook->answers_.pop_front();
        return yes;
    }
    return QMessageBox::question(parent, QApplication::applicationDisplayName(), text,
                                 QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace vantor::ui
