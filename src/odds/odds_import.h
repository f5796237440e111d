#pragma once
// The predicted-odds import (the core of YozBtnClick): an odds archive the
// user chose becomes the day's ".yoz" file in the store's data folder.
//
// In the archive's folder F, the leftovers of earlier imports are removed
// ("Oz" + D + ".txt", "kol_ods.kd2", "yosoodds.dat"; D is characters 3-8
// of the archive's name, the date yymmdd of a JRDB archive "OZyymmdd.lzh"),
// the archive is extracted into F, and then "Oz" + D + ".txt" is converted
// as JRDB base odds or else "kol_ods.kd2" as KOL predicted odds. The new
// odds take effect when the day is loaded again.
//
// The output is named after a date, never written unless that date is
// whole digits: D for JRDB, characters 13-20 of the first line for KOL.
// It is written in one step, replacing an earlier file of that day, and
// the converted file is then removed from F.

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
        notExtracted,  // the archive yielded no file: "データが解凍できませんでした。"
        noOddsFile,    // neither odds file was in it: the import stops without a word
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
