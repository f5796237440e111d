// The settings file: the input is a settings file's bytes, then a NUL and
// a value. Every key the program uses reads the same after the text has
// been written out and read again; writing the value into one of them
// through the settings component changes that key alone (or, for a value
// that cannot be stored, nothing), and it reads back as written. The
// settings file is held in memory.

#include <array>
#include <optional>

#include "fileio/memory_files.h"
#include "fuzz_support.h"
#include "settings/ini_file.h"
#include "settings/ini_gt.h"

namespace fs = std::filesystem;
using namespace vantor;

namespace {

struct Key {
    SjisView section, key;
};

constexpr std::array<Key, 13> kProgramKeys{{{"locate", "top"},
                                            {"locate", "left"},
                                            {"locate", "width"},
                                            {"locate", "height"},
                                            {"datalist", "close"},
                                            {"Dir", "yoso"},
                                            {"JvDataGet", "LastTime"},
                                            {"Printlocate", "top"},
                                            {"Printlocate", "width"},
                                            {"PrintZoom", "ratio"},
                                            {"JVLinkFeed", "Folder"},
                                            {"JVLinkFeed", "Pace"},
                                            {"JVLinkFeed", "Version"}}};

SjisView trimmedBlanks(SjisView text) {
    const std::size_t first = text.bytes().find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.bytes().find_last_not_of(" \t") - first + 1);
}

// The program's settings file holds a few dozen short lines. Each text is
// read (and indexed) in proportion to its length, while the further lines
// of a longer input only repeat the forms of the first.
constexpr std::size_t kInputLimit = 1024;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kInputLimit) return 0;
    const std::string_view input = fuzz::bytesOf(data, size);
    const std::size_t nul = input.find('\0');
    const SjisView text = sjisBytes(input.substr(0, nul));
    const SjisView value = nul == std::string_view::npos ? SjisView{} : sjisBytes(input.substr(nul + 1));

    const IniText parsed{SjisString(text)};
    const IniText again(parsed.text());
    std::array<std::optional<SjisView>, kProgramKeys.size()> stored;
    for (std::size_t i = 0; i < kProgramKeys.size(); ++i) {
        stored[i] = parsed.value(kProgramKeys[i].section, kProgramKeys[i].key);
        fuzz::check(stored[i] == again.value(kProgramKeys[i].section, kProgramKeys[i].key),
                    "a written text reads the same");
    }

    // No such folder exists on disk: the link lookup and the update lock find
    // nothing there. The folder in memory is kept for the run and the file
    // put anew for each input.
    static const fs::path file = "/nonexistent/vantor-fuzz/vantor.ini";
    static MemoryFiles files;
    files.put(file, text.bytes());
    TIniGT ini(files);
    ini.setFileName(file.string());

    const std::size_t target = value.size() % kProgramKeys.size();
    const Key& k = kProgramKeys[target];
    const bool storable = value.bytes().find_first_of("\r\n") == std::string_view::npos;
    fuzz::check(ini.WriteString(k.section, k.key, value) == storable, "a value without line breaks is stored");
    const IniText written(SjisString::fromBytes(files.readWhole(file).bytes));
    if (storable) fuzz::check(written.value(k.section, k.key) == trimmedBlanks(value), "the value reads back");
    // The stored values compared as the file holds them: what the
    // component reads of them follows from that alone.
    for (std::size_t i = 0; i < kProgramKeys.size(); ++i) {
        if (storable && i == target) continue;
        fuzz::check(written.value(kProgramKeys[i].section, kProgramKeys[i].key) == stored[i],
                    "other keys keep their values");
    }
    (void)ini.ReadString(k.section, k.key, "<absent>");
    (void)ini.ReadInteger("locate", "top", 10);
    (void)ini.ReadBool("datalist", "close", false);
    return 0;
}
