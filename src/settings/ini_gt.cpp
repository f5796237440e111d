#include "settings/ini_gt.h"

#include <charconv>
#include <optional>

#include "fileio/folder_update_lock.h"
#include "fileio/link_target.h"
#include "settings/app_dir.h"
#include "settings/ini_file.h"
#include "settings/program_settings.h"
#include "settings/user_dirs.h"
#include "text/formatted.h"
#include "text/sjis_chars.h"

namespace vantor {
namespace {

// Half-width corner brackets "｢" and "｣".
constexpr char kOpenBracket = '\xA2';
constexpr char kCloseBracket = '\xA3';

std::optional<int> decimalInt(SjisView text) {
    if (text.size() > 1 && text[0] == '+' && text[1] >= '0' && text[1] <= '9') text.remove_prefix(1);
    int value = 0;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (result.ec != std::errc{} || result.ptr != end) return std::nullopt;
    return value;
}

// 0xA3 is also a possible trail byte, so a closing bracket must be a
// character of its own; otherwise the last double-byte character is kept whole.
bool endsWithCloseBracket(SjisView text) {
    return text.back() == kCloseBracket && lastSjisCharStart(text) == text.size() - 1;
}

SjisView unquoted(SjisView value) {
    if (value == "\"\"" || value == "\xA2\xA3"_sjis) return {};
    if (value.size() > 2 && ((value.front() == '"' && value.back() == '"') ||
                             (value.front() == kOpenBracket && endsWithCloseBracket(value)))) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

// A missing or unreadable file reads as empty: every key takes its default.
std::optional<SjisString> storedValue(FileAccess& files, const std::filesystem::path& path, SjisView section,
                                      SjisView key) {
    const FileContent file = files.readWhole(path);
    const auto value = iniValue(sjisBytes(file.bytes), section, key);
    return value ? std::optional<SjisString>(*value) : std::nullopt;
}

}  // namespace

std::string TIniGT::defaultFileName() {
    // The executable stays what it is while it runs: asked once.
    static const std::string name = [] {
        auto file = executablePath().filename();
        return file.empty() ? std::string(kProgramSettingsName) : file.replace_extension(".ini").string();
    }();
    return name;
}

void TIniGT::setFileName(std::string name) { fileName_ = name.empty() ? defaultFileName() : std::move(name); }

std::filesystem::path TIniGT::filePath() const {
    const std::filesystem::path name = fileName_;
    if (name.has_parent_path()) return name;
    switch (defaultDir_) {
        case TIniGTDefaultDir::ddApplication:
            return appDir() / name;
        case TIniGTDefaultDir::ddWindows:
            return userConfigFolder() / name;
        case TIniGTDefaultDir::ddNone:
            break;
    }
    return name;
}

int TIniGT::ReadInteger(SjisView section, SjisView key, int defaultValue) const {
    const auto value = storedValue(*files_, filePath(), section, key);
    return value ? decimalInt(*value).value_or(defaultValue) : defaultValue;
}

SjisString iniInteger(int value) { return formatted("%d", value); }

SjisString iniBool(bool value) { return SjisString(value ? "1"_sjis : "0"_sjis); }

bool TIniGT::WriteInteger(SjisView section, SjisView key, int value) {
    return WriteString(section, key, iniInteger(value));
}

bool TIniGT::ReadBool(SjisView section, SjisView key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool TIniGT::WriteBool(SjisView section, SjisView key, bool value) { return WriteString(section, key, iniBool(value)); }

bool TIniGT::ValueExists(SjisView section, SjisView key) const {
    return storedValue(*files_, filePath(), section, key).has_value();
}

SjisString TIniGT::ReadString(SjisView section, SjisView key, SjisView defaultValue) const {
    const auto value = storedValue(*files_, filePath(), section, key);
    return value ? SjisString(unquoted(*value)) : SjisString(defaultValue);
}

bool TIniGT::WriteString(SjisView section, SjisView key, SjisView value) {
    return WriteValues({{SjisString(section), SjisString(key), SjisString(value)}});
}

bool TIniGT::WriteValues(const std::vector<Change>& changes) {
    if (changes.empty()) return true;
    // A settings file kept elsewhere through a link is replaced where it
    // lives, so the link stays a link.
    const auto path = linkTarget(filePath());
    if (!path) return false;
    // Another window or command may write a key of the same file at the
    // same moment: each update reads and replaces the file under the lock.
    const FolderUpdateLock lock(path->parent_path());
    auto file = files_->readWhole(*path);
    // A file that exists but cannot be read is never replaced: that would lose its other settings.
    if (file.status == FileContent::Status::unreadable) return false;
    IniText ini(SjisString::fromBytes(std::move(file.bytes)));
    for (const Change& c : changes)
        if (!ini.setValue(c.section, c.key, c.value)) return false;
    return files_->replace(*path, ini.text().bytes(), Durability::flushed);
}

}  // namespace vantor
