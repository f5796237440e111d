#pragma once
// The folder chooser: a modal dialog that lets the user pick an existing
// folder, with an explanatory text under the folder view. Its OK button is
// enabled only while a folder is selected.

#include <QString>
#include <optional>

class QWidget;

namespace vantor::ui {

// The chosen folder, or nothing when the user cancelled.
std::optional<QString> chooseFolder(QWidget* parent, const QString& caption, const QString& text,
                                    const QString& startFolder);

}  // namespace vantor::ui
