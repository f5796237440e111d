// Race results as the feed delivers them: runners, finishing order, times,
// odds, prize money and payouts all telling the same story.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "feed_index.h"
#include "record_layouts/jvdata_live_structure.h"
#include "record_layouts/jvdata_record.h"

using namespace vantor;
using namespace vantor::jvdata;
using vantor::test::tenths;

namespace {

const test::FeedIndex& feed() { return test::sharedFeed(1); }

bool scratched(SjisView se) { return inum(se, se::IJyoCD) == 1; }

// Every JRA race with its runners (in horse-number order) and payout.
template <class Check>
void forEachJraRace(Check check) {
    int races = 0;
    for (const auto& [k, ra] : feed().races) {
        if (dataKind(ra) != "7") continue;
        std::vector<SjisView> runners = feed().runners.at(k);
        std::sort(runners.begin(), runners.end(),
                  [](SjisView a, SjisView b) { return inum(a, se::Umaban) < inum(b, se::Umaban); });
        const auto payout = feed().payouts.find(k);
        ASSERT_NE(payout, feed().payouts.end()) << k.bytes();
        check(k, ra, runners, payout->second);
        ++races;
    }
    EXPECT_GT(races, 3000);
}

std::vector<int> entryNumbers(SjisView hr, Field f, int count) {
    std::vector<int> out;
    for (int n = 1; n <= count; ++n)
        if (inum(hr, f, n) != 0) out.push_back(inum(hr, f, n));
    return out;
}

}  // namespace

TEST(RaceResults, RunnersFillTheDeclaredFieldInBrackets) {
    forEachJraRace([](const SjisString& k, SjisView ra, const auto& runners, SjisView) {
        const int n = inum(ra, ra::TorokuTosu);
        ASSERT_EQ(static_cast<int>(runners.size()), n) << k.bytes();
        ASSERT_TRUE(n >= 5 && n <= 18) << k.bytes();
        int starters = 0, finishers = 0, lastBracket = 0;
        for (int i = 0; i < n; ++i) {
            const SjisView se = runners[static_cast<std::size_t>(i)];
            EXPECT_EQ(inum(se, se::Umaban), i + 1) << k.bytes();
            const int bracket = inum(se, se::Wakuban);
            EXPECT_TRUE(bracket == lastBracket || bracket == lastBracket + 1) << k.bytes();
            lastBracket = bracket;
            starters += !scratched(se);
            finishers += inum(se, se::KakuteiJyuni) > 0;
        }
        EXPECT_EQ(lastBracket, std::min(n, 8)) << k.bytes();
        EXPECT_EQ(inum(ra, ra::SyussoTosu), starters) << k.bytes();
        EXPECT_EQ(inum(ra, ra::NyusenTosu), finishers) << k.bytes();
    });
}

TEST(RaceResults, PlacesTimesMarginsAndCornersAgree) {
    int deadHeats = 0;
    forEachJraRace([&](const SjisString& k, SjisView, const auto& runners, SjisView) {
        std::vector<SjisView> placed;
        for (SjisView se : runners)
            if (inum(se, se::KakuteiJyuni) > 0) placed.push_back(se);
        std::sort(placed.begin(), placed.end(),
                  [](SjisView a, SjisView b) { return inum(a, se::KakuteiJyuni) < inum(b, se::KakuteiJyuni); });
        ASSERT_GE(placed.size(), 3u) << k.bytes();
        const int winnerTime = tenths(placed[0]);
        const int second = tenths(placed[1]);
        for (std::size_t i = 0; i < placed.size(); ++i) {
            const SjisView se = placed[i];
            const int position = inum(se, se::KakuteiJyuni);
            const bool tied = get(se, se::DochakuKubun) == "1";
            // Standard competition ranking: a dead heat shares a place and skips the next.
            const bool tiedWithPrevious = i > 0 && inum(placed[i - 1], se::KakuteiJyuni) == position;
            EXPECT_EQ(position, tiedWithPrevious ? static_cast<int>(i) : static_cast<int>(i) + 1) << k.bytes();
            if (tiedWithPrevious) {
                EXPECT_TRUE(tied) << k.bytes();
                EXPECT_EQ(tenths(se), tenths(placed[i - 1])) << k.bytes();
                deadHeats += position == 1;
            }
            if (i > 0) {
                EXPECT_GE(tenths(se), tenths(placed[i - 1])) << k.bytes();
            }
            const SjisView diff = get(se, se::TimeDiff);
            if (position == 1) {
                EXPECT_EQ(diff[0], '-') << k.bytes();
                EXPECT_EQ(lenientInt(diff.substr(1)), tied ? 0 : second - winnerTime) << k.bytes();
            } else {
                EXPECT_EQ(diff[0], '+') << k.bytes();
                EXPECT_EQ(lenientInt(diff.substr(1)), tenths(se) - winnerTime) << k.bytes();
            }
        }
        for (int c = 1; c <= 4; ++c) {
            std::set<int> seen;
            for (SjisView se : placed) seen.insert(inum(se, se::Jyuni, c));
            if (seen.count(0)) {
                EXPECT_EQ(seen.size(), 1u) << k.bytes() << " corner " << c;
            } else {
                EXPECT_EQ(seen.size(), placed.size()) << k.bytes() << " corner " << c;
                EXPECT_EQ(*seen.rbegin(), static_cast<int>(placed.size())) << k.bytes();
            }
        }
        for (SjisView se : runners)
            if (inum(se, se::KakuteiJyuni) == 0) {
                EXPECT_TRUE(get(se, se::TimeDiff) == "0000" || get(se, se::TimeDiff) == "+999") << k.bytes();
            }
    });
    EXPECT_GT(deadHeats, 0);
}

