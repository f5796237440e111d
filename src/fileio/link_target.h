#pragma once
// Where a chain of symbolic links ends, so that a file reached through a
// link can be replaced where it really lives instead of the link being
// replaced by a copy.

#include <filesystem>
#include <optional>

namespace vantor {

// path itself when it is not a link (or does not exist); otherwise the path
// its chain of links ends at, which need not exist. Nothing for a chain that
// loops or runs longer than the system allows.
std::optional<std::filesystem::path> linkTarget(const std::filesystem::path& path);

}  // namespace vantor
