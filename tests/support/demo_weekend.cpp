#include "support/demo_weekend.h"

#include "support/run_command.h"

namespace vantor::test {

DemoWeekend::DemoWeekend(const std::string& feedgen, const std::string& cli) : cli_(cli) {
    const std::string feed = (*this / "feed").string();
    if (runCommand(feedgen + " --out " + shellWord(feed) + " --years 1 --to 20240531").status != 0) {
        error_ = "vantor-feedgen failed";
        return;
    }
    if (runCommand(this->cli() + " acquire --feed " + shellWord(feed) + " --normal --from '2024/05/20 00:00:00'")
            .status != 0) {
        error_ = "vantor-cli acquire failed";
        return;
    }
    days_ = lines(runCommand(this->cli() + " days").text);
    if (days_.empty()) error_ = "vantor-cli days lists no day";
}

std::string DemoWeekend::cli() const { return cli_ + " --app-dir " + shellWord(appDir().string()); }

}  // namespace vantor::test
