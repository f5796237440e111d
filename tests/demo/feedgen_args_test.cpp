// The command line of vantor-feedgen.

#include "feedgen_args.h"

#include <gtest/gtest.h>

using vantor::feedgen::parseArgs;

TEST(FeedgenArgs, ReadsEveryOption) {
    const auto p = parseArgs({"--out", "feed", "--seed", "42", "--to", "20240527", "--years", "2", "--replace"});
    ASSERT_TRUE(p.error.empty()) << p.error;
    EXPECT_EQ(p.options.out, "feed");
    EXPECT_EQ(p.options.seed, 42u);
    EXPECT_EQ(p.options.toDate, 20240527);
    EXPECT_EQ(p.options.years, 2);
    EXPECT_TRUE(p.options.replace);

    const auto defaults = parseArgs({"--out", "feed"});
    ASSERT_TRUE(defaults.error.empty());
    EXPECT_EQ(defaults.options.seed, 1u);
    EXPECT_EQ(defaults.options.toDate, 0);
    EXPECT_EQ(defaults.options.years, 3);
    EXPECT_TRUE(parseArgs({"--help"}).help);
}

TEST(FeedgenArgs, RefusesWhatItCannotUse) {
    for (const std::vector<std::string>& bad : std::vector<std::vector<std::string>>{
             {},
             {"--seed", "3"},
             {"--out"},
             {"--out", ""},
             {"--out", "f", "--colour", "red"},
             {"--out", "f", "extra"},
             {"--out", "f", "--seed", "-1"},
             {"--out", "f", "--seed", "99999999999999999999999"},
             {"--out", "f", "--seed", "1e3"},
             {"--out", "f", "--to", "2024052"},
             {"--out", "f", "--to", "2024-05-27"},
             {"--out", "f", "--years", "0"},
             {"--out", "f", "--years", "11"},
             {"--out", "f", "--years", " 3"},
         }) {
        const auto p = parseArgs(bad);
        EXPECT_FALSE(p.error.empty()) << ::testing::PrintToString(bad);
    }
}
