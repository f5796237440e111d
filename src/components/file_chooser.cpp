#include "components/file_chooser.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>

namespace vantor::ui {
namespace {

FileDialogHook* activeHook = nullptr;

std::optional<QString> run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// A file in Qt's own dialog, to open (an existing file) or to save.
std::optional<QString> askForFile(QWidget* parent, const QString& caption, const QString& start, const QString& filter,
                                  bool save) {
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (save) {
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
    }
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    return run(dialog);
}

}  // namespace

FileDialogHook::FileDialogHook() { activeHook = this; }
FileDialogHook::~FileDialogHook() { activeHook = nullptr; }

std::optional<QString> FileDialogHook::take(Request request) {
    requests_.push_back(std::move(request));
    if (answers_.empty()) return std::nullopt;
    const QString answer = answers_.front();
    answers_.pop_front();
    if (answer.isNull()) return std::nullopt;
    return answer;
}

std::optional<QString> chooseFolder(QWidget* parent, const QString& caption, const QString& text,
                                    const QString& startFolder) {
    if (activeHook) return activeHook->take({caption, startFolder, QString()});
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
    return run(dialog);
}

std::optional<QString> chooseFile(QWidget* parent, const QString& caption, const QString& startFolder,
                                  const QString& filter) {
    if (activeHook) return activeHook->take({caption, startFolder, filter});
    return askForFile(parent, caption, startFolder, filter, false);
}

std::optional<QString> chooseSaveFile(QWidget* parent, const QString& caption, const QString& startPath,
                                      const QString& filter) {
    if (activeHook) return activeHook->take({caption, startPath, filter});
    return askForFile(parent, caption, startPath, filter, true);
}

}  // namespace vantor::ui
