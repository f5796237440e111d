#include "print/page_files.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

#include "output/renderer.h"

namespace vantor::print {
namespace {

QString qpath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

}  // namespace

std::optional<std::string> writePdf(const PrintDocument& doc, const std::filesystem::path& file,
                                    const std::string& title) {
    QPdfWriter writer(qpath(file));
    writer.setTitle(QString::fromStdString(title));
    writer.setCreator(QStringLiteral("Vantor"));
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setResolution(kPdfDotsPerInch);
    QPainter painter;
    if (!painter.begin(&writer)) return "cannot write " + file.string();
    const draw::PageScale scale{kPdfDotsPerInch, kPdfDotsPerInch, {}};
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        if (p > 0) writer.newPage();
        draw::paintPage(painter, doc.pages[p], scale);
    }
    if (!painter.end()) return "cannot write " + file.string();
    return std::nullopt;
}

PngPages writePngs(const PrintDocument& doc, const std::filesystem::path& folder, int dotsPerInch) {
    PngPages out;
    const auto dots = [dotsPerInch](int units) { return qRound(units * dotsPerInch / 254.0); };
    const int dotsPerMetre = qRound(dotsPerInch / 0.0254);
    // Names as wide as the last page's number, so that they sort in page order.
    const int digits = std::max(2, static_cast<int>(std::to_string(doc.pages.size()).size()));
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        QImage image(dots(draw::kA4Width), dots(draw::kA4Height), QImage::Format_RGB32);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        image.fill(Qt::white);
        QPainter painter(&image);
        draw::paintPage(painter, doc.pages[p], {static_cast<double>(dotsPerInch), dotsPerInch, {}});
        painter.end();
        const auto file = folder / QStringLiteral("page-%1.png").arg(p + 1, digits, 10, QLatin1Char('0')).toStdString();
        if (!image.save(qpath(file))) {
            out.error = "cannot write " + file.string();
            return out;
        }
        out.files.push_back(file);
    }
    return out;
}

}  // namespace vantor::print
