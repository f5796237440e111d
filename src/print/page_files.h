#pragma once
// A document written as files: one PDF (A4 portrait, the whole sheet
// printable, text kept as text in the embedded IPA fonts) and one PNG per
// page. Both print through printDocument, and each file is made in memory
// and put in place whole, so that a file of that name stays as it was when
// writing fails. Needs a QGuiApplication with the font substitutes
// registered.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "print/print_document.h"

namespace vantor::print {

// The resolution pages are set at in the PDF.
inline constexpr int kPdfDotsPerInch = 600;

// Pages from .. to (counted from 1; to 0 for the last page) as one PDF
// file; an error text, or nothing when the file was written.
std::optional<std::string> writePdf(const PrintDocument& doc, const std::filesystem::path& file,
                                    const std::string& title, int from = 1, int to = 0);

// Writes page-01.png, page-02.png, ... into folder (which must exist) at
// dotsPerInch; gives the files written, or an error text.
struct PngPages {
    std::vector<std::filesystem::path> files;
    std::optional<std::string> error;
};
PngPages writePngs(const PrintDocument& doc, const std::filesystem::path& folder, int dotsPerInch);

}  // namespace vantor::print
