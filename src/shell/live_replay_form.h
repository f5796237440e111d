#pragma once
// TLiveReplayForm: the 速報 switch's question on a past race day that has
// real-time files: play the day again from a Japan time at a speed.

#include <QDialog>

#include "shell/live_switch.h"

class QSpinBox;
class QTimeEdit;

namespace vantor {

class TLiveReplayForm : public QDialog {
    Q_OBJECT
public:
    explicit TLiveReplayForm(QWidget* parent = nullptr);

    LiveReplay replay() const;

    QTimeEdit* StartEdit;  // "開始時刻", 09:00 at first
    QSpinBox* SpeedEdit;   // "速度", times as fast as the clock, 60 at first
};

}  // namespace vantor
