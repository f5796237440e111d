#pragma once
// "JV-Link設定": where JV-Link comes from. Either the feed folder JV-Link
// reads from (its "save folder") with the simulated download time per
// file, or JV-Link itself under Wine: the Wine command, the prefix where
// JV-Link is installed and the bridge program that drives it.

#include <QDialog>

#include "jvlink/jvlink_choice.h"

class QLineEdit;
class QRadioButton;
class QSpinBox;
class QWidget;

namespace vantor {

class TJVLinkSettingsDialog : public QDialog {
    Q_OBJECT
public:
    TJVLinkSettingsDialog(QWidget* parent, const JVLinkChoice& choice);

    // The choice as the dialog shows it now.
    JVLinkChoice choice() const;

    QRadioButton* folderSource() const { return folderSource_; }
    QRadioButton* wineSource() const { return wineSource_; }
    QLineEdit* folderEdit() const { return folder_; }
    QLineEdit* wineCommandEdit() const { return wineCommand_; }
    QLineEdit* prefixEdit() const { return prefix_; }
    QLineEdit* bridgeEdit() const { return bridge_; }

private:
    void showSource();

    JVLinkChoice start_;
    QRadioButton* folderSource_ = nullptr;
    QRadioButton* wineSource_ = nullptr;
    QWidget* folderPage_ = nullptr;
    QWidget* winePage_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QSpinBox* pace_ = nullptr;
    QLineEdit* wineCommand_ = nullptr;
    QLineEdit* prefix_ = nullptr;
    QLineEdit* bridge_ = nullptr;
};

// Shows the dialog; on OK copies the choice and returns true, on Cancel
// leaves it and returns false.
bool editJVLinkChoice(QWidget* parent, JVLinkChoice& choice);

}  // namespace vantor
