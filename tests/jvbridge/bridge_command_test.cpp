#include "bridge_command.h"

#include <gtest/gtest.h>

using namespace vantor::jvbridge;
using Kind = BridgeCommand::Kind;

namespace {

TEST(BridgeCommandTest, EachCommandTakesItsOwnOptions) {
    auto p = parseCommand({"setup", "--feed", "D:\\feed", "--from", "20240101000000", "--sid", "X"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.command.kind, Kind::Setup);
    EXPECT_EQ(p.command.feed, "D:\\feed");
    EXPECT_EQ(p.command.from, "20240101000000");
    EXPECT_EQ(p.command.sid, "X");

    p = parseCommand({"results", "--date", "20240526", "--feed", "f"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.command.kind, Kind::Results);
    EXPECT_FALSE(p.command.sid);

    EXPECT_EQ(parseCommand({"settings"}).command.kind, Kind::Settings);
    EXPECT_FALSE(parseCommand({"settings"}).command.stream);
    EXPECT_TRUE(parseCommand({"check"}).command.stream);

    p = parseCommand({"normal", "--stream", "--from", "20240101000000"});
    ASSERT_EQ(p.error, "");
    EXPECT_TRUE(p.command.stream);
    EXPECT_EQ(p.command.feed, "");
    EXPECT_EQ(parseCommand({"--help"}).command.kind, Kind::Help);

    p = parseCommand({"realtime", "--stream", "--key", "202405260511", "--dataspec", "0B30"});
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.command.kind, Kind::Realtime);
    EXPECT_EQ(p.command.dataspec, "0B30");
    EXPECT_EQ(p.command.key, "202405260511");
}

TEST(BridgeCommandTest, BadArgumentsAreNamed) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, "a command is needed"},
        {{"fetch"}, "unknown command: fetch"},
        {{"normal", "--from", "20240101000000"}, "normal needs --feed DIR or --stream"},
        {{"normal", "--feed", "f", "--from", "20241301000000"},
         "--from needs a time yyyymmddhhnnss, not \"20241301000000\""},
        {{"setup", "--feed", "f"}, "--from needs a time yyyymmddhhnnss, not \"\""},
        {{"results", "--feed", "f", "--date", "2024052"}, "--date needs a date yyyymmdd, not \"2024052\""},
        {{"setup", "--feed", "f", "--date", "20240526"}, "unknown argument for setup: --date"},
        {{"settings", "--feed", "f"}, "unknown argument for settings: --feed"},
        {{"setup", "--feed"}, "--feed needs a value"},
        {{"setup", "--stream", "--feed", "f", "--from", "20240101000000"},
         "--stream writes no feed folder: leave out --feed"},
        {{"check", "--stream"}, "unknown argument for check: --stream"},
        // Dataspec and key become a feed file's name: only their own forms pass.
        {{"realtime", "--feed", "f", "--dataspec", "../x", "--key", "20240526"},
         "--dataspec needs a real-time dataspec 0Bnn, not \"../x\""},
        {{"realtime", "--feed", "f", "--dataspec", "0B30", "--key", "2024052605"},
         "--key needs a day yyyymmdd or a race yyyymmddJJKKHHRR or yyyymmddJJRR, not \"2024052605\""},
        {{"realtime", "--feed", "f", "--dataspec", "0B30", "--key", "202405260500"},
         "--key needs a day yyyymmdd or a race yyyymmddJJKKHHRR or yyyymmddJJRR, not \"202405260500\""},
        {{"realtime", "--dataspec", "0B30", "--key", "20240526"}, "realtime needs --feed DIR or --stream"},
        {{"results", "--feed", "f", "--date", "20240526", "--dataspec", "0B30"},
         "unknown argument for results: --dataspec"},
    };
    for (const auto& [args, error] : cases) EXPECT_EQ(parseCommand(args).error, error);
}

}  // namespace