TEST(RaceResults, OddsPopularityPrizesAndFirstOpponentsAgreeWithThePlaces) {
    forEachJraRace([](const SjisString& k, SjisView ra, const auto& runners, SjisView) {
        std::vector<SjisView> starters;
        std::set<SjisString> winners, firstTwo;
        for (SjisView se : runners) {
            if (!scratched(se)) starters.push_back(se);
            const int p = inum(se, se::KakuteiJyuni);
            if (p == 1) winners.insert(SjisString(get(se, se::Bamei)));
            if (p == 1 || p == 2) firstTwo.insert(SjisString(get(se, se::Bamei)));
        }
        std::sort(starters.begin(), starters.end(),
                  [](SjisView a, SjisView b) { return inum(a, se::Ninki) < inum(b, se::Ninki); });
        for (std::size_t i = 0; i < starters.size(); ++i) {
            EXPECT_EQ(inum(starters[i], se::Ninki), static_cast<int>(i) + 1) << k.bytes();
            if (i > 0) {
                EXPECT_LE(inum(starters[i - 1], se::Odds), inum(starters[i], se::Odds)) << k.bytes();
            }
        }
        for (SjisView se : runners) {
            const int p = inum(se, se::KakuteiJyuni);
            int prize = p >= 1 && p <= 5 ? inum(ra, ra::Honsyokin, p) : 0;
            if (get(se, se::DochakuKubun) == "1" && p <= 5)
                prize = (prize + (p < 7 ? inum(ra, ra::Honsyokin, p + 1) : 0)) / 2;
            EXPECT_EQ(inum(se, se::Honsyokin), prize) << k.bytes();
            // The first opponent: a winner, or for a winner the horse next to it.
            const SjisString self(get(se, se::Bamei)), rival(get(se, se::AiteBamei, 1));
            EXPECT_NE(rival, self) << k.bytes();
            EXPECT_EQ((p == 1 ? firstTwo : winners).count(rival), 1u) << k.bytes();
            if (scratched(se)) {
                EXPECT_EQ(inum(se, se::Odds), 0) << k.bytes();
            }
        }
        for (int n = 1; n <= 7; ++n) EXPECT_TRUE(isAllDigits(get(ra, ra::Honsyokin, n))) << k.bytes();
    });
}

TEST(RaceResults, PayoutsFollowTheFinishingOrderAndTheOdds) {
    forEachJraRace([](const SjisString& k, SjisView, const auto& runners, SjisView hr) {
        int starters = 0;
        std::vector<int> winners;
        std::map<int, int> position;
        for (SjisView se : runners) {
            starters += !scratched(se);
            position[inum(se, se::Umaban)] = inum(se, se::KakuteiJyuni);
            if (inum(se, se::KakuteiJyuni) == 1) {
                winners.push_back(inum(se, se::Umaban));
                EXPECT_EQ(inum(hr, hr::TanPay, static_cast<int>(winners.size())), inum(se, se::Odds) * 10) << k.bytes();
                EXPECT_EQ(inum(hr, hr::TanNinki, static_cast<int>(winners.size())), inum(se, se::Ninki)) << k.bytes();
            }
        }
        EXPECT_EQ(entryNumbers(hr, hr::TanUmaban, 3), winners) << k.bytes();
        EXPECT_EQ(inum(hr, hr::SyussoTosu), starters) << k.bytes();

        // Place: the first three (two with seven or fewer starters), dead heats adding one.
        const int places = starters <= 7 ? 2 : 3;
        std::vector<int> expected;
        for (const auto& [umaban, p] : position)
            if (p >= 1 && p <= places) expected.push_back(umaban);
        std::vector<int> paid = entryNumbers(hr, hr::FukuUmaban, 5);
        std::sort(paid.begin(), paid.end());
        EXPECT_EQ(paid, expected) << k.bytes();
        for (int a = 1; a <= static_cast<int>(paid.size()); ++a)
            for (int b = 1; b <= static_cast<int>(paid.size()); ++b)
                if (inum(hr, hr::FukuPay, a) < inum(hr, hr::FukuPay, b)) {
                    EXPECT_LE(inum(hr, hr::FukuNinki, a), inum(hr, hr::FukuNinki, b)) << k.bytes();
                }

        EXPECT_EQ(trimBlanks(get(hr, hr::WakurenKumi, 1)).empty(), starters <= 8) << k.bytes();
        // The quinella and the exacta hold the first two, the trifecta the first three.
        const int q = inum(hr, hr::UmarenKumi, 1), e = inum(hr, hr::UmatanKumi, 1), t = inum(hr, hr::SanrentanKumi, 1);
        EXPECT_LE(position[q / 100], 2) << k.bytes();
        EXPECT_LE(position[q % 100], 2) << k.bytes();
        EXPECT_EQ(position[e / 100], 1) << k.bytes();
        EXPECT_LE(position[e % 100], 2) << k.bytes();
        EXPECT_EQ(position[t / 10000], 1) << k.bytes();
        EXPECT_LE(position[t % 100], 3) << k.bytes();
        for (int n = 1; n <= 3; ++n)
            if (inum(hr, hr::WideKumi, n) != 0) {
                EXPECT_GE(inum(hr, hr::WidePay, n), 100) << k.bytes();
            }
    });
}

