#pragma once
// Running vantor-jvbridge.exe inside a Wine prefix: the settings that name
// Wine, the prefix and the bridge, the checks made before a run (so that a
// missing piece is said, not met as a silent hang), and the processes a
// prefix has running.

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace vantor {

struct WineSettings {
    std::string command = "wine";  // the Wine program, on PATH or a path
    std::filesystem::path prefix;  // WINEPREFIX
    std::filesystem::path bridge;  // vantor-jvbridge.exe
};

// What is missing for a run, in words for the user (UTF-8), or nothing:
// Wine itself, the prefix, the bridge, or the 32-bit half of the prefix
// that a 32-bit bridge needs.
std::optional<std::string> wineRunProblem(const WineSettings& settings);

// What to tell the user when the Wine command ended with shellStatus
// before the bridge said anything, or could not be started with it: not
// found (127), found but not executable (126, most often Wine's 32-bit
// part on a system that cannot run 32-bit programs). Nothing for any
// other status.
std::optional<std::string> wineStartProblem(int shellStatus, const std::string& command);

// True when the Windows program is a 32-bit (i386) one.
bool isThirtyTwoBitProgram(const std::filesystem::path& program);

// The processes whose environment names prefix as their WINEPREFIX, other
// than this one.
std::vector<pid_t> processesOfPrefix(const std::filesystem::path& prefix);

// The wineserver that goes with the Wine command.
std::string wineServerCommand(const std::string& wineCommand);

}  // namespace vantor
