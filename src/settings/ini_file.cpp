#include "settings/ini_file.h"

#include "text/sjis_chars.h"

namespace vantor {
namespace {

// Blank and tab cannot be trail bytes, so trimming them bytewise is safe.
constexpr SjisView kBlanks = " \t";

SjisView trimmedLeft(SjisView text) {
    const auto first = text.find_first_not_of(kBlanks);
    return first == SjisView::npos ? SjisView{} : text.substr(first);
}

SjisView trimmed(SjisView text) {
    text = trimmedLeft(text);
    return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

bool hasLineBreak(SjisView text) { return text.find_first_of("\r\n") != SjisView::npos; }

// The section a header line opens, or nothing for any other line.
std::optional<SjisView> sectionOf(SjisView line) {
    line = trimmedLeft(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = findSjisChar(line, ']');
    if (close == SjisView::npos) return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct Entry {
    SjisView key;
    SjisView value;
};

// The key and value of a "key=value" line, or nothing for any other line.
std::optional<Entry> entryOf(SjisView line) {
    line = trimmedLeft(line);
    if (line.empty() || line.front() == '[' || line.front() == ';') return std::nullopt;
    const std::size_t equals = findSjisChar(line, '=');
    if (equals == SjisView::npos) return std::nullopt;
    return Entry{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
}

bool isSection(SjisView line, SjisView section) {
    const auto name = sectionOf(line);
    return name && equalsIgnoringAsciiCase(*name, section);
}

}  // namespace

bool isValidIniSection(SjisView name) {
    return !name.empty() && trimmed(name) == name && !hasLineBreak(name) && findSjisChar(name, ']') == SjisView::npos;
}

bool isValidIniKey(SjisView name) {
    return !name.empty() && trimmed(name) == name && !hasLineBreak(name) && name.front() != '[' &&
           name.front() != ';' && findSjisChar(name, '=') == SjisView::npos;
}

IniText::IniText(SjisView content) {
    while (!content.empty()) {
        const std::size_t end = content.find('\n');
        SjisView line = content.substr(0, end);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.emplace_back(line);
        content.remove_prefix(end == SjisView::npos ? content.size() : end + 1);
    }
}

std::optional<std::size_t> IniText::findKey(SjisView section, SjisView key) const {
    if (!isValidIniSection(section) || !isValidIniKey(key)) return std::nullopt;
    bool inSection = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = sectionOf(lines_[i])) {
            inSection = equalsIgnoringAsciiCase(*name, section);
        } else if (inSection) {
            const auto entry = entryOf(lines_[i]);
            if (entry && equalsIgnoringAsciiCase(entry->key, key)) return i;
        }
    }
    return std::nullopt;
}

std::optional<SjisView> IniText::value(SjisView section, SjisView key) const {
    const auto at = findKey(section, key);
    if (!at) return std::nullopt;
    return entryOf(lines_[*at])->value;
}

bool IniText::setValue(SjisView section, SjisView key, SjisView value) {
    if (!isValidIniSection(section) || !isValidIniKey(key) || hasLineBreak(value)) return false;

    if (const auto at = findKey(section, key)) {
        // Keep the stored spelling of the key.
        SjisString line = SjisString(entryOf(lines_[*at])->key) + '=' + SjisString(value);
        lines_[*at] = std::move(line);
        return true;
    }

    SjisString line = SjisString(key) + '=' + SjisString(value);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!isSection(lines_[i], section)) continue;
        // After the section's last non-blank line, so blank separators stay before the next header.
        std::size_t last = i;
        for (std::size_t j = i + 1; j < lines_.size() && !sectionOf(lines_[j]); ++j) {
            if (!trimmed(lines_[j]).empty()) last = j;
        }
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), std::move(line));
        return true;
    }

    if (!lines_.empty() && !trimmed(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back('[' + SjisString(section) + ']');
    lines_.push_back(std::move(line));
    return true;
}

SjisString IniText::text() const {
    SjisString out;
    for (const auto& line : lines_) {
        out += line;
        out += "\r\n";
    }
    return out;
}

}  // namespace vantor
