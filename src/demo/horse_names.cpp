#include "demo/horse_names.h"

#include <string_view>

#include "text/encoding.h"

namespace vantor::demo {
namespace {

struct Word {
    std::string_view kana;
    std::string_view roman;
};

constexpr Word kHeads[] = {
    {"ウイン", "Win"},       {"エア", "Air"},           {"ゴールド", "Gold"},      {"シルバー", "Silver"},
    {"ダイヤ", "Daiya"},     {"スター", "Star"},        {"サクラ", "Sakura"},      {"カゼ", "Kaze"},
    {"ハル", "Haru"},        {"ナツ", "Natsu"},         {"アキ", "Aki"},           {"フユ", "Fuyu"},
    {"ソラ", "Sora"},        {"ウミ", "Umi"},           {"ホシ", "Hoshi"},         {"ツキ", "Tsuki"},
    {"ヒカリ", "Hikari"},    {"ミラクル", "Miracle"},   {"グラン", "Gran"},        {"ロード", "Lord"},
    {"キング", "King"},      {"クイーン", "Queen"},     {"プリンス", "Prince"},    {"レディ", "Lady"},
    {"ブラック", "Black"},   {"ホワイト", "White"},     {"レッド", "Red"},         {"ブルー", "Blue"},
    {"ラッキー", "Lucky"},   {"ハッピー", "Happy"},     {"ワンダー", "Wonder"},    {"ドリーム", "Dream"},
    {"ファイン", "Fine"},    {"ノーブル", "Noble"},     {"エターナル", "Eternal"}, {"ミスター", "Mister"},
    {"ミス", "Miss"},        {"ビッグ", "Big"},         {"リトル", "Little"},      {"ニュー", "New"},
    {"サウス", "South"},     {"ノース", "North"},       {"イースト", "East"},      {"ウエスト", "West"},
    {"ライト", "Light"},     {"ダーク", "Dark"},        {"ローズ", "Rose"},        {"リリー", "Lily"},
    {"サニー", "Sunny"},     {"クリスタル", "Crystal"}, {"ルビー", "Ruby"},        {"パール", "Pearl"},
    {"ジェット", "Jet"},     {"ロイヤル", "Royal"},     {"スーパー", "Super"},     {"マジック", "Magic"},
    {"ファースト", "First"}, {"アイアン", "Iron"},      {"ヴェル", "Vel"},         {"ベル", "Belle"},
    {"コスモ", "Cosmo"},     {"テイク", "Take"},        {"ヤマト", "Yamato"},      {"ミヤコ", "Miyako"},
};

constexpr Word kTails[] = {
    {"ボーイ", "Boy"},
    {"ガール", "Girl"},
    {"キング", "King"},
    {"クイーン", "Queen"},
    {"スター", "Star"},
    {"ドリーム", "Dream"},
    {"ロード", "Road"},
    {"ウェイ", "Way"},
    {"ラン", "Run"},
    {"ダッシュ", "Dash"},
    {"ブレイブ", "Brave"},
    {"ハート", "Heart"},
    {"ソウル", "Soul"},
    {"ウィング", "Wing"},
    {"ファイター", "Fighter"},
    {"ヒーロー", "Hero"},
    {"ヴィクトリー", "Victory"},
    {"エース", "Ace"},
    {"オー", "O"},
    {"バクシン", "Bakushin"},
    {"ライデン", "Raiden"},
    {"カムイ", "Kamui"},
    {"タイガー", "Tiger"},
    {"ライオン", "Lion"},
    {"イーグル", "Eagle"},
    {"ホーク", "Hawk"},
    {"ファルコン", "Falcon"},
    {"ペガサス", "Pegasus"},
    {"サンダー", "Thunder"},
    {"ストーム", "Storm"},
    {"レイン", "Rain"},
    {"スノー", "Snow"},
    {"ブリーズ", "Breeze"},
    {"メロディー", "Melody"},
    {"ソング", "Song"},
    {"ダンス", "Dance"},
    {"ワルツ", "Waltz"},
    {"ビート", "Beat"},
    {"リズム", "Rhythm"},
    {"ミライ", "Mirai"},
    {"ユメ", "Yume"},
    {"ハヤテ", "Hayate"},
    {"イナズマ", "Inazuma"},
    {"ツバサ", "Tsubasa"},
    {"アラシ", "Arashi"},
    {"ホマレ", "Homare"},
    {"ヒメ", "Hime"},
    {"ダイチ", "Daichi"},
    {"ソレイユ", "Soleil"},
    {"エトワール", "Etoile"},
    {"ルミエール", "Lumiere"},
    {"ボヌール", "Bonheur"},
    {"シャルム", "Charme"},
    {"ブリランテ", "Brillante"},
    {"アモーレ", "Amore"},
    {"フォルテ", "Forte"},
    {"ヴィータ", "Vita"},
    {"ノヴァ", "Nova"},
    {"ステラ", "Stella"},
    {"ルーナ", "Luna"},
    {"アルテミス", "Artemis"},
    {"アポロ", "Apollo"},
    {"オリオン", "Orion"},
    {"シリウス", "Sirius"},
    {"ベガ", "Vega"},
    {"アトラス", "Atlas"},
    {"ガイア", "Gaia"},
    {"ゼウス", "Zeus"},
    {"カイザー", "Kaiser"},
    {"エンペラー", "Emperor"},
    {"ジーニアス", "Genius"},
    {"パワー", "Power"},
    {"スピード", "Speed"},
    {"ブレーヴ", "Brave"},
    {"シチー", "City"},
    {"タイム", "Time"},
    {"ゲート", "Gate"},
    {"クラウン", "Crown"},
    {"ジュエル", "Jewel"},
    {"フラッシュ", "Flash"},
};

// Two-syllable pieces that read like Japanese words when joined.
constexpr Word kSyllables[] = {
    {"サク", "saku"},  {"ラン", "ran"},  {"カイ", "kai"},  {"ユウ", "yu"},    {"セイ", "sei"},   {"リュウ", "ryu"},
    {"コウ", "ko"},    {"シン", "shin"}, {"タク", "taku"}, {"マサ", "masa"},  {"ヒデ", "hide"},  {"トモ", "tomo"},
    {"ケン", "ken"},   {"ダイ", "dai"},  {"ハヤ", "haya"}, {"キラ", "kira"},  {"ミナ", "mina"},  {"レイ", "rei"},
    {"アス", "asu"},   {"マイ", "mai"},  {"ルナ", "runa"}, {"リオ", "rio"},   {"エル", "eru"},   {"ノア", "noa"},
    {"レオ", "reo"},   {"カナ", "kana"}, {"ユキ", "yuki"}, {"サラ", "sara"},  {"マリ", "mari"},  {"ナナ", "nana"},
    {"ジュン", "jun"}, {"トウ", "to"},   {"フウ", "fu"},   {"ライ", "rai"},   {"ミツ", "mitsu"}, {"アキ", "aki"},
    {"ヨシ", "yoshi"}, {"タカ", "taka"}, {"ヒロ", "hiro"}, {"カツ", "katsu"}, {"テル", "teru"},  {"ミノ", "mino"},
    {"ハナ", "hana"},  {"サキ", "saki"}, {"アイ", "ai"},   {"ソウ", "so"},    {"ゲン", "gen"},   {"ゴウ", "go"},
    {"ビン", "bin"},   {"メイ", "mei"},  {"ホウ", "ho"},   {"リン", "rin"},   {"ラク", "raku"},  {"ムサ", "musa"},
    {"ツル", "tsuru"}, {"カゲ", "kage"}, {"イブ", "ibu"},  {"ノブ", "nobu"},  {"マコ", "mako"},  {"ゼン", "zen"},
};

constexpr std::size_t kMaxBytes = 18;  // nine full-width characters, the JRA limit

template <std::size_t N>
std::vector<HorseName> converted(const Word (&words)[N]) {
    std::vector<HorseName> out;
    out.reserve(N);
    for (const Word& w : words) out.push_back({utf8ToCp932(w.kana), std::string(w.roman)});
    return out;
}

std::string capitalised(std::string s) {
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

}  // namespace

HorseNamer::HorseNamer(std::uint64_t seed)
    : rng_(seed), heads_(converted(kHeads)), tails_(converted(kTails)), syllables_(converted(kSyllables)) {}

HorseName HorseNamer::syllables(int pieces) {
    HorseName p;
    for (int i = 0; i < pieces; ++i) {
        const HorseName& s = draw(syllables_);
        p.kana += s.kana;
        p.roman += s.roman;
    }
    p.roman = capitalised(std::move(p.roman));
    return p;
}

HorseName HorseNamer::compose() {
    const int pattern = rng_.between(0, 99);
    HorseName first, second;
    if (pattern < 45) {
        first = draw(heads_);
        second = draw(tails_);
    } else if (pattern < 65) {
        first = draw(heads_);
        second = syllables(rng_.between(1, 2));
    } else if (pattern < 85) {
        first = syllables(rng_.between(1, 2));
        second = draw(tails_);
    } else {
        return syllables(rng_.between(2, 3));
    }
    return {first.kana + second.kana, first.roman + " " + second.roman};
}

HorseName HorseNamer::make() {
    for (;;) {
        HorseName name = compose();
        if (name.kana.size() < 4 || name.kana.size() > kMaxBytes) continue;
        if (used_.insert(name.kana).second) return name;
    }
}

}  // namespace vantor::demo
