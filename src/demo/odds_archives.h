#pragma once
// The odds services' archives of the demo: for every race day from a given
// weekend on, the JRDB base odds and the KOL predicted odds of the day's
// races (lines in odds_lines.h), each packed into an LZH archive:
//
//   OZ<yymmdd>.lzh   holding Oz<yymmdd>.txt   (JRDB, header level 1)
//   j<yymmdd>.lzh    holding kol_ods.kd2      (KOL, header level 2)
//
// stamped 18:00 Japan time on the eve of the race day, as published.

#include <filesystem>
#include <string>

#include "demo/world.h"

namespace vantor::demo {

class Rng;

// Writes the archives into folder, made when missing; adds their number
// to written. Returns an error text, empty on success.
std::string writeOddsArchives(const World& world, int firstWeekend, const std::filesystem::path& folder, Rng& rng,
                              int& written);

}  // namespace vantor::demo