TEST(RaceResults, FinalOddsOfTheSetUpAgreeWithTheResultsAndThePayouts) {
    const test::FeedIndex& f = feed();
    ASSERT_GT(f.winOdds.size(), 2000u);
    EXPECT_EQ(f.quinellaOdds.size(), f.winOdds.size());
    for (const auto& [k, o1rec] : f.winOdds) {
        const SjisView o2rec = f.quinellaOdds.at(k);
        ASSERT_EQ(o1rec.size(), kO1Length) << k.bytes();
        ASSERT_EQ(o2rec.size(), kO2Length) << k.bytes();
        EXPECT_EQ(get(o1rec, o1::HappyoTime), "00000000"_sjis) << k.bytes();
        const SjisView hr = f.payouts.at(k);
        // Win and place entries by horse number.
        std::map<int, int> entry;
        for (int n = 1; n <= 28; ++n)
            if (inum(o1rec, o1::TanUmaban, n) != 0) entry[inum(o1rec, o1::TanUmaban, n)] = n;
        const std::vector<SjisView>& runners = f.runners.at(k);
        ASSERT_EQ(entry.size(), runners.size()) << k.bytes();
        for (SjisView se : runners) {
            const int n = entry.at(inum(se, se::Umaban));
            if (scratched(se)) {
                EXPECT_EQ(get(o1rec, o1::TanOdds, n), "----"_sjis) << k.bytes();
                continue;
            }
            EXPECT_EQ(inum(o1rec, o1::TanOdds, n), inum(se, se::Odds)) << k.bytes();
            EXPECT_EQ(inum(o1rec, o1::TanNinki, n), inum(se, se::Ninki)) << k.bytes();
        }
        for (int j = 1; j <= 5; ++j) {
            const int horse = inum(hr, hr::FukuUmaban, j);
            if (horse == 0) continue;
            const int n = entry.at(horse), odds = inum(hr, hr::FukuPay, j) / 10;
            EXPECT_LE(inum(o1rec, o1::FukuOddsLow, n), odds) << k.bytes();
            EXPECT_GE(inum(o1rec, o1::FukuOddsHigh, n), std::min(odds, 9999)) << k.bytes();
            EXPECT_EQ(inum(o1rec, o1::FukuNinki, n), inum(hr, hr::FukuNinki, j)) << k.bytes();
        }
        // A paid pair's odds are its payout.
        for (int j = 1; j <= 3; ++j) {
            const SjisView bracket = trimBlanks(get(hr, hr::WakurenKumi, j));
            if (!bracket.empty()) {
                int n = 1;
                while (n <= 36 && get(o1rec, o1::WakurenKumi, n) != bracket) ++n;
                ASSERT_LE(n, 36) << k.bytes() << " bracket " << bracket.bytes();
                EXPECT_EQ(inum(o1rec, o1::WakurenOdds, n), std::min(inum(hr, hr::WakurenPay, j) / 10, 99999))
                    << k.bytes();
                EXPECT_EQ(inum(o1rec, o1::WakurenNinki, n), inum(hr, hr::WakurenNinki, j)) << k.bytes();
            }
            const SjisView pair = get(hr, hr::UmarenKumi, j);
            if (inum(hr, hr::UmarenKumi, j) == 0) continue;
            int n = 1;
            while (n <= 153 && get(o2rec, o2::UmarenKumi, n) != pair) ++n;
            ASSERT_LE(n, 153) << k.bytes() << " pair " << pair.bytes();
            EXPECT_EQ(inum(o2rec, o2::UmarenOdds, n), std::min(inum(hr, hr::UmarenPay, j) / 10, 999999)) << k.bytes();
            EXPECT_EQ(inum(o2rec, o2::UmarenNinki, n), inum(hr, hr::UmarenNinki, j)) << k.bytes();
        }
    }
    ASSERT_FALSE(f.voteCounts.empty());
    for (SjisView h1 : f.voteCounts) EXPECT_EQ(h1.size(), kH1Length);
}
