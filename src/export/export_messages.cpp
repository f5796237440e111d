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

std::vector<std::string> analysisDbLines(const AnalysisDbUpdate& update) {
    using Status = AnalysisDbUpdate::Status;
    std::vector<std::string> lines;
    if (update.status == Status::failed)
        lines.push_back("the analysis database was not brought up to date: " + update.problem);
    if (update.status == Status::rebuilt) lines.push_back("the analysis database was rebuilt: " + update.problem);
    const ExportReport& r = update.report;
    const bool said = r.filesRead > 0 || r.filesRemoved > 0 || !r.damaged.empty() || !r.notices.empty() ||
                      !r.liveSkips.entries().empty();
    if (update.status == Status::failed || !said) return lines;
    for (const auto& line : reportLines(r)) lines.push_back("analysis database: " + line);
    return lines;
}

}  // namespace vantor::sqlexport
