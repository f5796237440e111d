#pragma once
// The analysis database (export/analysis_db.h) brought up to date from the
// windows: nothing new costs a moment and shows nothing; a first build or
// an update that reads store files shows its progress in a box and keeps
// the windows alive, down to the seconds its indexes take.

#include <filesystem>
#include <string>

#include "export/analysis_db.h"

class QWidget;

namespace vantor {

class TPrgrsForm;

// The caller holds the program folder's writer lock. box: a progress box
// already shown (the first start's) to use; without one, a box centred on
// parent is shown once a store file is read.
sqlexport::AnalysisDbUpdate updateAnalysisDbShown(const std::filesystem::path& appDir, QWidget* parent,
                                                  TPrgrsForm* box = nullptr);

// What a window says of an update (UTF-8): that a damaged file was
// rebuilt, or that the update failed, and why; empty otherwise.
std::string analysisDbMessage(const sqlexport::AnalysisDbUpdate& update);

}  // namespace vantor
