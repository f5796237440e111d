#pragma once
// The predicted-odds import (the core of YozBtnClick): an odds archive the
// user chose becomes the day's ".yoz" file in the store's data folder.
//
// Only the odds file the import reads is unpacked: "Oz" + D + ".txt" (D
// is characters 3-8 of the archive's name, the date yymmdd of a JRDB
// archive "OZyymmdd.lzh") as JRDB base odds, or else "kol_ods.kd2" as KOL
// predicted odds, letter case ignored. It goes into a private folder inside
// the program folder, removed when the import ends; nothing is written or
// removed beside the archive. Other members are skipped and counted, and an
// archive of more than kMaxArchiveMembers members is refused. The new odds
// take effect when the day is loaded again.
//
// The output is named after a date, never written unless that date is
// whole digits: D for JRDB, characters 13-20 of the first line for KOL.
// It is written in one step, replacing an earlier file of that day.

#include <filesystem>
#include <vector>

#include "store/store_paths.h"
#include "text/sjis.h"

namespace vantor {

struct OddsImportMessage {
    bool error = false;  // a failure or warning: the beep sounds before it
    SjisString text;
};

struct OddsImportOutcome {
    enum class Status {
        saved,
        notExtracted,  // the odds file could not be unpacked (or the archive was refused)
        noOddsFile,    // neither odds file was in it: only skipped members are reported
        failed,        // the odds file could not be read, named or saved
    };
    Status status = Status::noOddsFile;
    // To be shown in order: warnings about skipped members first, then the
    // result, if any.
    std::vector<OddsImportMessage> messages;
};

// chosenDayFrom2005: the day chosen in the main window lies in 2005 or
// later, which makes every KOL race take its quinella odds from the
// quinella block.
OddsImportOutcome importPredictedOdds(const std::filesystem::path& archive, const StorePaths& paths,
                                      bool chosenDayFrom2005);

}  // namespace vantor
