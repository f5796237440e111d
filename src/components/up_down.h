#pragma once
// TUpDown: a pair of arrow buttons that step a position between 0 and a
// maximum. Each click moves the position by one, never past the ends, and
// then reports clicked(), also when the position stayed.

#include <QWidget>

class QToolButton;

namespace vantor::ui {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int position() const { return position_; }
    void setPosition(int position);
    int maximum() const { return maximum_; }
    void setMaximum(int maximum);

    QToolButton& downButton() { return *down_; }
    QToolButton& upButton() { return *up_; }

signals:
    void clicked();

private:
    void step(int by);

    QToolButton* down_;
    QToolButton* up_;
    int position_ = 0;
    int maximum_ = 0;
};

}  // namespace vantor::ui
