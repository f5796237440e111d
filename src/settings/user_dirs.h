#pragma once
// The user's per-program folders after the XDG base directory conventions.

#include <filesystem>

namespace vantor {

// $XDG_CONFIG_HOME/vantor, or ~/.config/vantor.
std::filesystem::path userConfigFolder();

// $XDG_DATA_HOME/vantor, or ~/.local/share/vantor.
std::filesystem::path userDataFolder();

}  // namespace vantor
