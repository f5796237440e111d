#include <iostream>

#include "analysis_update.h"
#include "commands.h"
#include "odds/odds_import.h"
#include "text/encoding.h"
#include "text/sjis.h"

namespace vantor::cli {

// vantor-cli odds ARCHIVE [--day DAY]: the import of the "予想配当" button.
// --day names the day chosen in the window, whose year decides where KOL
// races of up to 8 runners take their quinella odds from (2005 on: the
// quinella block); without it no day is chosen, as right after start-up.
int odds(const Context& ctx) {
    if (ctx.args.words().size() != 2) {
        std::cerr << "odds needs one archive: vantor-cli odds ARCHIVE [--day DAY]\n";
        return 2;
    }
    const std::string day = ctx.args.value("--day").value_or("");
    const bool from2005 = lenientInt(std::string_view(day).substr(0, 4)) >= 2005;
    const OddsImportOutcome outcome = importPredictedOdds(ctx.args.words()[1], StorePaths(ctx.appDir), from2005);
    if (outcome.status == OddsImportOutcome::Status::saved) updateAnalysisDb(ctx);
    for (const OddsImportMessage& message : outcome.messages)
        (message.error ? std::cerr : std::cout) << cp932ToUtf8(message.text) << '\n';
    if (outcome.status == OddsImportOutcome::Status::noOddsFile)
        std::cerr << "the archive holds neither a JRDB nor a KOL odds file\n";
    return outcome.status == OddsImportOutcome::Status::saved ? 0 : 1;
}

}  // namespace vantor::cli
