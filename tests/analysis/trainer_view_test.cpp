#include "analysis/trainer_view.h"

#include <gtest/gtest.h>

#include "raceday/trainer_list.h"
#include "support/hand_day.h"

using namespace vantor;
using namespace vantor::test;

TEST(TrainerView, EqualCountsListByNameAndEachItemSelectsExactlyItsRunners) {
    HandDay hand;
    hand.addRace(0, "05", 1, 3);
    hand.addRace(1, "05", 2, 2);
    hand.addRace(2, "09", 3, 1);
    const char* trainers[3][3] = {{"TB      ", "TA      ", "TC      "}, {"TA      ", "TB      ", "TA"}, {"TC      "}};
    for (int r = 0; r < 3; ++r)
        for (int j = 0; j < 3; ++j)
            if (trainers[r][j]) hand.addRunner(r, j, {.trainer = trainers[r][j]});
    hand.addRunner(2, 17, {.trainer = "TD      "});  // slot 18 of a one-runner race still counts
    hand.addRunner(3, 0, {.trainer = "TA      "});   // race slot 3 is not present
    hand.race(3).RacePresent = 2;
    for (const TRaceRec& race : hand.day().RaceTbl)
        for (const auto& name : race.ChokName) addTrainer(hand.day(), name);

    const std::vector<SjisString> items = orderTrainers(hand.day());
    const SjisView expected[] = {"TA        2", "TB        2", "TC        2", "TA  1", "TD        1"};
    EXPECT_EQ(items, std::vector<SjisString>(std::begin(expected), std::end(expected)));
    EXPECT_EQ(trainerRunners(hand.day(), trainerItemName(items[0])), (std::vector<TrainerRunner>{{0, 1}, {1, 0}}));
    EXPECT_EQ(trainerRunners(hand.day(), trainerItemName(items[4])), (std::vector<TrainerRunner>{{2, 17}}));
    EXPECT_EQ(trainerRunners(hand.day(), trainerItemName(items[3])), (std::vector<TrainerRunner>{{1, 2}}))
        << "a short stored name is matched only by itself";
}
