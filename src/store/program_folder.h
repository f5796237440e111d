#pragma once
// Making the program folder ready at start-up: it exists, holds the store
// folders and no temporary file of a writer that ended without finishing;
// the window also enters it as its current directory.

#include <filesystem>
#include <optional>
#include <string>

namespace vantor {

// Creates appFolder when missing, changes the current directory to it and
// creates the missing store folders in their order. A message (UTF-8)
// naming what failed, or nothing.
std::optional<std::string> enterProgramFolder(const std::filesystem::path& appFolder);

// The same without changing the current directory, for the command line,
// whose other paths are relative to where it was started.
std::optional<std::string> prepareProgramFolder(const std::filesystem::path& appFolder);

}  // namespace vantor
