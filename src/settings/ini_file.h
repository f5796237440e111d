#pragma once
// The text of a settings file in Windows profile (ini) format, held line by
// line so that changing one value keeps every other line, unknown ones
// included, exactly where it was.
//
// Reading accepts LF or CR LF line ends; text() writes CR LF. Leading blanks
// of a line are ignored; "[name]" opens a section; "key=value" splits at the
// first "="; blanks and tabs around key and value are dropped. Section and key
// names match without regard to ASCII letter case. Lines before the first
// section, comments (";") and anything else are kept but never match. When a
// section or key occurs twice, the first one counts, for reading and writing.
//
// The text is indexed as it is read (and anew before a change that follows
// another), so that looking a key up costs no scan of its lines; right after
// a change a look-up reads the text in one pass.

#include <optional>
#include <string>
#include <vector>

#include "text/sjis.h"

namespace vantor {

class IniText {
public:
    IniText() = default;
    explicit IniText(SjisString content);

    // The value of key in section, or nothing when either is absent.
    std::optional<SjisView> value(SjisView section, SjisView key) const;

    // Sets the value, adding the key at the end of its section or a new
    // section at the end of the text. Returns false, changing nothing, when
    // a name or the value could not be read back as written (empty or
    // padded names, line breaks, "]" in a section, "=" in a key).
    bool setValue(SjisView section, SjisView key, SjisView value);

    SjisString text() const;

private:
    // A line as an extent of content_, its line break left out.
    struct Line {
        std::size_t begin, size;
    };
    // A "key=value" line inside a section, under the hash of its section
    // and key names as they match (ASCII letters folded).
    struct IndexEntry {
        std::size_t hash, line, header;
    };

    SjisView line(std::size_t i) const {
        return sjisBytes(std::string_view(content_.data() + lines_[i].begin, lines_[i].size));
    }
    // Cuts content_ into lines and indexes its keys, reusing the tables' room.
    void index();
    // Index of the line holding key in section, or nothing.
    std::optional<std::size_t> findKey(SjisView section, SjisView key) const;

    SjisString content_;
    std::vector<Line> lines_;
    std::vector<IndexEntry> entries_;  // by hash, then by line
    bool written_ = true;              // content_ is as text() writes it: every line ends in CR LF
    bool indexed_ = true;              // lines_ and entries_ describe content_ (not so after a change)
};

// The value of key in section of an ini text, as IniText(text).value()
// finds it, in one pass over the lines: a single look-up (as each read of
// the settings file makes) costs no index and no copy of the text.
std::optional<SjisView> iniValue(SjisView text, SjisView section, SjisView key);

// Whether a name can be stored in and found again in an ini text.
bool isValidIniSection(SjisView name);
bool isValidIniKey(SjisView name);

}  // namespace vantor
