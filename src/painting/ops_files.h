#pragma once
// A screen list of drawing operations written as one picture file: a PNG
// of width by height pixels, or a one-page PDF of that size at 96 dots per
// inch with its text kept as text. Each file is written whole through a
// temporary file renamed over it. Needs a QGuiApplication with the font
// substitutes registered.

#include <filesystem>
#include <optional>
#include <string>

#include "painting/draw_ops.h"

namespace vantor::draw {

// An error text, or nothing when the file was written.
std::optional<std::string> writeOpsPng(const Ops& ops, int width, int height, const std::filesystem::path& file);
std::optional<std::string> writeOpsPdf(const Ops& ops, int width, int height, const std::filesystem::path& file,
                                       const std::string& title);

}  // namespace vantor::draw
