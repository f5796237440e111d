#include "settings/ini_file.h"

#include <algorithm>
#include <cstring>

#include "text/sjis_chars.h"

namespace vantor {
namespace {

// Blank and tab cannot be trail bytes, so trimming them bytewise is safe.
constexpr SjisView kBlanks = " \t";

SjisView trimmedLeft(SjisView text) {
    const auto first = text.bytes().find_first_not_of(kBlanks.bytes());
    return first == SjisView::npos ? SjisView{} : text.substr(first);
}

SjisView trimmed(SjisView text) {
    text = trimmedLeft(text);
    return text.substr(0, text.bytes().find_last_not_of(kBlanks.bytes()) + 1);
}

bool hasLineBreak(SjisView text) { return text.bytes().find_first_of("\r\n") != SjisView::npos; }

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

// The line of text that starts at begin, its line break (LF or CR LF) left
// out, and where the next one starts.
struct TextLine {
    SjisView line;
    std::size_t next;
};

TextLine lineAt(SjisView text, std::size_t begin) {
    const void* found = std::memchr(text.data() + begin, '\n', text.size() - begin);
    const std::size_t end =
        found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : text.size();
    std::size_t length = end - begin;
    if (length > 0 && text[end - 1] == '\r') --length;
    return {text.substr(begin, length), end + 1};
}

bool isSection(SjisView line, SjisView section) {
    const auto name = sectionOf(line);
    return name && equalsIgnoringAsciiCase(*name, section);
}

// Names match with ASCII letters folded, so the hash folds every byte
// alike: names that match hash the same, and a trail byte folded here is
// told apart by the comparison of the names themselves.
void hashNames(std::size_t& hash, SjisView name) {
    for (const char c : name) {
        const char folded = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        hash = (hash ^ static_cast<unsigned char>(folded)) * 1099511628211u;
    }
}

std::size_t namesHash(SjisView section, SjisView key) {
    std::size_t hash = 14695981039346656037u;
    hashNames(hash, section);
    hash = (hash ^ 0x100u) * 1099511628211u;  // no byte: the boundary between the names
    hashNames(hash, key);
    return hash;
}

}  // namespace

bool isValidIniSection(SjisView name) {
    return !name.empty() && trimmed(name) == name && !hasLineBreak(name) && findSjisChar(name, ']') == SjisView::npos;
}

bool isValidIniKey(SjisView name) {
    return !name.empty() && trimmed(name) == name && !hasLineBreak(name) && name.front() != '[' &&
           name.front() != ';' && findSjisChar(name, '=') == SjisView::npos;
}

IniText::IniText(SjisString content) : content_(std::move(content)) { index(); }

void IniText::index() {
    const char* const text = content_.data();
    const std::size_t size = content_.size();
    std::size_t count = 0;
    for (const char* at = text; (at = static_cast<const char*>(std::memchr(at, '\n', size - (at - text)))); ++at)
        ++count;
    lines_.clear();
    entries_.clear();
    indexed_ = true;
    lines_.reserve(count + 1);
    entries_.reserve(count + 1);

    written_ = true;
    std::optional<SjisView> section;
    std::size_t header = 0;
    for (std::size_t begin = 0; begin < size;) {
        const auto [line, next] = lineAt(content_, begin);
        const std::size_t at = lines_.size();
        lines_.push_back({begin, line.size()});
        written_ = written_ && next <= size && next - begin == line.size() + 2;
        if (const auto name = sectionOf(line)) {
            section = name;
            header = at;
        } else if (section) {
            if (const auto entry = entryOf(line)) entries_.push_back({namesHash(*section, entry->key), at, header});
        }
        begin = next;
    }
    std::sort(entries_.begin(), entries_.end(), [](const IndexEntry& a, const IndexEntry& b) {
        return a.hash != b.hash ? a.hash < b.hash : a.line < b.line;
    });
}

std::optional<SjisView> iniValue(SjisView text, SjisView section, SjisView key) {
    // A name that could not be written (a line break in it, say) is never found.
    if (!isValidIniSection(section) || !isValidIniKey(key)) return std::nullopt;
    bool inSection = false;
    for (std::size_t begin = 0; begin < text.size();) {
        const auto [line, next] = lineAt(text, begin);
        begin = next;
        if (const auto name = sectionOf(line)) {
            inSection = equalsIgnoringAsciiCase(*name, section);
        } else if (inSection) {
            if (const auto entry = entryOf(line); entry && equalsIgnoringAsciiCase(entry->key, key))
                return entry->value;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> IniText::findKey(SjisView section, SjisView key) const {
    const std::size_t hash = namesHash(section, key);
    auto it = std::lower_bound(entries_.begin(), entries_.end(), hash,
                               [](const IndexEntry& e, std::size_t h) { return e.hash < h; });
    // Within one hash by line, so the first that matches is the first in the text.
    for (; it != entries_.end() && it->hash == hash; ++it) {
        // A name that could not be written (a line break in it, say) is never found.
        if (equalsIgnoringAsciiCase(*sectionOf(line(it->header)), section) &&
            equalsIgnoringAsciiCase(entryOf(line(it->line))->key, key))
            return isValidIniSection(section) && isValidIniKey(key) ? std::optional(it->line) : std::nullopt;
    }
    return std::nullopt;
}

std::optional<SjisView> IniText::value(SjisView section, SjisView key) const {
    if (!indexed_) return iniValue(content_, section, key);
    const auto at = findKey(section, key);
    if (!at) return std::nullopt;
    return entryOf(line(*at))->value;
}

bool IniText::setValue(SjisView section, SjisView key, SjisView value) {
    if (!isValidIniSection(section) || !isValidIniKey(key) || hasLineBreak(value)) return false;
    if (!indexed_) index();

    // The lines that change or are added, and where: before line `at`,
    // replacing it when `replaces`. The text is then read anew, its line
    // breaks CR LF (so that a CR ending a line's own text stays in it).
    SjisString changed;
    std::size_t at = lines_.size();
    bool replaces = false;
    if (const auto found = findKey(section, key)) {
        // Keep the stored spelling of the key.
        changed = entryOf(line(*found))->key + "=" + value;
        at = *found;
        replaces = true;
    } else {
        changed = key + "=" + value;
        std::size_t header = 0;
        while (header < lines_.size() && !isSection(line(header), section)) ++header;
        if (header < lines_.size()) {
            // After the section's last non-blank line, so blank separators stay before the next header.
            std::size_t last = header;
            for (std::size_t j = header + 1; j < lines_.size() && !sectionOf(line(j)); ++j) {
                if (!trimmed(line(j)).empty()) last = j;
            }
            at = last + 1;
        } else {
            // A new section at the end, a blank line before it.
            const bool blankBefore = !lines_.empty() && !trimmed(line(lines_.size() - 1)).empty();
            changed = (blankBefore ? "\r\n["_sjis : "["_sjis) + section + "]\r\n" + changed;
        }
    }

    SjisString content;
    content.reserve(content_.size() + lines_.size() + changed.size() + 2);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (i == at) {
            content += changed;
            content += "\r\n";
            if (replaces) continue;
        }
        content += line(i);
        content += "\r\n";
    }
    if (at == lines_.size()) {
        content += changed;
        content += "\r\n";
    }
    // Indexed again when the next change needs it: a text changed once and
    // written out is not indexed for nothing.
    content_ = std::move(content);
    indexed_ = false;
    written_ = true;
    return true;
}

SjisString IniText::text() const {
    if (written_) return content_;
    SjisString out;
    out.reserve(content_.size() + lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += line(i);
        out += "\r\n";
    }
    return out;
}

}  // namespace vantor
