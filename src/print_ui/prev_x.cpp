#include "print_ui/prev_x.h"

#include <QPainter>
#include <QPrinter>

#include "components/file_chooser.h"
#include "components/message_box.h"
#include "painting/renderer.h"
#include "print/page_files.h"
#include "print/print_pages.h"

namespace vantor::ui {
namespace {

constexpr int kBorder = 10;

}  // namespace

TPrevX::TPrevX(QPrinter& printer, QWidget* parent) : QWidget(parent), printer_(printer) {
    setObjectName(QStringLiteral("PrevX1"));
    UpdateMetrics();
}

void TPrevX::StartDoc() {
    SetPaper();
    currentPage_ = 1;
    printFrom_ = 1;
    printTo_ = 9999;
    document_.pages.assign(1, draw::Page{});
}

void TPrevX::NewPage() { document_.pages.emplace_back(); }

void TPrevX::EndDoc() { update(); }

void TPrevX::SetCurrentPage(int p) {
    if (p == currentPage_ || p < 1 || p > PageCount()) return;
    currentPage_ = p;
    update();
}

void TPrevX::SetPrintFrom(int p) {
    if (p == printFrom_ || p < 1 || p > PageCount()) return;
    printFrom_ = p;
}

void TPrevX::SetPrintTo(int p) {
    if (p == printTo_ || p < 1) return;
    printTo_ = p;
}

void TPrevX::SetZoomScale(int percent) {
    if (percent == zoom_ || percent < 25 || percent > 200) return;
    zoom_ = percent;
    UpdateMetrics();
}

void TPrevX::PrintPages() {
    const int to = std::min(PageCount(), printTo_);
    if (printFrom_ > to) return;
    if (jobRunner_)
        jobRunner_(Title, printFrom_, to);
    else
        printOnPrinter(printFrom_, to);
}

void TPrevX::printOnPrinter(int from, int to) {
    if (printer_.outputFormat() == QPrinter::PdfFormat) {
        printToPdf(from, to);
        return;
    }
    // Whatever paper the printer was set to since (by the printer setup,
    // say), each job goes out on A4 portrait, the paper the pages are laid
    // out for.
    SetPaper();
    printer_.setDocName(Title);
    if (print::printDocument(document_, printer_, from, to))
        ui::showInfo(this, QStringLiteral("プリンタ「%1」に印刷できませんでした。").arg(printer_.printerName()));
}

void TPrevX::printToPdf(int from, int to) {
    // Without a system printer the pages are written as PDF: the user names the file.
    const auto file = ui::chooseSaveFile(this, Title, QString(), QStringLiteral("PDF (*.pdf)"));
    if (!file || file->isEmpty()) return;
    if (print::writePdf(document_, file->toStdString(), Title.toStdString(), from, to))
        ui::showInfo(this, QStringLiteral("PDFファイル「%1」に書き込めませんでした。").arg(*file));
}

// Screen pixels per printer dot at the zoom.
double TPrevX::previewFactor() const {
    return logicalDpiY() / static_cast<double>(printer_.resolution()) * zoom_ / 100.0;
}

QSize TPrevX::previewPageSize() const {
    const QRect full = printer_.pageLayout().fullRectPixels(printer_.resolution());
    return QSize(qRound(full.width() * previewFactor()), qRound(full.height() * previewFactor()));
}

QRect TPrevX::previewPrintableRect() const {
    const QRect paint = printer_.pageLayout().paintRectPixels(printer_.resolution());
    const double f = previewFactor();
    return QRect(qRound(paint.x() * f), qRound(paint.y() * f), qRound(paint.width() * f), qRound(paint.height() * f));
}

void TPrevX::UpdateMetrics() {
    const QSize page = previewPageSize();
    setFixedSize(page.width() + 2 * kBorder, page.height() + 2 * kBorder);
    update();
}

void TPrevX::SetPaper() {
    printer_.setPageSize(QPageSize(QPageSize::A4));
    printer_.setPageOrientation(QPageLayout::Portrait);
    // Pages are placed from the top-left corner of what the printer can
    // print, not inside the margins Qt gives a printer of its own accord.
    printer_.setPageMargins(printer_.pageLayout().minimumMargins(), printer_.pageLayout().units());
    UpdateMetrics();
}

void TPrevX::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QSize sheet = previewPageSize();
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine));
    painter.setBrush(Qt::white);
    painter.drawRect(kBorder, kBorder, sheet.width(), sheet.height());
    const QRect printable = previewPrintableRect().translated(kBorder, kBorder);
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.drawRect(printable);
    if (document_.pages.empty()) return;
    const int printerDpi = printer_.resolution();
    draw::paintPage(painter, page(currentPage_),
                    {printerDpi * previewFactor(), printerDpi, QPointF(printable.topLeft())});
}

}  // namespace vantor::ui
