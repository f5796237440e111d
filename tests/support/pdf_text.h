#pragma once
// Reading PDF files back as a reader sees them, through poppler-utils:
// pdfinfo for the pages' sizes, pdftotext -bbox for the words and where
// they stand.

#include <filesystem>
#include <string>
#include <vector>

namespace vantor::test {

// A page's size in points as the PDF gives it, and its rotation in degrees.
struct PdfPage {
    double widthPt = 0, heightPt = 0;
    int rotation = 0;
};

// Every page of the file; empty when it cannot be read as PDF.
std::vector<PdfPage> pdfPages(const std::filesystem::path& pdf);

// True for an A4 sheet standing upright (within a point).
bool isA4Portrait(const PdfPage& page);

// A word of a page: its text and its top-left corner in millimetres from
// the page's top-left corner.
struct PdfWord {
    double xMm = 0, yMm = 0;
    std::string text;
};

// The words of page (1-based).
std::vector<PdfWord> pdfWords(const std::filesystem::path& pdf, int page);

// The file's bytes without its creation date, the one thing two prints of
// the same pages differ in.
std::string pdfBytesWithoutCreationDate(const std::filesystem::path& pdf);

// The words of expected that actual lacks: no word of the same text within
// toleranceMm of its place (each actual word matches at most one).
std::vector<PdfWord> missingWords(const std::vector<PdfWord>& expected, const std::vector<PdfWord>& actual,
                                  double toleranceMm);

}  // namespace vantor::test
