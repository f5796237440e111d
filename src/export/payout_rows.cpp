#include "export/payout_rows.h"

#include <array>
#include <optional>

#include "export/export_tables.h"
#include "export/field_values.h"
#include "record_layouts/jvdata_structure.h"

namespace vantor::sqlexport {
namespace {

// A bet kind's slots: combination, payout and popularity fields, and the
// digits of one horse or bracket number within the combination.
struct BetKind {
    std::string_view name;
    jvdata::Field combination, pay, popularity;
    std::size_t digits;
};

constexpr std::array<BetKind, 8> kBetKinds{{
    {"tan", jvdata::hr::TanUmaban, jvdata::hr::TanPay, jvdata::hr::TanNinki, 2},
    {"fuku", jvdata::hr::FukuUmaban, jvdata::hr::FukuPay, jvdata::hr::FukuNinki, 2},
    {"wakuren", jvdata::hr::WakurenKumi, jvdata::hr::WakurenPay, jvdata::hr::WakurenNinki, 1},
    {"umaren", jvdata::hr::UmarenKumi, jvdata::hr::UmarenPay, jvdata::hr::UmarenNinki, 2},
    {"wide", jvdata::hr::WideKumi, jvdata::hr::WidePay, jvdata::hr::WideNinki, 2},
    {"umatan", jvdata::hr::UmatanKumi, jvdata::hr::UmatanPay, jvdata::hr::UmatanNinki, 2},
    {"sanrenpuku", jvdata::hr::SanrenpukuKumi, jvdata::hr::SanrenpukuPay, jvdata::hr::SanrenpukuNinki, 2},
    {"sanrentan", jvdata::hr::SanrentanKumi, jvdata::hr::SanrentanPay, jvdata::hr::SanrentanNinki, 2},
}};

// "0312" with two digits a number as "3-12"; nothing when a number is 0.
std::optional<std::string> combinationText(SjisView text, std::size_t digits) {
    std::string out;
    for (std::size_t at = 0; at + digits <= text.size(); at += digits) {
        const long long n = lenientNumber(text.substr(at, digits));
        if (n <= 0) return std::nullopt;
        if (!out.empty()) out += '-';
        out += std::to_string(n);
    }
    if (out.empty()) return std::nullopt;
    return out;
}

}  // namespace

std::vector<ColumnDef> payoutColumns() {
    auto columns = raceKeyColumns();
    columns.insert(columns.end(), {{"bet", SqlType::text},
                                   {"slot", SqlType::integer},
                                   {"combination", SqlType::text},
                                   {"pay", SqlType::integer},
                                   {"ninki", SqlType::integer}});
    return columns;
}

void appendPayoutRows(SjisView record, TableRows& rows) {
    Row key;
    appendRaceKey(record, key);
    for (const auto& bet : kBetKinds) {
        for (int n = 1; n <= bet.combination.count; ++n) {
            const long long pay = jvdata::num(record, bet.pay, n);
            if (pay <= 0) continue;
            auto combination = combinationText(jvdata::get(record, bet.combination, n), bet.digits);
            if (!combination) continue;
            Row& row = rows.emplace_back(TableId::payouts, key).second;
            row.push_back(std::string(bet.name));
            row.push_back(static_cast<long long>(n));
            row.push_back(std::move(*combination));
            row.push_back(pay);
            row.push_back(integerValue(jvdata::get(record, bet.popularity, n)));
        }
    }
}

}  // namespace vantor::sqlexport
