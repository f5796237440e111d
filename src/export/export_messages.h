#pragma once
// What an export says when it ends, in UTF-8, as the command line prints
// it; the window says the same in Japanese.

#include <string>
#include <vector>

#include "export/analysis_db.h"
#include "export/store_export.h"

namespace vantor::sqlexport {

// What the files beside the store said, the counts of store files, then
// the damaged files by name and the live records left out.
std::vector<std::string> reportLines(const ExportReport& report);

// A failed export: the database error, and that nothing was changed.
std::string failureText(const std::string& target, const std::string& error);

// What an update of the analysis database says: a rebuild or a failure and
// why, then the export's lines when it wrote or found anything to say;
// nothing when there was nothing new.
std::vector<std::string> analysisDbLines(const AnalysisDbUpdate& update);

}  // namespace vantor::sqlexport
