// The marks file: every change is kept as it is made and outlives the
// process that made it, even a killed one; bad changes write nothing; a
// file that is not a sound marks file is kept aside, never overwritten.

#include "usermarks/user_marks_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_dir.h"

using namespace vantor;
using namespace vantor::test;
namespace fs = std::filesystem;

namespace {

constexpr const char* kRace11 = "2024052605021101";
constexpr const char* kRace12 = "2024052605021102";
constexpr const char* kOtherDay = "2024052705021101";

UserMarksFile openMarks(const fs::path& path) {
    auto opened = UserMarksFile::open(path);
    if (auto* error = std::get_if<std::string>(&opened)) ADD_FAILURE() << *error;
    return std::move(std::get<UserMarksFile>(opened));
}

RaceUserMarks marksWith(std::initializer_list<std::pair<int, UserMark>> marks) {
    RaceUserMarks out{};
    for (const auto& [umaban, mark] : marks) out[static_cast<std::size_t>(umaban)] = mark;
    return out;
}

}  // namespace

TEST(UserMarksFile, KeepsEveryChangeAcrossOpensAndClearsWhatIsSetToNothing) {
    const TempDir dir;
    const fs::path path = userMarksPath(dir.path());
    {
        UserMarksFile file = openMarks(path);
        EXPECT_EQ(file.keptAside(), "");
        EXPECT_EQ(file.setMark(kRace11, 3, 1, UserMark::honmei), std::nullopt);
        EXPECT_EQ(file.setMark(kRace11, 18, 1, UserMark::chui), std::nullopt);
        EXPECT_EQ(file.setMark(kRace11, 3, 2, UserMark::keshi), std::nullopt);
        EXPECT_EQ(file.setMark(kRace12, 1, 1, UserMark::taikou), std::nullopt);
        EXPECT_EQ(file.setMark(kOtherDay, 1, 1, UserMark::hoshi), std::nullopt);
        EXPECT_EQ(file.setRaceNote(kRace11, "逃げ馬不在\n前残り警戒"), std::nullopt);
        EXPECT_EQ(file.setHorseNote("2020100001", "道悪巧者"), std::nullopt);
        EXPECT_EQ(file.setSetName(2, "本紙"), std::nullopt);
    }
    UserMarksFile file = openMarks(path);
    EXPECT_EQ(file.marksOfRace(kRace11, 1), marksWith({{3, UserMark::honmei}, {18, UserMark::chui}}));
    EXPECT_EQ(file.marksOfRace(kRace11, 2), marksWith({{3, UserMark::keshi}}));
    EXPECT_EQ(file.marksOfRace(kRace11, 3), marksWith({}));
    EXPECT_EQ(file.raceNote(kRace11), "逃げ馬不在\n前残り警戒");
    EXPECT_EQ(file.horseNote("2020100001"), "道悪巧者");
    EXPECT_EQ(file.setName(2), "本紙");
    EXPECT_EQ(file.setName(8), "印8");

    // The day's marks, in order, of one set or all; the next day's stay out.
    const std::vector<UserMarkRow> day = {{kRace11, 3, 1, UserMark::honmei},
                                          {kRace11, 3, 2, UserMark::keshi},
                                          {kRace11, 18, 1, UserMark::chui},
                                          {kRace12, 1, 1, UserMark::taikou}};
    EXPECT_EQ(file.marksOfDay("20240526"), day);
    EXPECT_EQ(file.marksOfDay("20240526", 2), (std::vector<UserMarkRow>{day[1]}));

    // A scratch elsewhere in the race changes nothing; none and empty texts remove.
    EXPECT_EQ(file.setMark(kRace11, 18, 1, UserMark::none), std::nullopt);
    EXPECT_EQ(file.setRaceNote(kRace11, ""), std::nullopt);
    EXPECT_EQ(file.setSetName(2, ""), std::nullopt);
    EXPECT_EQ(file.marksOfRace(kRace11, 1), marksWith({{3, UserMark::honmei}}));
    EXPECT_EQ(file.raceNote(kRace11), "");
    EXPECT_EQ(file.setName(2), "印2");
}

