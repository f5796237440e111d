#pragma once
// The program folder's writer lock for a command of the windows: taken for
// as long as the command writes, or refused with a message box that names
// the program holding the folder.

#include <QWidget>
#include <filesystem>
#include <optional>
#include <string_view>

#include "fileio/writer_lock.h"

namespace vantor::ui {

// who says what is writing ("vantor ＪＶデータ取得"); nothing when refused.
std::optional<WriterLock> takeWriterLock(QWidget* parent, const std::filesystem::path& appDir, std::string_view who);

}  // namespace vantor::ui
