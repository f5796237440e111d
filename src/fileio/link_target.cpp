#include "fileio/link_target.h"

#include <system_error>

namespace vantor {
namespace fs = std::filesystem;
namespace {

constexpr int kMaxLinks = 40;  // the system's own limit on links in one path (SYMLOOP_MAX)

}  // namespace

std::optional<fs::path> linkTarget(const fs::path& path) {
    fs::path at = path;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(at, error))) return at;
        const fs::path target = fs::read_symlink(at, error);
        if (error) return std::nullopt;
        // A relative target is taken from the link's own folder.
        at = target.is_absolute() ? target : at.parent_path() / target;
    }
    return std::nullopt;
}

}  // namespace vantor
