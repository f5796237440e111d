#include "painting/ops_files.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "fileio/whole_file.h"
#include "painting/renderer.h"

namespace vantor::draw {
namespace {

std::optional<std::string> replaceWith(const QByteArray& bytes, const std::filesystem::path& file) {
    if (!replaceWholeFile(file, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))))
        return "cannot write " + file.string();
    return std::nullopt;
}

}  // namespace

std::optional<std::string> writeOpsPng(const Ops& ops, int width, int height, const std::filesystem::path& file) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    render(painter, ops);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) return "cannot make " + file.string();
    return replaceWith(bytes, file);
}

std::optional<std::string> writeOpsPdf(const Ops& ops, int width, int height, const std::filesystem::path& file,
                                       const std::string& title) {
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(QStringLiteral("Vantor"));
        // Points are 1/72 inch; the list's pixels 1/96.
        const QPageSize size(QSizeF(width * 72.0 / kScreenDotsPerInch, height * 72.0 / kScreenDotsPerInch),
                             QPageSize::Point, QString(), QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(kScreenDotsPerInch);
        QPainter painter;
        if (!painter.begin(&writer)) return "cannot make " + file.string();
        render(painter, ops);
        if (!painter.end()) return "cannot make " + file.string();
    }
    return replaceWith(bytes, file);
}

}  // namespace vantor::draw
