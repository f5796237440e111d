#include "demo/stakes.h"

#include <array>

#include "codes/calendar.h"

namespace vantor::demo {
namespace {

using enum AgeGroup;
using enum Surface;
constexpr bool F = true;   // fillies and mares only
constexpr bool O = false;  // open to both sexes
constexpr std::uint8_t SAT = 6, SUN = 0;

constexpr Stake kStakes[] = {
    // G1
    {"フェブラリーステークス", "フェブ", 5, 2, 3, SUN, 'A', fourUp, O, dirt, 1600, 4, 1200000},
    {"高松宮記念", "高松宮", 7, 3, 4, SUN, 'A', fourUp, O, turf, 1200, 4, 1700000},
    {"大阪杯", "大阪杯", 9, 4, 1, SUN, 'A', fourUp, O, turf, 2000, 4, 2000000},
    {"桜花賞", "桜花賞", 9, 4, 2, SUN, 'A', three, F, turf, 1600, 3, 1400000},
    {"皐月賞", "皐月賞", 6, 4, 3, SUN, 'A', three, O, turf, 2000, 3, 2000000},
    {"天皇賞（春）", "天皇春", 8, 4, 4, SUN, 'A', fourUp, O, turf, 3200, 4, 2200000},
    {"ＮＨＫマイルカップ", "ＮＨＫ", 5, 5, 1, SUN, 'A', three, O, turf, 1600, 3, 1300000},
    {"ヴィクトリアマイル", "ヴィク", 5, 5, 2, SUN, 'A', fourUp, F, turf, 1600, 4, 1300000},
    {"優駿牝馬", "オーク", 5, 5, 3, SUN, 'A', three, F, turf, 2400, 3, 1500000},
    {"東京優駿", "ダービ", 5, 5, 4, SUN, 'A', three, O, turf, 2400, 3, 3000000},
    {"安田記念", "安田記", 5, 6, 1, SUN, 'A', threeUp, O, turf, 1600, 4, 1800000},
    {"宝塚記念", "宝塚記", 9, 6, 4, SUN, 'A', threeUp, O, turf, 2200, 4, 2200000},
    {"スプリンターズステークス", "スプリ", 6, 9, 4, SUN, 'A', threeUp, O, turf, 1200, 4, 1700000},
    {"秋華賞", "秋華賞", 8, 10, 2, SUN, 'A', three, F, turf, 2000, 3, 1100000},
    {"菊花賞", "菊花賞", 8, 10, 3, SUN, 'A', three, O, turf, 3000, 3, 2000000},
    {"天皇賞（秋）", "天皇秋", 5, 10, 4, SUN, 'A', threeUp, O, turf, 2000, 4, 2200000},
    {"エリザベス女王杯", "エリ女", 8, 11, 2, SUN, 'A', threeUp, F, turf, 2200, 4, 1300000},
    {"マイルチャンピオンシップ", "マイル", 8, 11, 3, SUN, 'A', threeUp, O, turf, 1600, 4, 1800000},
    {"ジャパンカップ", "ジャパ", 5, 11, 4, SUN, 'A', threeUp, O, turf, 2400, 4, 5000000},
    {"チャンピオンズカップ", "チャン", 7, 12, 1, SUN, 'A', threeUp, O, dirt, 1800, 4, 1200000},
    {"阪神ジュベナイルフィリーズ", "阪神Ｊ", 9, 12, 2, SUN, 'A', two, F, turf, 1600, 3, 650000},
    {"朝日杯フューチュリティステークス", "朝日杯", 9, 12, 3, SUN, 'A', two, O, turf, 1600, 3, 700000},
    {"有馬記念", "有馬記", 6, 12, 4, SUN, 'A', threeUp, O, turf, 2500, 4, 5000000},
    {"ホープフルステークス", "ホープ", 6, 12, 4, SAT, 'A', two, O, turf, 2000, 3, 700000},
    // G2
    {"日経新春杯", "日経新", 8, 1, 2, SUN, 'B', fourUp, O, turf, 2400, 1, 570000},
    {"アメリカジョッキークラブカップ", "ＡＪＣ", 6, 1, 4, SUN, 'B', fourUp, O, turf, 2200, 2, 620000},
    {"京都記念", "京都記", 8, 2, 2, SUN, 'B', fourUp, O, turf, 2200, 2, 620000},
    {"中山記念", "中山記", 6, 2, 4, SUN, 'B', fourUp, O, turf, 1800, 2, 620000},
    {"弥生賞", "弥生賞", 6, 3, 1, SUN, 'B', three, O, turf, 2000, 3, 550000},
    {"チューリップ賞", "チュー", 9, 3, 1, SAT, 'B', three, F, turf, 1600, 3, 520000},
    {"金鯱賞", "金鯱賞", 7, 3, 2, SUN, 'B', fourUp, O, turf, 2000, 2, 670000},
    {"阪神大賞典", "阪神大", 9, 3, 3, SUN, 'B', fourUp, O, turf, 3000, 2, 670000},
    {"日経賞", "日経賞", 6, 3, 4, SAT, 'B', fourUp, O, turf, 2500, 2, 670000},
    {"京王杯スプリングカップ", "京王春", 5, 5, 2, SAT, 'B', fourUp, O, turf, 1400, 2, 590000},
    {"札幌記念", "札幌記", 1, 8, 3, SUN, 'B', threeUp, O, turf, 2000, 4, 700000},
    {"セントウルステークス", "セント", 9, 9, 2, SUN, 'B', threeUp, O, turf, 1200, 2, 590000},
    {"神戸新聞杯", "神戸新", 9, 9, 4, SUN, 'B', three, O, turf, 2400, 3, 540000},
    {"毎日王冠", "毎日王", 5, 10, 1, SUN, 'B', threeUp, O, turf, 1800, 2, 670000},
    {"京都大賞典", "京都大", 8, 10, 1, SUN, 'B', threeUp, O, turf, 2400, 2, 670000},
    {"府中牝馬ステークス", "府中牝", 5, 10, 2, SAT, 'B', threeUp, F, turf, 1800, 2, 590000},
    {"デイリー杯２歳ステークス", "デイリ", 8, 10, 2, SAT, 'B', two, O, turf, 1600, 3, 380000},
    {"アルゼンチン共和国杯", "アルゼ", 5, 11, 1, SUN, 'B', threeUp, O, turf, 2500, 1, 570000},
    {"京王杯２歳ステークス", "京王２", 5, 11, 1, SAT, 'B', two, O, turf, 1400, 3, 380000},
    {"東京スポーツ杯２歳ステークス", "東スポ", 5, 11, 3, SAT, 'B', two, O, turf, 1800, 3, 380000},
    {"ステイヤーズステークス", "ステイ", 6, 12, 1, SAT, 'B', threeUp, O, turf, 3600, 2, 620000},
    // G3
    {"京成杯", "京成杯", 6, 1, 3, SUN, 'C', three, O, turf, 2000, 3, 430000},
    {"東海ステークス", "東海Ｓ", 7, 1, 4, SUN, 'C', fourUp, O, dirt, 1800, 2, 430000},
    {"シルクロードステークス", "シルク", 8, 1, 4, SAT, 'C', fourUp, O, turf, 1200, 1, 430000},
    {"根岸ステークス", "根岸Ｓ", 5, 2, 1, SUN, 'C', fourUp, O, dirt, 1400, 2, 430000},
    {"共同通信杯", "共同通", 5, 2, 2, SUN, 'C', three, O, turf, 1800, 2, 430000},
    {"小倉大賞典", "小倉大", 10, 2, 3, SUN, 'C', fourUp, O, turf, 1800, 1, 430000},
    {"ダービー卿チャレンジトロフィー", "ダ卿Ｔ", 6, 4, 1, SAT, 'C', fourUp, O, turf, 1600, 1, 430000},
    {"毎日杯", "毎日杯", 9, 3, 4, SAT, 'C', three, O, turf, 1800, 2, 430000},
    {"福島牝馬ステークス", "福島牝", 3, 4, 4, SAT, 'C', fourUp, F, turf, 1800, 2, 430000},
    {"新潟大賞典", "新潟大", 4, 5, 1, SUN, 'C', fourUp, O, turf, 2000, 1, 430000},
    {"函館スプリントステークス", "函館ス", 2, 6, 2, SUN, 'C', threeUp, O, turf, 1200, 2, 430000},
    {"エプソムカップ", "エプソ", 5, 6, 2, SUN, 'C', threeUp, O, turf, 1800, 2, 430000},
    {"ラジオＮＩＫＫＥＩ賞", "ラジオ", 3, 7, 1, SUN, 'C', three, O, turf, 1800, 1, 430000},
    {"七夕賞", "七夕賞", 3, 7, 2, SUN, 'C', threeUp, O, turf, 2000, 1, 430000},
    {"函館記念", "函館記", 2, 7, 3, SUN, 'C', threeUp, O, turf, 2000, 1, 430000},
    {"函館２歳ステークス", "函館２", 2, 7, 3, SAT, 'C', two, O, turf, 1200, 3, 330000},
    {"中京記念", "中京記", 7, 7, 4, SUN, 'C', threeUp, O, turf, 1600, 1, 430000},
    {"レパードステークス", "レパー", 4, 8, 1, SUN, 'C', three, O, dirt, 1800, 2, 430000},
    {"アイビスサマーダッシュ", "アイビ", 4, 8, 1, SAT, 'C', threeUp, O, turf, 1000, 2, 430000},
    {"小倉記念", "小倉記", 10, 8, 2, SUN, 'C', threeUp, O, turf, 2000, 1, 430000},
    {"関屋記念", "関屋記", 4, 8, 2, SUN, 'C', threeUp, O, turf, 1600, 2, 430000},
    {"北九州記念", "北九州", 10, 8, 3, SUN, 'C', threeUp, O, turf, 1200, 1, 430000},
    {"新潟２歳ステークス", "新潟２", 4, 8, 4, SUN, 'C', two, O, turf, 1600, 3, 330000},
    {"新潟記念", "新潟記", 4, 9, 1, SUN, 'C', threeUp, O, turf, 2000, 1, 430000},
    {"札幌２歳ステークス", "札幌２", 1, 9, 1, SAT, 'C', two, O, turf, 1800, 3, 330000},
    {"京成杯オータムハンデキャップ", "京成Ａ", 6, 9, 2, SUN, 'C', threeUp, O, turf, 1600, 1, 430000},
    {"シリウスステークス", "シリウ", 9, 9, 5, SAT, 'C', threeUp, O, dirt, 2000, 1, 430000},
    {"サウジアラビアロイヤルカップ", "サウジ", 5, 10, 2, SAT, 'C', two, O, turf, 1600, 3, 330000},
    {"武蔵野ステークス", "武蔵野", 5, 11, 2, SAT, 'C', threeUp, O, dirt, 1600, 2, 430000},
    {"福島記念", "福島記", 3, 11, 2, SUN, 'C', threeUp, O, turf, 2000, 1, 430000},
    {"京阪杯", "京阪杯", 8, 11, 4, SUN, 'C', threeUp, O, turf, 1200, 2, 430000},
    {"チャレンジカップ", "チャレ", 9, 12, 2, SAT, 'C', threeUp, O, turf, 2000, 2, 430000},
    {"ターコイズステークス", "ターコ", 6, 12, 3, SAT, 'C', threeUp, F, turf, 1600, 1, 430000},
    // Ungraded stakes and listed races
    {"小倉２歳ステークス", "小倉２", 10, 9, 1, SUN, 'D', two, O, turf, 1200, 3, 330000},
    {"みやこステークス", "みやこ", 8, 11, 1, SUN, 'D', threeUp, O, dirt, 1800, 2, 430000},
    {"若葉ステークス", "若葉Ｓ", 9, 3, 3, SAT, 'L', three, O, turf, 2000, 3, 260000},
    {"オアシスステークス", "オアシ", 5, 4, 4, SAT, 'L', fourUp, O, dirt, 1600, 2, 260000},
    // Jump races
    {"阪神スプリングジャンプ", "阪神Ｓ", 9, 3, 2, SAT, 'G', fourUp, O, jump, 3900, 2, 400000},
    {"中山グランドジャンプ", "中山Ｇ", 6, 4, 2, SAT, 'F', fourUp, O, jump, 4250, 4, 660000},
    {"東京ジャンプステークス", "東京Ｊ", 5, 6, 3, SAT, 'H', threeUp, O, jump, 3110, 2, 300000},
    {"小倉サマージャンプ", "小倉Ｊ", 10, 7, 4, SAT, 'H', threeUp, O, jump, 3390, 2, 300000},
    {"新潟ジャンプステークス", "新潟Ｊ", 4, 8, 4, SAT, 'H', threeUp, O, jump, 3250, 2, 300000},
    {"東京ハイジャンプ", "東京Ｈ", 5, 10, 2, SUN, 'G', threeUp, O, jump, 3110, 2, 400000},
    {"京都ジャンプステークス", "京都Ｊ", 8, 11, 2, SAT, 'H', threeUp, O, jump, 3170, 2, 300000},
    {"中山大障害", "中山大", 6, 12, 4, SAT, 'F', threeUp, O, jump, 4100, 4, 660000},
};

static_assert(std::size(kStakes) <= 128, "StakeBook keeps one year per stake");

}  // namespace

const Stake* StakeBook::find(int course, int day, bool jump) const {
    const Ymd c = civil(day);
    const int week = (c.d - 1) / 7 + 1;
    const int wday = weekday(day);
    const Stake* best = nullptr;
    for (std::size_t i = 0; i < std::size(kStakes); ++i) {
        const Stake& s = kStakes[i];
        if (s.course != course || s.month != c.m || s.wday != wday || (s.surface == Surface::jump) != jump) continue;
        if (lastYear_[i] == c.y || week < s.week || week > s.week + 1) continue;
        if (!best || week - s.week < week - best->week) best = &s;
    }
    return best;
}

void StakeBook::markRun(const Stake& stake, int year) { lastYear_[static_cast<std::size_t>(&stake - kStakes)] = year; }

}  // namespace vantor::demo
