#pragma once
// TPrgrsForm: the progress box of long operations. A borderless window
// that stays on top, 349 x 59 pixels, with a heading (what is being done),
// a status line below it (which item) and a smooth progress bar. Its users
// set the texts and the bar, show it with showCentred and close it.

#include <QWidget>

class QLabel;
class QProgressBar;

namespace vantor {

class TPrgrsForm : public QWidget {
    Q_OBJECT
public:
    // With a parent the box centres on the parent's window, otherwise on the screen.
    explicit TPrgrsForm(QWidget* parent = nullptr);

    void showCentred();

    QLabel* HeadingLabel;
    QLabel* StatusLabel;
    QProgressBar* ProgressBar1;
};

}  // namespace vantor
