#include "demo/race_names.h"

#include <array>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "demo/rng.h"
#include "text/encoding.h"

namespace vantor::demo {
namespace {

std::vector<SjisString> converted(std::initializer_list<std::string_view> words) {
    std::vector<SjisString> out;
    for (std::string_view w : words) out.push_back(utf8ToCp932(w));
    return out;
}

struct NameParts {
    std::array<SjisString, 4> ages;
    std::array<SjisString, 7> classes;
    std::array<SjisString, 7> shorts;
    SjisString jump, jumpMaidenShort, jumpOpenShort, stakes, stakesShort;
    std::array<std::vector<SjisString>, 12> monthWords;
    std::array<std::vector<SjisString>, 10> courseWords;
    std::vector<SjisString> lowSuffixes, highSuffixes;
};

const NameParts& parts() {
    static const NameParts p = [] {
        NameParts n;
        const char* ages[] = {"２歳", "３歳", "３歳以上", "４歳以上"};
        const char* classes[] = {"新馬", "未出走", "未勝利", "１勝クラス", "２勝クラス", "３勝クラス", "オープン"};
        const char* shorts[] = {"新馬", "未出走", "未勝利", "１勝", "２勝", "３勝", "ＯＰ"};
        for (std::size_t i = 0; i < 4; ++i) n.ages[i] = utf8ToCp932(ages[i]);
        for (std::size_t i = 0; i < 7; ++i) n.classes[i] = utf8ToCp932(classes[i]);
        for (std::size_t i = 0; i < 7; ++i) n.shorts[i] = utf8ToCp932(shorts[i]);
        n.jump = utf8ToCp932("障害");
        n.jumpMaidenShort = utf8ToCp932("障未勝");
        n.jumpOpenShort = utf8ToCp932("障ＯＰ");
        n.stakes = utf8ToCp932("ステークス");
        n.stakesShort = utf8ToCp932("Ｓ");
        n.monthWords = {
            converted({"初春", "新春", "睦月", "寒梅", "若潮", "白梅"}),
            converted({"如月", "紅梅", "春蘭", "立春", "梅花", "雪割"}),
            converted({"弥生", "桃花", "春風", "若草", "早春", "菜の花"}),
            converted({"卯月", "春雷", "若葉", "新緑", "山桜", "春光"}),
            converted({"薫風", "五月晴", "菖蒲", "青嵐", "新茶", "藤"}),
            converted({"水無月", "紫陽花", "蛍", "梅雨晴", "夏至", "青梅"}),
            converted({"文月", "天の川", "夏空", "海風", "白雲", "渓流"}),
            converted({"葉月", "向日葵", "晩夏", "朝顔", "夕凪", "花火"}),
            converted({"長月", "初秋", "月見", "萩", "秋分", "鈴虫"}),
            converted({"神無月", "紅葉", "秋桜", "稲穂", "秋晴", "木犀"}),
            converted({"霜月", "錦秋", "晩秋", "銀杏", "小春", "落葉"}),
            converted({"師走", "冬至", "寒椿", "聖夜", "冬晴", "雪月"}),
        };
        n.courseWords = {
            converted({"大通", "藻岩山", "羊ヶ丘", "石狩"}),
            converted({"五稜郭", "駒ヶ岳", "津軽海峡", "湯の川"}),
            converted({"磐梯山", "猪苗代", "安達太良", "阿武隈"}),
            converted({"佐渡", "越後", "信濃川", "弥彦"}),
            converted({"府中", "多摩川", "武蔵野", "秩父"}),
            converted({"船橋", "習志野", "房総", "九十九里"}),
            converted({"熱田", "尾張", "桶狭間", "知多"}),
            converted({"嵐山", "鴨川", "比叡", "宇治川"}),
            converted({"六甲", "西宮", "甲南", "須磨"}),
            converted({"玄界灘", "門司", "関門", "英彦山"}),
        };
        n.lowSuffixes = converted({"特別", "賞", "特別", "ジャンプ"});
        n.highSuffixes = converted({"ステークス", "カップ", "ステークス", "ジャンプステークス"});
        return n;
    }();
    return p;
}

const SjisString& drawFrom(const std::vector<SjisString>& list, Rng& rng) {
    return list[static_cast<std::size_t>(rng.between(0, static_cast<int>(list.size()) - 1))];
}

}  // namespace

SjisString conditionName(AgeGroup age, RaceClass cls, bool jump) {
    const NameParts& p = parts();
    SjisString name = jump ? p.jump : SjisString();
    return name + p.ages[static_cast<std::size_t>(age)] + p.classes[static_cast<std::size_t>(cls)];
}

SjisString conditionShort(RaceClass cls, bool jump) {
    const NameParts& p = parts();
    if (jump) return cls == RaceClass::open ? p.jumpOpenShort : p.jumpMaidenShort;
    return p.shorts[static_cast<std::size_t>(cls)];
}

SjisString specialRaceName(int course, int month, RaceClass cls, bool jump, char grade, Rng& rng) {
    const NameParts& p = parts();
    const SjisString& word = rng.chance(0.5) ? drawFrom(p.monthWords[static_cast<std::size_t>(month - 1)], rng)
                                             : drawFrom(p.courseWords[static_cast<std::size_t>(course - 1)], rng);
    const bool high = grade == 'L' || cls == RaceClass::win3 || cls == RaceClass::open;
    const std::vector<SjisString>& suffixes = high ? p.highSuffixes : p.lowSuffixes;
    // The last suffix of each list belongs to jump races, the others to flat races.
    const std::size_t n = suffixes.size();
    const SjisString& suffix =
        jump ? suffixes[n - 1] : suffixes[static_cast<std::size_t>(rng.between(0, static_cast<int>(n) - 2))];
    return word + suffix;
}

SjisString shortForm(SjisView name, std::size_t maxBytes) {
    const NameParts& p = parts();
    SjisString s(name);
    const std::size_t at = s.view().find(p.stakes);
    if (at != SjisView::npos && at % 2 == 0) s.replace(at, p.stakes.size(), p.stakesShort);
    return SjisString(cutAtCharBoundary(s, maxBytes));
}

}  // namespace vantor::demo
