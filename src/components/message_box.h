#pragma once
// The program's message dialogs: an information box with OK and a Yes/No
// question, each preceded by the system beep.
//
// Tests answer modal questions through MessageBoxHook: while one exists,
// boxes are not shown; each is recorded and answered from its queue.

#include <QString>
#include <QStringList>
#include <deque>

class QWidget;

namespace vantor::ui {

// Beep, then the text in an information box with an OK button.
void showInfo(QWidget* parent, const QString& text);
// Information box without the beep.
void showInfoQuiet(QWidget* parent, const QString& text);
// Beep, then a Yes/No question; true for Yes.
bool askYesNo(QWidget* parent, const QString& text);
// The default beep alone.
void beep();

class MessageBoxHook {
public:
    MessageBoxHook();
    ~MessageBoxHook();
    MessageBoxHook(const MessageBoxHook&) = delete;
    MessageBoxHook& operator=(const MessageBoxHook&) = delete;

    // Answers for the coming questions, in order; when none is left, No.
    void answer(bool yes) { answers_.push_back(yes); }

    const QStringList& shown() const { return shown_; }
    int beeps() const { return beeps_; }
    void clear() {
        shown_.clear();
        beeps_ = 0;
    }

private:
    friend void showInfoQuiet(QWidget*, const QString&);
    friend bool askYesNo(QWidget*, const QString&);
    friend void beep();
    std::deque<bool> answers_;
    QStringList shown_;
    int beeps_ = 0;
};

}  // namespace vantor::ui
