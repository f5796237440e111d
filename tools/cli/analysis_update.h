#pragma once
// The writer commands' update of the analysis database (export/analysis_db.h)
// after they changed the store, under the writer lock they hold: its
// progress and what it did on standard error. It never changes the
// command's exit status: the store is filed whatever became of the
// database, which the next writer brings up to date.

#include "commands.h"

namespace vantor::cli {

void updateAnalysisDb(const Context& ctx);

}  // namespace vantor::cli
