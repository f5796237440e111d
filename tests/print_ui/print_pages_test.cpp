// Printing a document on a device: the range it takes, a device that
// cannot be opened, a page painted where the layout puts it, and PDF files
// put in place whole.

#include "print/print_pages.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPaintDevice>

#include "print/page_files.h"
#include "support/pdf_text.h"
#include "support/temp_dir.h"

using namespace vantor;
using print::PrintFailure;

namespace {

// A device without a paint engine: no painter can begin on it.
class ClosedDevice final : public QPaintDevice {
public:
    QPaintEngine* paintEngine() const override { return nullptr; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        return metric == PdmDpiX || metric == PdmDpiY || metric == PdmPhysicalDpiX || metric == PdmPhysicalDpiY ? 600
                                                                                                                : 100;
    }
};

// Pages each holding one black square, page p's p cm from the top-left corner.
print::PrintDocument squares(int pages) {
    print::PrintDocument doc;
    for (int p = 1; p <= pages; ++p) doc.pages.push_back({{draw::Fill{p * 100, p * 100, 50, 50, draw::kBlack}}});
    return doc;
}

QImage a4Image(int dotsPerInch) {
    QImage image(qRound(draw::kA4Width * dotsPerInch / 254.0), qRound(draw::kA4Height * dotsPerInch / 254.0),
                 QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
    image.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
    image.fill(Qt::white);
    return image;
}

}  // namespace

TEST(PrintDocument, PaintsARangeWithinTheDocumentAndSaysWhenTheDeviceCannotBeOpened) {
    const auto doc = squares(3);
    ClosedDevice closed;
    EXPECT_EQ(print::printDocument(doc, closed, 1, 1), PrintFailure::begin);
    QImage image = a4Image(100);
    for (const auto& [from, to] : {std::pair{0, 1}, {2, 1}, {3, 4}, {1, 2}})  // 1 .. 2: an image holds one page
        EXPECT_EQ(print::printDocument(doc, image, from, to), PrintFailure::range) << from << ".." << to;
    EXPECT_EQ(print::printDocument(print::PrintDocument{}, image, 1, 1), PrintFailure::range);

    QImage exact = a4Image(254);  // one dot per page unit
    ASSERT_EQ(print::printDocument(doc, exact, 2, 2), std::nullopt);
    EXPECT_EQ(exact.pixelColor(225, 225), Qt::black);  // page 2's square: 200 .. 250
    EXPECT_EQ(exact.pixelColor(195, 195), Qt::white);
    EXPECT_EQ(exact.pixelColor(125, 125), Qt::white);  // page 1's square is not there
}

TEST(PrintDocument, PdfFilesHoldTheRangeAndAreReplacedWholeOrNotAtAll) {
    const test::TempDir dir;
    const auto file = dir / "cards.pdf";
    test::writeFile(file, "the user's own file");
    ASSERT_EQ(print::writePdf(squares(3), file, "title", 2, 3), std::nullopt);
    EXPECT_EQ(test::readFile(file).substr(0, 5), "%PDF-");
    EXPECT_EQ(test::pdfPages(file).size(), 2u);
    ASSERT_EQ(print::writePdf(squares(3), file, "title"), std::nullopt);
    EXPECT_EQ(test::pdfPages(file).size(), 3u);

    // A name taken by a folder and a folder that is missing: an error, and
    // what was there stays.
    std::filesystem::create_directory(dir / "taken.pdf");
    EXPECT_EQ(print::writePdf(squares(1), dir / "taken.pdf", "title"), "cannot write " + (dir / "taken.pdf").string());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "taken.pdf"));
    EXPECT_NE(print::writePdf(squares(1), dir / "missing/x.pdf", "title"), std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 2) << "no temporary left";
}
