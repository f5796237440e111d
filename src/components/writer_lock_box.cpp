#include "components/writer_lock_box.h"

#include "components/message_box.h"

namespace vantor::ui {

std::optional<WriterLock> takeWriterLock(QWidget* parent, const std::filesystem::path& appDir, std::string_view who) {
    auto taken = WriterLock::take(appDir, who, false);
    if (auto* refused = std::get_if<std::string>(&taken)) {
        showInfo(parent, QString::fromStdString(*refused));
        return std::nullopt;
    }
    return std::move(std::get<WriterLock>(taken));
}

}  // namespace vantor::ui
