#include "analysis_update.h"

#include <unistd.h>

#include <iostream>

#include "export/analysis_db.h"
#include "export/export_messages.h"
#include "progress_lines.h"
#include "usermarks/user_marks_export.h"

namespace vantor::cli {

void updateAnalysisDb(const Context& ctx) {
    const UserMarksExportSource marks(ctx.appDir);
    ProgressLines progress("updating the analysis database", isatty(STDERR_FILENO) == 1);
    const auto update = sqlexport::updateAnalysisDb(StorePaths(ctx.appDir), {&marks},
                                                    [&progress](int done, int total) { progress.show(done, total); });
    progress.end();
    for (const auto& line : sqlexport::analysisDbLines(update)) std::cerr << line << '\n';
}

}  // namespace vantor::cli
