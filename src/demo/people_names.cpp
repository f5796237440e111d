#include "demo/people_names.h"

#include <initializer_list>
#include <string_view>

#include "text/encoding.h"

namespace vantor::demo {
namespace {

std::vector<SjisString> converted(std::initializer_list<std::string_view> words) {
    std::vector<SjisString> out;
    out.reserve(words.size());
    for (std::string_view w : words) out.push_back(utf8ToCp932(w));
    return out;
}

constexpr std::size_t kShortNameBytes = 8;

}  // namespace

PeopleNamer::PeopleNamer(std::uint64_t seed) : rng_(seed) {
    families_ = converted({
        "佐藤",   "鈴木",   "高橋",   "田中",   "伊藤", "渡辺", "山本", "中村", "小林", "加藤", "吉田", "山田",
        "山口",   "松本",   "井上",   "木村",   "斎藤", "清水", "山崎", "池田", "橋本", "阿部", "石川", "山下",
        "中島",   "石井",   "小川",   "前田",   "岡田", "藤田", "後藤", "近藤", "村上", "遠藤", "青木", "坂本",
        "福田",   "太田",   "西村",   "藤井",   "金子", "岡本", "藤原", "三浦", "中野", "中川", "原田", "松田",
        "竹内",   "小野",   "田村",   "和田",   "石田", "森田", "上田", "内田", "柴田", "酒井", "宮崎", "横山",
        "高木",   "安藤",   "宮本",   "大野",   "小島", "谷口", "今井", "工藤", "高田", "増田", "丸山", "杉山",
        "村田",   "大塚",   "新井",   "小山",   "平野", "藤本", "河野", "上野", "野口", "武田", "松井", "千葉",
        "岩崎",   "菅原",   "木下",   "久保",   "佐野", "野村", "松尾", "市川", "菊地", "杉本", "古川", "大西",
        "島田",   "水野",   "桜井",   "高野",   "吉川", "山内", "西田", "飯田", "北村", "安田", "川口", "平田",
        "中田",   "服部",   "岩田",   "土屋",   "本田", "樋口", "秋山", "田口", "永井", "中西", "吉村", "川上",
        "石原",   "大橋",   "松岡",   "馬場",   "浜田", "森本", "星野", "矢野", "浅野", "松下", "熊谷", "藤沢",
        "国分",   "角田",   "戸崎",   "津村",   "丹内", "菱田", "荻野", "鮫島", "富田", "国枝", "堀内", "佐々木",
        "長谷川", "五十嵐", "久保田", "大久保",
    });
    initials_ = converted({"和", "雄", "一", "弘", "英", "正", "博", "勝", "誠", "健", "修", "隆", "浩", "哲", "武",
                           "豊", "康", "幸", "秀", "義", "光", "大", "翔", "拓", "優", "亮", "達", "智", "直", "信"});
    givenNames_ = converted({"太郎", "一郎", "健一", "誠",   "博之",   "和子", "美穂", "裕子", "隆",   "正人",
                             "浩二", "修",   "秀樹", "恵子", "洋子",   "勝也", "大輔", "翔太", "健太", "直樹",
                             "明美", "信夫", "辰雄", "政雄", "久美子", "俊介", "哲也", "由紀", "昭",   "進"});
    foreign_ = converted({"マルタン", "ロラン", "ブノワ", "ガルシア", "ムーラン", "ベルナル", "シモン", "ルイス"});
    clubWords_ =
        converted({"サンライズ", "ミラクル",     "グローリー", "シャイン",   "ブライト", "ウイナー",   "ノーブル",
                   "ロイヤル",   "フォーチュン", "ハーモニー", "オーシャン", "スカイ",   "ゴールデン", "ビクトリー",
                   "レジェンド", "ホープ",       "スプリング", "ノーザン",   "サザン",   "グランド"});
    clubSuffixes_ =
        converted({"レーシング", "ファーム", "ホースクラブ", "サラブレッドクラブ", "ステーブル", "ホールディングス"});
    companies_ = converted({"(有)", "(株)", "(一社)", "(有)", "(株)"});
    ranchCompanies_ = converted({"(有)", "(株)"});
    colours_ = converted({"黄", "黒", "赤", "青", "白", "緑", "紫", "桃", "水色", "茶", "薄紫", "海老"});
    patterns_ = converted({"縦縞", "山形一本輪", "二本輪", "襷", "元廻", "袖青一本輪", "黒鋸歯形", "青一文字",
                           "赤十字襷", "菱山形", "白星散", "格子縞"});
    towns_ = converted({"日高町", "新ひだか町", "浦河町",   "新冠町",   "様似町",   "えりも町", "平取町",
                        "安平町", "千歳市",     "苫小牧市", "むかわ町", "洞爺湖町", "伊達市",   "白老町",
                        "登別市", "青森県",     "岩手県",   "茨城県",   "千葉県",   "鹿児島県", "宮崎県"});
    countries_ = converted({"米", "英", "愛", "仏", "豪", "加", "独"});
}

SjisString PeopleNamer::shortName() {
    for (;;) {
        SjisString name = draw(families_);
        if (used_.contains(name) || rng_.chance(0.4)) name += draw(initials_);
        if (name.size() <= kShortNameBytes && used_.insert(name).second) return name;
    }
}

SjisString PeopleNamer::foreignShortName() {
    for (const SjisString& name : foreign_)
        if (used_.insert(name).second) return name;
    return shortName();
}

SjisString PeopleNamer::makeOwner() {
    if (rng_.chance(0.35)) return draw(companies_) + draw(clubWords_) + draw(clubSuffixes_);
    return draw(families_) + draw(givenNames_);
}

SjisString PeopleNamer::makeBreeder() {
    static const SjisString farm = utf8ToCp932("ファーム");
    static const SjisString ranch = utf8ToCp932("牧場");
    switch (rng_.between(0, 3)) {
        case 0:
            return draw(clubWords_) + farm;
        case 1:
            return draw(companies_) + draw(families_) + ranch;
        case 2:
            return draw(families_) + draw(givenNames_);
        default:
            return draw(families_) + ranch;
    }
}

SjisString PeopleNamer::uniqueOf(SjisString (PeopleNamer::*make)()) {
    for (;;) {
        SjisString name = (this->*make)();
        if (used_.insert(name).second) return name;
    }
}

SjisString PeopleNamer::ownerName() { return uniqueOf(&PeopleNamer::makeOwner); }
SjisString PeopleNamer::breederName() { return uniqueOf(&PeopleNamer::makeBreeder); }

SjisString PeopleNamer::colours() {
    static const SjisString comma = utf8ToCp932("，");
    return draw(colours_) + comma + draw(colours_) + draw(patterns_);
}

SjisString PeopleNamer::birthplace(bool foreign) { return foreign ? draw(countries_) : draw(towns_); }

}  // namespace vantor::demo
