#include "odds/archive_extract.h"

#include <archive.h>
#include <archive_entry.h>
#include <locale.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

#include "text/sjis_chars.h"

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

bool isPlainFile(archive_entry* entry) {
    return archive_entry_filetype(entry) == AE_IFREG && archive_entry_symlink(entry) == nullptr &&
           archive_entry_hardlink(entry) == nullptr;
}

// The index of the wanted name the member bears: a name without any folder
// part ("/" and "\" both separate), letter case ignored.
std::optional<std::size_t> wantedIndexOf(const char* name, const std::vector<std::string>& wanted) {
    if (!name) return std::nullopt;
    const std::string_view text(name);
    if (text.find_first_of("/\\") != std::string_view::npos) return std::nullopt;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        // Names in these archives are Shift-JIS bytes, the wanted ones ASCII.
        if (equalsIgnoringAsciiCase(sjisBytes(text), sjisBytes(wanted[i]))) return i;
    return std::nullopt;
}

// Creates path, which must not exist in any form (a link there is not
// followed), and writes bytes into it; a failed write leaves no file.
bool writeNewFile(const fs::path& path, const std::string& bytes) {
    std::FILE* file = std::fopen(path.c_str(), "wbx");
    if (!file) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) == 0 && written) return true;
    std::error_code error;
    fs::remove(path, error);
    return false;
}

// Finds the wanted member in the archive open() opens in the reader, with
// its bytes.
template <class Open>
MemberExtract findWantedMember(Open&& open, const std::vector<std::string>& wanted, std::uint64_t budget,
                               std::string& bestBytes) {
    MemberExtract result;
    const Utf8NamesInThisThread utf8Names;
    const Reader reader(archive_read_new());
    // Names in the archives of Windows tools are Shift-JIS, whose second
    // bytes may be "\": decoded first, they cannot pass for separators.
    if (!reader || archive_read_support_format_lha(reader.get()) != ARCHIVE_OK ||
        archive_read_set_format_option(reader.get(), "lha", "hdrcharset", "CP932") != ARCHIVE_OK ||
        open(reader.get()) != ARCHIVE_OK)
        return result;

    int members = 0;
    std::optional<std::size_t> best;  // the wanted index of bestBytes
    std::string bytes;
    std::optional<MemberExtract::Status> failure;  // why a wanted member was not taken
    for (;;) {
        archive_entry* entry = nullptr;
        const int status = archive_read_next_header(reader.get(), &entry);
        if (status == ARCHIVE_EOF || status == ARCHIVE_FATAL) break;
        if (++members > kMaxArchiveMembers) {
            result.status = MemberExtract::Status::tooManyMembers;
            result.skipped = members;
            return result;
        }
        const std::optional<std::size_t> index = status == ARCHIVE_FAILED || !isPlainFile(entry)
                                                     ? std::nullopt
                                                     : wantedIndexOf(archive_entry_pathname(entry), wanted);
        if (!index || (best && *best <= *index)) {
            ++result.skipped;
            continue;
        }
        switch (readData(reader.get(), budget, bytes)) {
            case Data::read:
                if (best) ++result.skipped;  // the less wanted one found earlier
                best = index;
                bestBytes.swap(bytes);
                break;
            case Data::tooLarge:
                failure = MemberExtract::Status::oversized;
                break;
            case Data::damaged:
                failure = MemberExtract::Status::damaged;
                break;
        }
    }

    if (!best) {
        result.status = failure        ? *failure
                        : members == 0 ? MemberExtract::Status::unreadable
                                       : MemberExtract::Status::notFound;
        return result;
    }
    result.wantedIndex = *best;
    result.status = MemberExtract::Status::extracted;
    return result;
}

}  // namespace

MemberExtract extractWantedMember(const fs::path& archivePath, const std::vector<std::string>& wanted,
                                  const fs::path& folder, std::uint64_t budget) {
    std::string bytes;
    MemberExtract result = findWantedMember(
        [&](archive* reader) { return archive_read_open_filename(reader, archivePath.c_str(), 64 * 1024); }, wanted,
        budget, bytes);
    if (result.status != MemberExtract::Status::extracted) return result;
    result.file = folder / wanted[result.wantedIndex];
    if (!writeNewFile(result.file, bytes)) result.status = MemberExtract::Status::notWritten;
    return result;
}

MemberExtract readWantedMember(std::string_view archiveBytes, const std::vector<std::string>& wanted,
                               std::string& member, std::uint64_t budget) {
    member.clear();
    const MemberExtract result = findWantedMember(
        [&](archive* reader) { return archive_read_open_memory(reader, archiveBytes.data(), archiveBytes.size()); },
        wanted, budget, member);
    if (result.status != MemberExtract::Status::extracted) member.clear();
    return result;
}

}  // namespace vantor
