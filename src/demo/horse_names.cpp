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

constexpr Word kSyllables[] = {
    {"ア", "a"},   {"イ", "i"},   {"ウ", "u"},  {"エ", "e"},   {"オ", "o"},  {"カ", "ka"}, {"キ", "ki"},   {"ク", "ku"},
    {"ケ", "ke"},  {"コ", "ko"},  {"サ", "sa"}, {"シ", "shi"}, {"ス", "su"}, {"セ", "se"}, {"ソ", "so"},   {"タ", "ta"},
    {"チ", "chi"}, {"ツ", "tsu"}, {"テ", "te"}, {"ト", "to"},  {"ナ", "na"}, {"ニ", "ni"}, {"ネ", "ne"},   {"ノ", "no"},
    {"ハ", "ha"},  {"ヒ", "hi"},  {"フ", "fu"}, {"ホ", "ho"},  {"マ", "ma"}, {"ミ", "mi"}, {"ム", "mu"},   {"メ", "me"},
    {"モ", "mo"},  {"ヤ", "ya"},  {"ユ", "yu"}, {"ヨ", "yo"},  {"ラ", "ra"}, {"リ", "ri"}, {"ル", "ru"},   {"レ", "re"},
    {"ロ", "ro"},  {"ワ", "wa"},  {"ガ", "ga"}, {"ギ", "gi"},  {"グ", "gu"}, {"ゲ", "ge"}, {"ゴ", "go"},   {"ザ", "za"},
    {"ジ", "ji"},  {"ズ", "zu"},  {"ゼ", "ze"}, {"ダ", "da"},  {"デ", "de"}, {"ド", "do"}, {"バ", "ba"},   {"ビ", "bi"},
    {"ブ", "bu"},  {"ベ", "be"},  {"ボ", "bo"}, {"パ", "pa"},  {"ピ", "pi"}, {"ポ", "po"}, {"ヴァ", "va"},
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

HorseName HorseNamer::syllables(int count) {
    HorseName p;
    for (int i = 0; i < count; ++i) {
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
        second = syllables(rng_.between(2, 3));
    } else if (pattern < 85) {
        first = syllables(rng_.between(2, 3));
        second = draw(tails_);
    } else {
        return syllables(rng_.between(3, 5));
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