TEST(UserMarksFile, RefusesMarksThatCannotBeAndWritesNothingOfABatchWithOne) {
    const TempDir dir;
    UserMarksFile file = openMarks(userMarksPath(dir.path()));
    EXPECT_NE(file.setMark(kRace11, 19, 1, UserMark::honmei), std::nullopt);
    EXPECT_NE(file.setMark(kRace11, 0, 1, UserMark::honmei), std::nullopt);
    EXPECT_NE(file.setMark(kRace11, 1, 9, UserMark::honmei), std::nullopt);
    EXPECT_NE(file.setMark("20240526050211", 1, 1, UserMark::honmei), std::nullopt);
    EXPECT_NE(file.setMark("2024052605021x01", 1, 1, UserMark::honmei), std::nullopt);
    EXPECT_NE(file.setMark(kRace11, 1, 1, static_cast<UserMark>(8)), std::nullopt);
    EXPECT_NE(file.setHorseNote("20201", "短い"), std::nullopt);
    const auto error = file.importMarks({{kRace11, 1, 1, UserMark::honmei}, {kRace11, 19, 1, UserMark::taikou}});
    ASSERT_NE(error, std::nullopt);
    EXPECT_NE(error->find("19"), std::string::npos) << *error;
    EXPECT_TRUE(file.marksOfDay("20240526").empty());
}

TEST(UserMarksFile, AWriterKilledRightAfterAChangeLosesNothingAndLeavesASoundFile) {
    const TempDir dir;
    const fs::path path = userMarksPath(dir.path());
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto opened = UserMarksFile::open(path);
        auto& file = std::get<UserMarksFile>(opened);
        for (int umaban = 1; umaban <= 18; ++umaban) file.setMark(kRace11, umaban, 1, UserMark::renka);
        const char done = 1;
        [[maybe_unused]] const auto n = ::write(ready[1], &done, 1);
        file.setMark(kRace12, 1, 1, UserMark::honmei);  // killed somewhere in or after this one
        ::pause();
        ::_exit(0);
    }
    char done = 0;
    ASSERT_EQ(::read(ready[0], &done, 1), 1);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(ready[0]), ::close(ready[1]);

    UserMarksFile file = openMarks(path);
    EXPECT_EQ(file.keptAside(), "");
    RaceUserMarks all{};
    all.fill(UserMark::renka);
    all[0] = UserMark::none;
    EXPECT_EQ(file.marksOfRace(kRace11, 1), all);
    const auto last = file.marksOfRace(kRace12, 1)[1];
    EXPECT_TRUE(last == UserMark::none || last == UserMark::honmei);
}

TEST(UserMarksFile, AFileThatIsNoSoundMarksFileIsKeptAsideAndNamed) {
    const TempDir dir;
    const fs::path path = userMarksPath(dir.path());
    const auto keptFiles = [&] {
        std::vector<fs::path> kept;
        for (const auto& e : fs::directory_iterator(dir.path()))
            if (e.path().filename().string().find(".damaged-") != std::string::npos) kept.push_back(e.path());
        return kept;
    };

    writeFile(path, "not a database at all, but the user's bytes");
    {
        UserMarksFile file = openMarks(path);
        ASSERT_EQ(keptFiles().size(), 1u);
        EXPECT_NE(file.keptAside().find(keptFiles().front().string()), std::string::npos) << file.keptAside();
        EXPECT_EQ(readFile(keptFiles().front()), "not a database at all, but the user's bytes");
        EXPECT_EQ(file.setMark(kRace11, 1, 1, UserMark::honmei), std::nullopt);
    }

    // Another program's database is not taken for ours, nor overwritten.
    fs::remove(path);
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    sqlite3_exec(other, "CREATE TABLE notes (x); INSERT INTO notes VALUES (42)", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    {
        UserMarksFile file = openMarks(path);
        EXPECT_EQ(keptFiles().size(), 2u);
        EXPECT_NE(file.keptAside(), "");
        EXPECT_TRUE(file.marksOfDay("20240526").empty());
    }

    // One from a newer Vantor is refused and left as it is.
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    sqlite3_exec(other, "PRAGMA user_version=2", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    auto refused = UserMarksFile::open(path);
    ASSERT_TRUE(std::holds_alternative<std::string>(refused));
    EXPECT_NE(std::get<std::string>(refused).find("新しい版"), std::string::npos);
    EXPECT_EQ(keptFiles().size(), 2u);
}
