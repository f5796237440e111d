#include "settings/app_dir.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <set>

#include "fileio/folder_lookup.h"
#include "store/store_folders.h"
#include "support/scoped_env.h"
#include "support/temp_dir.h"

using namespace vantor;
namespace fs = std::filesystem;

namespace {

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename().string());
    return names;
}

}  // namespace

TEST(AppDir, ExecutableFolderOnlyWhenWritable) {
    const vantor::test::TempDir temp;
    const fs::path data = temp.path() / "share" / "vantor";
    EXPECT_EQ(chooseAppDir(temp.path(), data), temp.path());
    EXPECT_FALSE(fs::exists(data));

    EXPECT_EQ(chooseAppDir(temp.path() / "missing", data), data);
    EXPECT_TRUE(fs::is_directory(data));  // created with its parents

    vantor::test::writeFile(temp.path() / "file", "x");
    EXPECT_EQ(chooseAppDir(temp.path() / "file", data), data);
    EXPECT_EQ(chooseAppDir({}, data), data);

    if (::geteuid() != 0) {  // permissions do not stop root
        const fs::path readOnly = temp.path() / "ro";
        fs::create_directory(readOnly);
        fs::permissions(readOnly, fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_EQ(chooseAppDir(readOnly, data), data);
        fs::permissions(readOnly, fs::perms::owner_all);
    }
}

TEST(AppDir, OverrideIsAbsoluteWithoutTrailingSeparator) {
    const vantor::test::TempDir temp;
    const ScopedEnv data("XDG_DATA_HOME", temp.path().string());  // keeps the real home untouched
    setAppDir("some/where/");
    EXPECT_EQ(appDir(), fs::current_path() / "some" / "where");
    setAppDir("/");
    EXPECT_EQ(appDir(), fs::path("/"));
    setAppDir({});
    EXPECT_EQ(appDir(), chooseAppDir(executablePath().parent_path(), temp.path() / "vantor"));
    EXPECT_EQ(executablePath().filename(), "settings_tests");
}

TEST(FolderLookup, FindsExistingFoldersUnderAnyLetterCase) {
    const vantor::test::TempDir temp;
    const fs::path& base = temp.path();
    EXPECT_EQ(resolveFolder(base, "DATA"), base / "DATA");  // none yet: the given spelling
    EXPECT_EQ(resolveFolder(base / "missing", "DATA"), base / "missing" / "DATA");

    vantor::test::writeFile(base / "data", "a file, not a folder");
    fs::create_directory(base / "dATa");
    EXPECT_EQ(resolveFolder(base, "DATA"), base / "dATa");
    fs::create_directory(base / "Data");
    EXPECT_EQ(resolveFolder(base, "DATA"), base / "Data");  // the first in byte order
    fs::create_directory(base / "DATA");
    EXPECT_EQ(resolveFolder(base, "DATA"), base / "DATA");  // the exact spelling wins
    // UTF-8 names fold bytewise: the last byte of "デ" is no Shift-JIS lead byte here.
    fs::create_directory(base / "デata");
    EXPECT_EQ(resolveFolder(base, "デATA"), base / "デata");
}

TEST(StoreFolders, CreatesMissingOnesInOrderWithoutDuplicates) {
    const vantor::test::TempDir temp;
    fs::create_directory(temp.path() / "Data");
    fs::create_directory(temp.path() / "sei");
    EXPECT_EQ(ensureStoreFolders(temp.path()), std::nullopt);
    EXPECT_EQ(namesIn(temp.path()), (std::set<std::string>{"yLzh", "sei", "SEIR", "UM2", "Data"}));
    EXPECT_EQ(ensureStoreFolders(temp.path()), std::nullopt);
    EXPECT_EQ(namesIn(temp.path()).size(), 5u);

    // A file in the way of "SEIR" stops the creation there, with a message naming it.
    const vantor::test::TempDir blocked;
    vantor::test::writeFile(blocked.path() / "SEIR", "");
    const auto error = ensureStoreFolders(blocked.path());
    ASSERT_TRUE(error.has_value());
    EXPECT_NE(error->find((blocked.path() / "SEIR").string()), std::string::npos);
    EXPECT_EQ(namesIn(blocked.path()), (std::set<std::string>{"yLzh", "SEI", "SEIR"}));

    EXPECT_TRUE(ensureStoreFolders(blocked.path() / "missing").has_value());
}
