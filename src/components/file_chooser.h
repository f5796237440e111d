#pragma once
// Where the program asks the user for a folder or a file: modal dialogs of
// Qt's own kind, whatever the desktop offers.
//
// Tests answer them through FileDialogHook: while one exists, no dialog is
// shown; each request is recorded and answered from the hook's queue.

#include <QString>
#include <deque>
#include <optional>
#include <vector>

class QWidget;

namespace vantor::ui {

// A folder chosen in a dialog that shows text under its folder view and
// enables OK only while a folder is selected; nothing when the user
// cancelled.
std::optional<QString> chooseFolder(QWidget* parent, const QString& caption, const QString& text,
                                    const QString& startFolder);

// An existing file chosen in a dialog that lists the files matching filter
// (a Qt name filter such as "Texts (*.txt)"); nothing when the user cancelled.
std::optional<QString> chooseFile(QWidget* parent, const QString& caption, const QString& startFolder,
                                  const QString& filter);

// A file to write, existing or new, chosen in a dialog that lists the files
// matching filter; choosing an existing file asks nothing more. Nothing when
// the user cancelled.
std::optional<QString> chooseSaveFile(QWidget* parent, const QString& caption, const QString& startPath,
                                      const QString& filter);

class FileDialogHook {
public:
    // What the program asked: the dialog's caption, start folder and, for
    // files, filter.
    struct Request {
        QString caption, startFolder, filter;
    };

    FileDialogHook();
    ~FileDialogHook();
    FileDialogHook(const FileDialogHook&) = delete;
    FileDialogHook& operator=(const FileDialogHook&) = delete;

    // The answer to the next request, in order: a path, or nothing for
    // Cancel. When none is left, the request is cancelled.
    void answer(const std::optional<QString>& path) { answers_.push_back(path.value_or(QString())); }

    const std::vector<Request>& requests() const { return requests_; }

private:
    friend std::optional<QString> chooseFolder(QWidget*, const QString&, const QString&, const QString&);
    friend std::optional<QString> chooseFile(QWidget*, const QString&, const QString&, const QString&);
    friend std::optional<QString> chooseSaveFile(QWidget*, const QString&, const QString&, const QString&);
    std::optional<QString> take(Request request);

    std::deque<QString> answers_;  // a null text for Cancel
    std::vector<Request> requests_;
};

}  // namespace vantor::ui
