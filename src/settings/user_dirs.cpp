#include "settings/user_dirs.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

namespace vantor {
namespace {

std::filesystem::path absoluteFromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    std::filesystem::path path = value ? value : "";
    return path.is_absolute() ? path : std::filesystem::path{};
}

std::filesystem::path homeFolder() {
    if (auto home = absoluteFromEnvironment("HOME"); !home.empty()) return home;
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return "/";
}

// A relative or empty XDG variable is ignored, as the conventions require.
std::filesystem::path xdgFolder(const char* variable, const char* fallbackUnderHome) {
    auto base = absoluteFromEnvironment(variable);
    if (base.empty()) base = homeFolder() / fallbackUnderHome;
    return base / "vantor";
}

}  // namespace

std::filesystem::path userConfigFolder() { return xdgFolder("XDG_CONFIG_HOME", ".config"); }

std::filesystem::path userDataFolder() { return xdgFolder("XDG_DATA_HOME", ".local/share"); }

}  // namespace vantor
