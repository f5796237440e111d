#include "shell/help_page.h"

#include <QFile>

#include "fileio/whole_file.h"

namespace vantor {

bool writeHelpPage(const std::filesystem::path& file) {
    QFile builtIn(QStringLiteral(":/help/vantor.html"));
    if (!builtIn.open(QIODevice::ReadOnly)) return false;
    const QByteArray page = builtIn.readAll();
    const std::string_view content(page.constData(), static_cast<std::size_t>(page.size()));
    const FileContent current = readWholeFile(file);
    if (current.status == FileContent::Status::ok && current.bytes == content) return true;
    return replaceWholeFile(file, content);
}

}  // namespace vantor
