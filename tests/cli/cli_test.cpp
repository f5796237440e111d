#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "demo/lzh_writer.h"
#include "fileio/folder_lookup.h"
#include "store/store_folders.h"
#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

// vantor-cli with its arguments, its output discarded; its exit status.
int runCli(const std::string& arguments) {
    const std::string command = std::string(VANTOR_CLI) + " " + arguments + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

}  // namespace

TEST(Cli, OddsOnAProgramFolderNoWindowHasOpenedSavesTheOdds) {
    TempDir dir;
    const fs::path app = dir / "app";
    std::string line = "05242c1116 12.5";
    line += std::string(955 - line.size(), ' ') + "\r\n";
    const demo::LzhMember member{"Oz240526.txt", line, {}};
    writeFile(dir / "OZ240526.lzh", demo::lzhArchive({&member, 1}, 1, 1716681600));

    EXPECT_EQ(runCli("--app-dir " + quoted(app) + " odds " + quoted(dir / "OZ240526.lzh")), 0);
    for (const auto name : kStoreFolderNames) EXPECT_TRUE(fs::is_directory(resolveFolder(app, name))) << name;
}
