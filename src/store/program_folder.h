#pragma once
// Entering the program folder at start-up: it becomes the current
// directory and receives the store folders.

#include <filesystem>
#include <optional>
#include <string>

namespace vantor {

// Creates appFolder when missing, changes the current directory to it and
// creates the missing store folders in their order. A message (UTF-8)
// naming what failed, or nothing.
std::optional<std::string> enterProgramFolder(const std::filesystem::path& appFolder);

}  // namespace vantor
