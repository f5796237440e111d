#include "demo_store.h"

#include <chrono>
#include <cstdlib>
#include <iostream>

#include "demo/demo_feed.h"
#include "jvlink/acquisition.h"
#include "jvlink/feed_jvlink.h"
#include "settings/app_dir.h"
#include "settings/program_settings.h"
#include "store/store_folders.h"

namespace vantor::bench {
namespace fs = std::filesystem;

DemoFeed generateDemo(const fs::path& folder, int years) {
    demo::DemoOptions options;
    options.out = folder;
    options.toDate = 20240527;
    options.years = years;
    options.replace = true;
    const auto made = demo::generateDemoFeed(options);
    if (!made.ok()) {
        std::cerr << made.error << '\n';
        std::exit(1);
    }
    return {folder, made.summary.firstDate};
}

long long fileDemo(const DemoFeed& feed, const fs::path& app) {
    fs::create_directories(app);
    if (const auto error = ensureStoreFolders(app)) {
        std::cerr << *error << '\n';
        std::exit(1);
    }
    setAppDir(app);
    TIniGT ini = programSettings();
    FeedJVLink link(FeedSettings{feed.folder, 0, "0490"});
    link.JVInit("bench");
    Acquisition::Ui ui;
    ui.status = ui.report = ui.addLine = [](const SjisString&) {};
    ui.storeLastTime = [&ini](const SjisString& s) { return ini.WriteString("JvDataGet", "LastTime", s); };
    ui.downloadBar = ui.readBar = [](int, int) {};
    ui.clearLines = ui.beep = ui.pump = [] {};
    Acquisition acquisition(link, StorePaths(app), ui);
    auto next = acquisition.start(feed.fromTime(), jv::kOptionSetup);
    while (next == Acquisition::Next::poll) next = acquisition.poll();
    if (next == Acquisition::Next::read) acquisition.readAll();
    acquisition.closeLink();
    setAppDir({});
    if (acquisition.failed()) {
        std::cerr << "the acquisition failed\n";
        std::exit(1);
    }
    return link.faults().calls("JVRead");
}

double secondsOf(const std::string& command) {
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::cerr << "failed: " << command << '\n';
        std::exit(1);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace vantor::bench
