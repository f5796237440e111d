#pragma once
// TVersionForm: the modal version dialog of the help menu.

#include <QDialog>

class QLabel;

namespace vantor {

class TVersionForm : public QDialog {
    Q_OBJECT
public:
    explicit TVersionForm(QWidget* parent = nullptr);

    QLabel* VersionLabel;
};

}  // namespace vantor
