#include "odds/archive_extract.h"

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

#include "fileio/whole_file.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

struct ReaderFree {
    void operator()(archive* reader) const { archive_read_free(reader); }
};
using Reader = std::unique_ptr<archive, ReaderFree>;

// The reader turns member names into text of the calling thread's locale,
// failing on any character that locale cannot hold (every non-ASCII one in
// the "C" locale of tools and tests). For the time of one extraction this
// thread works in UTF-8, the encoding of file names on disk.
class Utf8NamesInThisThread {
public:
    Utf8NamesInThisThread() : utf8_(newlocale(LC_CTYPE_MASK, "C.UTF-8", locale_t{})) {
        if (utf8_) previous_ = uselocale(utf8_);
    }
    ~Utf8NamesInThisThread() {
        if (!utf8_) return;
        uselocale(previous_);
        freelocale(utf8_);
    }
    Utf8NamesInThisThread(const Utf8NamesInThisThread&) = delete;
    Utf8NamesInThisThread& operator=(const Utf8NamesInThisThread&) = delete;

private:
    locale_t utf8_;
    locale_t previous_ = locale_t{};
};

bool isDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// The member's place relative to the folder, or nothing when its name is
// absolute or climbs out with "..". Empty and "." parts are dropped.
std::optional<fs::path> relativePlace(std::string_view name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\') return std::nullopt;
    if (name.size() >= 2 && name[1] == ':' && isDriveLetter(name[0])) return std::nullopt;
    fs::path place;
    for (std::size_t start = 0;;) {
        const std::size_t end = name.find_first_of("/\\", start);
        const std::string_view part = name.substr(start, end == std::string_view::npos ? end : end - start);
        if (part == "..") return std::nullopt;
        if (!part.empty() && part != ".") place /= part;
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    if (place.empty()) return std::nullopt;
    return place;
}

// True when every existing folder on the way from folder to the member's
// parent is a real folder: a link or file there could lead elsewhere.
bool wayIsPlain(const fs::path& folder, const fs::path& place) {
    fs::path at = folder;
    for (const fs::path& part : place.parent_path()) {
        at /= part;
        std::error_code error;
        const fs::file_status status = fs::symlink_status(at, error);
        if (fs::exists(status) && !fs::is_directory(status)) return false;
    }
    return true;
}

enum class Data { read, damaged, tooLarge };

// The member's data, when it is whole and no larger than limit.
Data readData(archive* reader, std::uint64_t limit, std::string& bytes) {
    bytes.clear();
    for (;;) {
        const void* block = nullptr;
        std::size_t size = 0;
        la_int64_t offset = 0;
        const int status = archive_read_data_block(reader, &block, &size, &offset);
        if (status == ARCHIVE_EOF) return Data::read;
        // A CRC mismatch comes as a warning: the data is not what was packed.
        if (status != ARCHIVE_OK || offset < 0 || static_cast<std::uint64_t>(offset) != bytes.size())
            return Data::damaged;
        if (bytes.size() + size > limit) return Data::tooLarge;
        bytes.append(static_cast<const char*>(block), size);
    }
}

bool isLink(archive_entry* entry) {
    return archive_entry_filetype(entry) == AE_IFLNK || archive_entry_symlink(entry) != nullptr ||
           archive_entry_hardlink(entry) != nullptr;
}

}  // namespace

ExtractResult extractArchive(const fs::path& archivePath, const fs::path& folder, std::uint64_t budget) {
    ExtractResult result;
    const Utf8NamesInThisThread utf8Names;
    const Reader reader(archive_read_new());
    // Names in the archives of Windows tools are Shift-JIS, whose second
    // bytes may be "\": decoded first, they cannot pass for separators.
    if (!reader || archive_read_support_format_lha(reader.get()) != ARCHIVE_OK ||
        archive_read_set_format_option(reader.get(), "lha", "hdrcharset", "CP932") != ARCHIVE_OK ||
        archive_read_open_filename(reader.get(), archivePath.c_str(), 64 * 1024) != ARCHIVE_OK)
        return result;

    std::uint64_t left = budget;
    std::string bytes;
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF || status == ARCHIVE_FATAL) break;
        if (status == ARCHIVE_FAILED) {  // a member the reader could not make sense of, such as a broken link
            ++result.unsafe;
            continue;
        }
        const char* name = archive_entry_pathname(entry);
        const std::optional<fs::path> place = relativePlace(name ? name : "");
        if (!place || isLink(entry) || !wayIsPlain(folder, *place)) {
            ++result.unsafe;
            continue;
        }
        const fs::path target = folder / *place;
        std::error_code error;
        if (archive_entry_filetype(entry) == AE_IFDIR) {
            fs::create_directories(target, error);
            continue;
        }
        if (archive_entry_size_is_set(entry) && static_cast<std::uint64_t>(archive_entry_size(entry)) > left) {
            ++result.oversized;
            continue;
        }
        const Data data = readData(reader.get(), left, bytes);
        if (data == Data::tooLarge) ++result.oversized;
        if (data != Data::read) continue;
        fs::create_directories(target.parent_path(), error);
        if (!replaceWholeFile(target, bytes, Durability::renameOnly)) continue;
        ++result.extracted;
        left -= bytes.size();
    }
    return result;
}

}  // namespace vantor
