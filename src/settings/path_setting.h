#pragma once
// A file or folder kept in the settings file. A path is the file system's
// bytes (UTF-8 on Linux), written as it is, never converted. A stored value
// that is not valid UTF-8 comes from a file the Windows program wrote, in
// CP932, and is read as such.

#include <filesystem>
#include <optional>

#include "settings/setting.h"

namespace vantor {

struct PathSetting {
    using Value = std::filesystem::path;
    SjisView section;
    SjisView key;
};

// The stored path, or nothing when the file holds none; an empty value is
// an empty path.
std::optional<std::filesystem::path> readSetting(const TIniGT& ini, const PathSetting& s);

// Quoted when the value would otherwise not read back the same (blanks at
// its ends, enclosing quotes).
void writeSetting(SettingsBatch& batch, const PathSetting& s, const std::filesystem::path& path);

}  // namespace vantor
