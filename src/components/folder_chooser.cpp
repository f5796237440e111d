#include "components/folder_chooser.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

namespace vantor::ui {

std::optional<QString> chooseFolder(QWidget* parent, const QString& caption, const QString& text,
                                    const QString& startFolder) {
    QFileDialog dialog(parent, caption, startFolder);
    // Qt's own dialog, so that the explanatory text can be placed in it.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setFileMode(QFileDialog::Directory);
    if (!text.isEmpty()) {
        if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout())) {
            auto* label = new QLabel(text, &dialog);
            label->setWordWrap(true);
            grid->addWidget(label, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

}  // namespace vantor::ui
