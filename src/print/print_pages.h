#pragma once
// Prints pages of a document on a device: a printer, a PDF writer, or an
// image for one page. Each page is painted by draw::paintPage at the
// device's resolution, from the top-left corner of what it can print.

#include <optional>

#include "print/print_document.h"

class QPaintDevice;

namespace vantor::print {

enum class PrintFailure {
    range,   // from .. to is empty, outside the document, or more than one page on an image
    begin,   // the device could not be opened (a printer gone, a file that cannot be made)
    finish,  // a page could not be added, or the job not be finished
};

// Pages from .. to, counted from 1, one job. Nothing when printed.
std::optional<PrintFailure> printDocument(const PrintDocument& doc, QPaintDevice& device, int from, int to);

}  // namespace vantor::print
