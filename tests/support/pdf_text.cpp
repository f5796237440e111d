#include "support/pdf_text.h"

#include <cmath>
#include <regex>

#include "support/run_command.h"
#include "support/temp_dir.h"

namespace vantor::test {

std::vector<PdfPage> pdfPages(const std::filesystem::path& pdf) {
    // pdfinfo stops at the last page when asked for more.
    const CommandOutput info = runCommand("pdfinfo -f 1 -l 99999 " + shellWord(pdf.string()));
    std::vector<PdfPage> pages;
    if (info.status != 0) return pages;
    static const std::regex size(R"(Page +(\d+) size: +([0-9.]+) x ([0-9.]+) pts)");
    static const std::regex rot(R"(Page +(\d+) rot: +(\d+))");
    for (std::sregex_iterator it(info.text.begin(), info.text.end(), size), end; it != end; ++it)
        pages.push_back({std::stod((*it)[2]), std::stod((*it)[3]), 0});
    for (std::sregex_iterator it(info.text.begin(), info.text.end(), rot), end; it != end; ++it) {
        const std::size_t p = std::stoul((*it)[1]);
        if (p >= 1 && p <= pages.size()) pages[p - 1].rotation = std::stoi((*it)[2]);
    }
    return pages;
}

bool isA4Portrait(const PdfPage& page) {
    constexpr double kWidth = 210 / 25.4 * 72, kHeight = 297 / 25.4 * 72;
    return page.rotation % 180 == 0 && std::abs(page.widthPt - kWidth) <= 1 && std::abs(page.heightPt - kHeight) <= 1;
}

std::string pdfBytesWithoutCreationDate(const std::filesystem::path& pdf) {
    std::string bytes = readFile(pdf);
    const auto date = bytes.find("/CreationDate (");
    if (date != std::string::npos) bytes.erase(date, bytes.find(')', date) - date);
    return bytes;
}

std::vector<PdfWord> pdfWords(const std::filesystem::path& pdf, int page) {
    const std::string p = std::to_string(page);
    const CommandOutput out = runCommand("pdftotext -bbox -f " + p + " -l " + p + " " + shellWord(pdf.string()) + " -");
    static const std::regex word(R"re(<word xMin="([0-9.]+)" yMin="([0-9.]+)"[^>]*>([^<]*)</word>)re");
    std::vector<PdfWord> words;
    for (std::sregex_iterator it(out.text.begin(), out.text.end(), word), end; it != end; ++it)
        words.push_back({std::stod((*it)[1]) * 25.4 / 72, std::stod((*it)[2]) * 25.4 / 72, (*it)[3]});
    return words;
}

std::vector<PdfWord> missingWords(const std::vector<PdfWord>& expected, const std::vector<PdfWord>& actual,
                                  double toleranceMm) {
    std::vector<bool> used(actual.size());
    std::vector<PdfWord> missing;
    for (const PdfWord& e : expected) {
        bool found = false;
        for (std::size_t k = 0; k < actual.size() && !found; ++k) {
            const PdfWord& a = actual[k];
            found = !used[k] && a.text == e.text && std::abs(a.xMm - e.xMm) <= toleranceMm &&
                    std::abs(a.yMm - e.yMm) <= toleranceMm;
            if (found) used[k] = true;
        }
        if (!found) missing.push_back(e);
    }
    return missing;
}

}  // namespace vantor::test
