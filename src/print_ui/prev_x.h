#pragma once
// TPrevX: the page store of the print preview. It holds the pages of one
// document as drawing operations, shows one of them at a zoom as the
// printer's physical page with its printable area dotted, and prints a
// range of pages on the printer through print::printDocument, each page
// painted by draw::paintPage at the printer's resolution, so that the
// preview shows what is printed. A job that fails is told in a message box.

#include <QString>
#include <QWidget>
#include <functional>

#include "print/print_document.h"

class QPrinter;

namespace vantor::ui {

class TPrevX : public QWidget {
    Q_OBJECT
public:
    explicit TPrevX(QPrinter& printer, QWidget* parent = nullptr);

    // A document: StartDoc sets the paper (SetPaper) and makes page 1,
    // NewPage appends the next page, and what is drawn goes into the last
    // page made; EndDoc shows page 1.
    void StartDoc();
    void NewPage();
    void EndDoc();
    draw::Page& PageCanvas() { return document_.pages.back(); }

    int CurrentPage() const { return currentPage_; }
    int PageCount() const { return static_cast<int>(document_.pages.size()); }
    int PrintFrom() const { return printFrom_; }
    int PrintTo() const { return printTo_; }
    const draw::Page& page(int p) const { return document_.pages[static_cast<std::size_t>(p - 1)]; }

    // Each ignores a page outside 1 .. PageCount (PrintTo only one below 1).
    void SetCurrentPage(int p);
    void SetPrintFrom(int p);
    void SetPrintTo(int p);

    QString Title;
    int ZoomScale() const { return zoom_; }
    // Percent; values outside 25..200 are ignored.
    void SetZoomScale(int percent);

    // One printer job of pages PrintFrom .. min(PageCount, PrintTo), on A4
    // portrait whatever paper the printer was set to. A PDF printer (the
    // stand-in when the system has none) first asks for the file, and the
    // file is put in place whole or, when writing fails, left as it was.
    void PrintPages();
    // Who runs a print job; by default, and when set to none, the preview
    // prints the pages itself.
    using JobRunner = std::function<void(const QString& title, int from, int to)>;
    void setJobRunner(JobRunner runner) { jobRunner_ = std::move(runner); }

    // The printer's page geometry in screen pixels at the zoom.
    QSize previewPageSize() const;
    QRect previewPrintableRect() const;

    QPrinter& printer() { return printer_; }
    // Sets the printer's paper to A4 portrait, printable as far as the
    // printer can print (its smallest margins).
    void SetPaper();
    // Re-reads the printer's geometry (after the printer setup) and resizes.
    void UpdateMetrics();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void printOnPrinter(int from, int to);
    void printToPdf(int from, int to);
    double previewFactor() const;

    QPrinter& printer_;
    print::PrintDocument document_;
    int currentPage_ = 1;
    int printFrom_ = 1;
    int printTo_ = 9999;
    int zoom_ = 25;
    JobRunner jobRunner_;
};

}  // namespace vantor::ui
