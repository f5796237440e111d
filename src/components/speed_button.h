#pragma once
// TSpeedButton: a flat tool-bar button that lights up under the mouse: its
// caption takes the hot-track font colour and, when one is set, its face
// the hot-track colour. Checkable buttons in a QButtonGroup make the
// "down" radio groups.

#include <QColor>
#include <QToolButton>

namespace vantor::ui {

class TSpeedButton : public QToolButton {
    Q_OBJECT
public:
    explicit TSpeedButton(const QString& caption, QWidget* parent = nullptr);

    void setHotTrackFontColor(const QColor& colour) { hotFont_ = colour; }
    void setHotTrackColor(const QColor& colour) { hotFace_ = colour; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void applyHot(bool hot);

    QColor hotFont_{0, 0, 255};
    QColor hotFace_;
    QPalette normal_;
    bool hot_ = false;
};

}  // namespace vantor::ui
