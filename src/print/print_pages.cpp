#include "print/print_pages.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "painting/renderer.h"

namespace vantor::print {

std::optional<PrintFailure> printDocument(const PrintDocument& doc, QPaintDevice& device, int from, int to) {
    auto* paged = dynamic_cast<QPagedPaintDevice*>(&device);
    if (from < 1 || to < from || to > static_cast<int>(doc.pages.size()) || (!paged && to > from))
        return PrintFailure::range;
    QPainter painter;
    if (!painter.begin(&device)) return PrintFailure::begin;
    const int dpi = device.logicalDpiY();
    for (int p = from; p <= to; ++p) {
        if (p > from && !paged->newPage()) {
            painter.end();
            return PrintFailure::finish;
        }
        draw::paintPage(painter, doc.pages[static_cast<std::size_t>(p - 1)], {static_cast<double>(dpi), dpi, {}});
    }
    if (!painter.end()) return PrintFailure::finish;
    return std::nullopt;
}

}  // namespace vantor::print
