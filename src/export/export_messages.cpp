#include "export/export_messages.h"

namespace vantor::sqlexport {

std::vector<std::string> reportLines(const ExportReport& report) {
    std::vector<std::string> lines = report.notices;
    lines.push_back("store files exported: " + std::to_string(report.filesRead) +
                    ", unchanged: " + std::to_string(report.filesUnchanged) +
                    ", gone from the store: " + std::to_string(report.filesRemoved));
    if (!report.damaged.empty()) {
        lines.push_back("damaged store files skipped: " + std::to_string(report.damaged.size()));
        for (const auto& path : report.damaged) lines.push_back("  " + path);
    }
    if (!report.liveSkips.entries().empty()) {
        lines.push_back("live records left out:");
        for (const auto& skip : report.liveSkips.entries()) lines.push_back("  " + liveSkipText(skip));
    }
    return lines;
}

std::string failureText(const std::string& target, const std::string& error) {
    return "the export into " + target + " failed, nothing was changed: " + error;
}

}  // namespace vantor::sqlexport
