#pragma once
// A synthetic store holding one full race day: three racecourses of twelve
// races with eighteen runners each, every runner with a horse master and a
// history of thirty earlier runs on weekends of the two years before, the
// race records of all those days, some local and overseas runs, payouts
// and predicted odds. Deterministic.

#include <filesystem>
#include <string>

namespace vantor::bench {

// Writes the store under appDir and returns the day's name.
std::string writeSyntheticDay(const std::filesystem::path& appDir);

}  // namespace vantor::bench
