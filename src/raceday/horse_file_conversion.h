#pragma once
// Conversion of a horse master file from the earlier 1577-byte layout
// (.jvUMA) to the current 1609-byte layout (.jvUM2). The two layouts hold
// the same fields in the same order; three are wider now (pedigree ids,
// breeder code, breeder name) and take their old bytes after two blanks.

#include <filesystem>

#include "fileio/whole_file.h"
#include "raceday/load_files.h"
#include "text/sjis.h"

namespace vantor {

// One 1609-byte record (with CR LF) per whole 1577-byte record of the
// earlier layout, in the same order; a trailing partial record is ignored.
SjisString widenHorseRecords(SjisView earlierLayout);

// Writes um2File from umaFile (read through read, written through files).
// Nothing is written when umaFile is missing or holds no whole record;
// false then, and when the write fails.
bool UMConvertBtnClick(const std::filesystem::path& umaFile, const std::filesystem::path& um2File,
                       const FileReader& read = readFilePart, FileAccess& files = diskFiles());

}  // namespace vantor
