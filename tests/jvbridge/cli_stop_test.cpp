// vantor-cli acquire with JV-Link under Wine when the bridge never answers:
// SIGTERM and SIGINT end the run as a cancel does, and the time limit ends
// it on its own; no process of the prefix stays, no start time is kept.

#include <gtest/gtest.h>

#include "jvlink/wine_prefix.h"
#include "support/records.h"
#include "support/run_command.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

class CliStop : public ::testing::Test {
protected:
    CliStop() {
        writeTwoRaceNormalFeed(dir / "feed");
        fs::create_directories(prefix / "drive_c");
        writeFile(dir / "vantor-jvbridge.exe", "a Windows program");
        writeFile(dir / "app/vantor.ini",
                  "[JVLinkFeed]\nSource=wine\n[JVLinkWine]\nCommand=" + std::string(VANTOR_STREAM_STUB) +
                      "\nPrefix=" + prefix.string() + "\nBridge=" + (dir / "vantor-jvbridge.exe").string() + "\n");
    }

    // acquire, given signal (after a second) unless empty; its exit status and what it said.
    CommandOutput acquire(const std::string& options, const std::string& signal = "") {
        const std::string command = "VANTOR_STUB_MODE=silent VANTOR_STUB_FEED=" + shellWord((dir / "feed").string()) +
                                    " " + VANTOR_CLI + " --app-dir " + shellWord((dir / "app").string()) +
                                    " acquire --setup --from '2024/01/01 00:00:00' " + options + " 2>&1";
        if (signal.empty()) return runCommand("(" + command + "; echo \"exit $?\")");
        return runCommand("(" + command + " & pid=$!; sleep 1; kill -" + signal +
                          " $pid; wait $pid; echo \"exit $?\")");
    }

    TempDir dir;
    fs::path prefix = dir / "prefix";
};

}  // namespace

TEST_F(CliStop, ASignalEndsTheRunAsACancelDoes) {
    for (const auto& [signal, status] : {std::pair{"TERM", 143}, std::pair{"INT", 130}}) {
        const CommandOutput run = acquire("", signal);
        EXPECT_NE(run.text.find("stopped by SIG" + std::string(signal) + ": the run was cancelled"), std::string::npos)
            << run.text;
        EXPECT_NE(run.text.find("exit " + std::to_string(status)), std::string::npos) << run.text;
        EXPECT_EQ(run.text.find("エラー"), std::string::npos) << run.text;
        EXPECT_TRUE(processesOfPrefix(prefix).empty()) << signal;
        EXPECT_EQ(readFile(dir / "app/vantor.ini").find("LastTime"), std::string::npos) << signal;
    }
}

TEST_F(CliStop, TheTimeLimitEndsASilentBridge) {
    CommandOutput run = acquire("--timeout 1");
    EXPECT_NE(run.text.find("1 秒間何も伝えなかった"), std::string::npos) << run.text;
    EXPECT_NE(run.text.find("exit 1"), std::string::npos) << run.text;
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
    run = acquire("--timeout 0");
    EXPECT_NE(run.text.find("exit 2"), std::string::npos) << run.text;
    // The same limit from the settings file.
    writeFile(dir / "app/vantor.ini", readFile(dir / "app/vantor.ini") + "TimeLimit=1\n");
    run = acquire("");
    EXPECT_NE(run.text.find("1 秒間何も伝えなかった"), std::string::npos) << run.text;
    EXPECT_TRUE(processesOfPrefix(prefix).empty());
}
