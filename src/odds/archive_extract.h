#pragma once
// Extraction of one wanted member of an LZH archive (methods lh0 to lh7,
// header levels 0 to 3) into a folder.
//
// Only a plain file whose name, without any folder part, equals one of the
// wanted names (ASCII letter case ignored) is ever written, under the
// wanted spelling, and never over anything that already exists: every
// other member (other names, folders, links, names with folder parts) is
// skipped and counted. An archive of more than kMaxArchiveMembers members
// is refused as a whole, and the wanted member may take at most the size
// budget. Member names are read as Shift-JIS (the archives come from
// Windows).

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// 16 MiB: an odds file holds some 100 KB; a member claiming more is not
// worth the disk.
inline constexpr std::uint64_t kExtractBudget = 16ull * 1024 * 1024;
// An odds archive holds one file; a few more are tolerated and skipped.
inline constexpr int kMaxArchiveMembers = 64;

struct MemberExtract {
    enum class Status {
        extracted,       // file holds the member
        notFound,        // no member has a wanted name
        unreadable,      // not an archive, or damaged before any member
        tooManyMembers,  // more than kMaxArchiveMembers members: nothing written
        oversized,       // the wanted member exceeds the budget
        damaged,         // the wanted member's data is not what was packed
        notWritten,      // the file could not be created in the folder
    };
    Status status = Status::unreadable;
    std::filesystem::path file;   // the written file, when extracted
    std::size_t wantedIndex = 0;  // which wanted name it was, when found
    int skipped = 0;              // members not written (not counting the wanted one)
};

// Extracts the member named like wanted[i] with the lowest i into folder
// (which must exist). Stops at the first damage in the archive's structure
// with what it found before.
MemberExtract extractWantedMember(const std::filesystem::path& archive, const std::vector<std::string>& wanted,
                                  const std::filesystem::path& folder, std::uint64_t budget = kExtractBudget);

// The same for an archive held in memory: the member's bytes go into
// member instead of a file (status extracted; file stays empty).
MemberExtract readWantedMember(std::string_view archiveBytes, const std::vector<std::string>& wanted,
                               std::string& member, std::uint64_t budget = kExtractBudget);

}  // namespace vantor
