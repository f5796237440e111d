#include "print/page_files.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPdfWriter>

#include "fileio/whole_file.h"
#include "print/print_pages.h"

namespace vantor::print {
namespace {

std::string cannotWrite(const std::filesystem::path& file) { return "cannot write " + file.string(); }

}  // namespace

std::optional<std::string> writePdf(const PrintDocument& doc, const std::filesystem::path& file,
                                    const std::string& title, int from, int to) {
    // Made in memory and then put in place whole: a file that was there
    // before stays as it was when anything fails.
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&bytes);
        writer.setTitle(QString::fromStdString(title));
        writer.setCreator(QStringLiteral("Vantor"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        writer.setResolution(kPdfDotsPerInch);
        if (printDocument(doc, writer, from, to == 0 ? static_cast<int>(doc.pages.size()) : to))
            return cannotWrite(file);
    }
    if (!replaceWholeFile(file, std::string_view(bytes.data().constData(), static_cast<std::size_t>(bytes.size()))))
        return cannotWrite(file);
    return std::nullopt;
}

PngPages writePngs(const PrintDocument& doc, const std::filesystem::path& folder, int dotsPerInch) {
    PngPages out;
    const auto dots = [dotsPerInch](int units) { return qRound(units * dotsPerInch / 254.0); };
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    // Names as wide as the last page's number, so that they sort in page order.
    const int digits = std::max(2, static_cast<int>(std::to_string(doc.pages.size()).size()));
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const auto file = folder / QStringLiteral("page-%1.png").arg(p + 1, digits, 10, QLatin1Char('0')).toStdString();
        QImage image(dots(draw::kA4Width), dots(draw::kA4Height), QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        const int page = static_cast<int>(p) + 1;
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        if (printDocument(doc, image, page, page) || !image.save(&bytes, "PNG") ||
            !replaceWholeFile(file, std::string_view(bytes.data().constData(), static_cast<std::size_t>(bytes.size())),
                              Durability::renameOnly)) {
            out.error = cannotWrite(file);
            return out;
        }
        out.files.push_back(file);
    }
    return out;
}

}  // namespace vantor::print
