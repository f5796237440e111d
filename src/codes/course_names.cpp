#include "codes/course_names.h"

#include <array>
#include <cstddef>
#include <map>
#include <string_view>

#include "codes/sjis_table.h"
#include "text/encoding.h"

namespace vantor {
namespace {

constexpr std::size_t kForm0Width = 6;
constexpr std::size_t kForm2Width = 4;

struct CourseRow {
    SjisView code;
    std::string_view form0, form2;  // UTF-8; empty for codes without a name
};

// Names shorter than their form's width are padded with half-width blanks
// when the table is built; Thailand's long form carries its own full-width
// blank.
constexpr CourseRow kCourses[] = {
    {"01", "札幌", "札幌"},   {"02", "函館", "函館"},   {"03", "福島", "福島"},   {"04", "新潟", "新潟"},
    {"05", "東京", "東京"},   {"06", "中山", "中山"},   {"07", "中京", "中京"},   {"08", "京都", "京都"},
    {"09", "阪神", "阪神"},   {"10", "小倉", "小倉"},   {"30", "門別", "門別"},   {"31", "北見", "北見"},
    {"32", "岩見沢", "岩見"}, {"33", "帯広", "帯広"},   {"34", "旭川", "旭川"},   {"35", "盛岡", "盛岡"},
    {"36", "水沢", "水沢"},   {"37", "上山", "上山"},   {"38", "三条", "三条"},   {"39", "足利", "足利"},
    {"40", "宇都宮", "宇都"}, {"41", "高崎", "高崎"},   {"42", "浦和", "浦和"},   {"43", "船橋", "船橋"},
    {"44", "大井", "大井"},   {"45", "川崎", "川崎"},   {"46", "金沢", "金沢"},   {"47", "笠松", "笠松"},
    {"48", "名古屋", "名古"}, {"49", "紀三井", "紀三"}, {"50", "園田", "園田"},   {"51", "姫路", "姫路"},
    {"52", "益田", "益田"},   {"53", "福山", "福山"},   {"54", "高知", "高知"},   {"55", "佐賀", "佐賀"},
    {"56", "荒尾", "荒尾"},   {"57", "中津", "中津"},   {"58", "札幌", "札幌"},   {"59", "函館", "函館"},
    {"60", "新潟", "新潟"},   {"61", "中京", "中京"},   {"A0", "他外国", "他外"}, {"A2", "日本", "日本"},
    {"A4", "ｱﾒﾘｶ", "アメ"},   {"A6", "ｲｷﾞﾘｽ", "イギ"},  {"A8", "ﾌﾗﾝｽ", "フラ"},   {"B0", "インド", "イン"},
    {"B2", "ｱｲﾙﾗﾝﾄ", "アイ"}, {"B4", "ﾆｭｰｼﾞｰ", "ニュ"}, {"B6", "ｵｰｽﾄﾗﾘ", "オー"}, {"B8", "カナダ", "カナ"},
    {"C0", "ｲﾀﾘｱ", "イタ"},   {"C2", "ドイツ", "ドイ"}, {"C4", "", ""},           {"C5", "ｵﾏｰﾝ", "オマ"},
    {"C6", "イラク", "イラ"}, {"C7", "ｱﾗﾌﾞ首", "ア首"}, {"C8", "シリア", "シリ"}, {"D0", "ｽｳｪｰﾃﾞ", "スウ"},
    {"D2", "ﾊﾝｶﾞﾘｰ", "ハン"}, {"D4", "ﾎﾟﾙﾄｶﾞ", "ポル"}, {"D6", "ロシア", "ロシ"}, {"D8", "ｳﾙｸﾞｱｲ", "ウル"},
    {"E0", "ペルー", "ペル"}, {"E2", "ｱﾙｾﾞﾝﾁ", "アル"}, {"E4", "ﾌﾞﾗｼﾞﾙ", "ブラ"}, {"E6", "ﾍﾞﾙｷﾞｰ", "ベル"},
    {"E8", "トルコ", "トル"}, {"F0", "韓国", "韓国"},   {"F1", "中国", "中国"},   {"F2", "チリ", "チリ"},
    {"F4", "", ""},           {"F6", "", ""},           {"F8", "パナマ", "パナ"}, {"G0", "香港", "香港"},
    {"G2", "ｽﾍﾟｲﾝ", "スペ"},  {"G4", "", ""},           {"G6", "", ""},           {"G8", "", ""},
    {"H0", "西ﾄﾞｲﾂ", "西独"}, {"H2", "南ｱﾌﾘｶ", "南ア"}, {"H4", "スイス", "スイ"}, {"H6", "モナコ", "モナ"},
    {"H8", "ﾌｨﾘﾋﾟﾝ", "フィ"}, {"I0", "ﾌﾟｴﾙﾄﾘ", "プエ"}, {"I2", "ｺﾛﾝﾋﾞｱ", "コロ"}, {"I4", "ﾁｪｺｽﾛﾊ", "チェ"},
    {"I6", "チェコ", "チェ"}, {"I8", "ｽﾛﾊﾞｷｱ", "スロ"}, {"J0", "ｴｸｱﾄﾞﾙ", "エク"}, {"J2", "ｷﾞﾘｼｬ", "ギリ"},
    {"J4", "ﾏﾚｰｼｱ", "マレ"},  {"J6", "ﾒｷｼｺ", "メキ"},   {"J8", "ﾓﾛｯｺ", "モロ"},   {"K0", "ﾊﾟｷｽﾀﾝ", "パキ"},
    {"K2", "ﾎﾟｰﾗﾝﾄ", "ポー"}, {"K4", "ﾊﾟﾗｸﾞｱ", "パラ"}, {"K6", "ｻｳｼﾞｱﾗ", "サウ"}, {"K8", "ｷﾌﾟﾛｽ", "キプ"},
    {"L0", "タイ　", "タイ"}, {"L2", "ｳｸﾗｲﾅ", "ウク"},  {"L4", "ﾍﾞﾈｽﾞｴ", "ベネ"}, {"L6", "ﾕｰｺﾞｽﾗ", "ユー"},
    {"L8", "ﾃﾞﾝﾏｰｸ", "デン"}, {"M0", "ｼﾝｶﾞﾎﾟ", "シン"}, {"M2", "マカオ", "澳門"}, {"M4", "ｵｰｽﾄﾘｱ", "墺国"},
    {"M6", "ﾖﾙﾀﾞﾝ", "約"},    {"M8", "ｶﾀｰﾙ", "華"},     {"N0", "ﾋｶﾞｼﾄﾞ", "東ド"}, {"N2", "ﾊﾞｰﾚｰﾝ", "バレ"},
};

struct CourseForms {
    SjisString form0, form2;
};

const std::map<SjisString, CourseForms, std::less<>>& courseTable() {
    static const auto table = [] {
        std::map<SjisString, CourseForms, std::less<>> t;
        for (const CourseRow& row : kCourses)
            t.emplace(SjisString(row.code), CourseForms{padRight(utf8ToCp932(row.form0), kForm0Width),
                                                        padRight(utf8ToCp932(row.form2), kForm2Width)});
        return t;
    }();
    return table;
}

// The two-digit codes from..to, compared as exact text ("1" and " 1" are not "01").
bool isTwoDigitCodeIn(SjisView code, int from, int to) {
    if (code.size() != 2 || !isAllDigits(code)) return false;
    const int n = lenientInt(code);
    return n >= from && n <= to;
}

}  // namespace

std::optional<SjisString> CourseName(SjisView code, int form) {
    if (form != 0 && form != 2) return std::nullopt;
    const auto& table = courseTable();
    const auto it = table.find(code);
    if (it == table.end()) return std::nullopt;
    return form == 0 ? it->second.form0 : it->second.form2;
}

SjisString CourseClass(SjisView code) {
    static const SjisString kLocal = utf8ToCp932("地方  ");
    static const SjisString kOverseas = utf8ToCp932("海外  ");
    if (isTwoDigitCodeIn(code, 1, 10)) return *CourseName(code, 0);
    if (isTwoDigitCodeIn(code, 30, 61)) return kLocal;
    // Every country code of the table is overseas, except Oman (C5), which
    // has no class.
    const bool country = code.size() == 2 && code[0] >= 'A' && code[0] <= 'Z';
    if (country && code != "C5" && courseTable().contains(code)) return kOverseas;
    return SjisString(kForm0Width, ' ');
}

SjisString KolCourseName(SjisView digit) {
    static const auto kNames =
        toSjisTable<10>({"京都", "阪神", "中京", "小倉", "東京", "中山", "福島", "新潟", "札幌", "函館"});
    static const SjisString kOther = utf8ToCp932("ｿﾉ他");
    const long long n = lenientNumber(digit);
    return n >= 0 && n <= 9 ? kNames[static_cast<std::size_t>(n)] : kOther;
}

}  // namespace vantor
