#pragma once
// Extraction of LZH archives (methods lh0 to lh7, header levels 0 to 3)
// into one folder, replacing files of the same name.
//
// Nothing lands outside the folder: a member whose name is absolute
// ("/x", "C:\x") or has a ".." part ("/" and "\" both separate parts), a
// symbolic or hard link, and a member that would pass through an existing
// link or file on its way are skipped and counted as unsafe. The members of
// one archive may take at most the size budget together; a member that
// does not fit in what is left is skipped and counted as oversized. A
// member whose data is damaged is not written. Member names are read as
// Shift-JIS (the archives come from Windows) and written in UTF-8.

#include <cstdint>
#include <filesystem>

namespace vantor {

// 16 MiB: an odds archive holds some 100 KB; a member claiming more is not
// worth the disk.
inline constexpr std::uint64_t kExtractBudget = 16ull * 1024 * 1024;

struct ExtractResult {
    int extracted = 0;  // files written into the folder
    int unsafe = 0;     // members skipped for their name or kind
    int oversized = 0;  // members skipped for the size budget
};

// Extracts every member of archive into folder (folders named in member
// names are made inside it). An unreadable or damaged archive yields what
// was extracted before the damage, often nothing.
ExtractResult extractArchive(const std::filesystem::path& archive, const std::filesystem::path& folder,
                             std::uint64_t budget = kExtractBudget);

}  // namespace vantor
