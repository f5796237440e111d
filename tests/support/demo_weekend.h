#pragma once
// A program folder holding the demo season's race days of May 2024 from
// the 18th on, filed as a user files them: vantor-feedgen writes a year's
// feed up to the end of May, vantor-cli acquire files its normal data
// since 2024/05/20. For the tests that run the built tools.

#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace vantor::test {

class DemoWeekend : public TempDir {
public:
    // Runs the two tools named by their paths.
    DemoWeekend(const std::string& feedgen, const std::string& cli);

    // What went wrong making the store; empty when it is ready.
    const std::string& error() const { return error_; }

    std::filesystem::path appDir() const { return *this / "app"; }
    // vantor-cli on this program folder, as the start of a command line.
    std::string cli() const;
    // The day list as vantor-cli days gives it, newest first.
    const std::vector<std::string>& days() const { return days_; }

private:
    std::string cli_;
    std::string error_;
    std::vector<std::string> days_;
};

}  // namespace vantor::test
