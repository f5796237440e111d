#pragma once
// TSpeedButton: a flat tool-bar button that lights up under the mouse: its
// caption turns blue, the hot-track colour. Checkable buttons in a
// QButtonGroup make the "down" radio groups.

#include <QToolButton>

namespace vantor::ui {

class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void applyHot(bool hot);

    QPalette normal_;
    bool hot_ = false;
};

}  // namespace vantor::ui
