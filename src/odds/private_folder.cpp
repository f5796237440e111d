#include "odds/private_folder.h"

#include <stdlib.h>

#include <system_error>
#include <vector>

namespace vantor {
namespace fs = std::filesystem;
namespace {

// Real folders only: a link of that name is left alone, not followed.
void removeLeftovers(const fs::path& parent, const std::string& prefix) {
    std::error_code error;
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(parent, error), end; !error && it != end; it.increment(error))
        if (it->path().filename().string().starts_with(prefix) && it->is_directory() && !it->is_symlink())
            leftovers.push_back(it->path());
    for (const fs::path& leftover : leftovers) fs::remove_all(leftover, error);
}

}  // namespace

PrivateFolder::PrivateFolder(const fs::path& parent, const std::string& prefix) {
    removeLeftovers(parent, prefix);
    std::string name = (parent / (prefix + "XXXXXX")).string();
    if (::mkdtemp(name.data())) path_ = name;  // mode 0700
}

PrivateFolder::~PrivateFolder() {
    if (path_.empty()) return;
    std::error_code error;
    fs::remove_all(path_, error);
}

}  // namespace vantor
