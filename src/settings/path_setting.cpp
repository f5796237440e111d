#include "settings/path_setting.h"

#include "text/encoding.h"

namespace vantor {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Whether the settings file would read the value back other than written.
bool needsQuotes(const std::string& value) {
    if (value.empty()) return false;
    return isBlank(value.front()) || isBlank(value.back()) || value.front() == '"';
}

}  // namespace

std::optional<std::filesystem::path> readSetting(const TIniGT& ini, const PathSetting& s) {
    if (!ini.ValueExists(s.section, s.key)) return std::nullopt;
    const SjisString stored = ini.ReadString(s.section, s.key, {});
    return std::filesystem::path(isValidUtf8(stored.bytes()) ? stored.bytes() : cp932ToUtf8(stored));
}

void writeSetting(SettingsBatch& batch, const PathSetting& s, const std::filesystem::path& path) {
    const std::string& bytes = path.native();
    // The path's own bytes go into the file, unconverted.
    batch.set(s.section, s.key, sjisBytes(needsQuotes(bytes) ? '"' + bytes + '"' : bytes));
}

}  // namespace vantor
