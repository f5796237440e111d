#pragma once
// The independent LHA tool (Debian jlha-utils) for the odds tests: it makes
// real archives and checks the ones we write. Its exit status is always 0,
// so callers judge by its output and the files it leaves.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

namespace vantor::test {

inline constexpr const char* kLha = "/usr/bin/lha";

// Runs "lha ARGS" in folder and gives what it printed.
inline std::string runLha(const std::filesystem::path& folder, const std::string& args) {
    const std::string command = "cd '" + folder.string() + "' && " + kLha + " " + args + " 2>&1";
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
        ::pclose(pipe);
    }
    return output;
}

}  // namespace vantor::test

#define SKIP_WITHOUT_LHA()                                                          \
    do {                                                                            \
        if (!std::filesystem::exists(vantor::test::kLha))                           \
            GTEST_SKIP() << vantor::test::kLha << " (jlha-utils) is not installed"; \
    } while (false)
