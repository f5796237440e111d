#include "shell/table_order.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace vantor {
namespace {

// A decimal at the start of text: sign, digits, a point and digits.
std::optional<double> leadingDecimal(SjisView text, std::size_t& used) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return std::nullopt;
    used = static_cast<std::size_t>(end - text.data());
    return value;
}

}  // namespace

std::optional<double> cellNumber(SjisView text) {
    text = trimBlanks(text);
    std::size_t used = 0;
    const auto first = leadingDecimal(text, used);
    if (!first) return std::nullopt;
    // Minutes and seconds.
    if (used < text.size() && text[used] == ':') {
        std::size_t secondsUsed = 0;
        const auto seconds = leadingDecimal(text.substr(used + 1), secondsUsed);
        if (seconds) return *first * 60 + *seconds;
    }
    return first;
}

std::vector<std::size_t> sortedRowOrder(const stats::TextTable& table, std::size_t column, bool descending,
                                        std::size_t keptLast) {
    std::vector<std::size_t> order(table.rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const std::size_t sorted = order.size() - std::min(keptLast, order.size());
    const bool numeric = column < table.numeric.size() && table.numeric[column];
    const auto cell = [&](std::size_t row) -> SjisView {
        const auto& cells = table.rows[row];
        return column < cells.size() ? SjisView(cells[column]) : SjisView();
    };
    const auto before = [&](std::size_t a, std::size_t b) {
        if (numeric) {
            const auto x = cellNumber(cell(a)), y = cellNumber(cell(b));
            if (!x || !y) return x.has_value() && !y.has_value();
            return descending ? *x > *y : *x < *y;
        }
        const SjisView x = cell(a), y = cell(b);
        if (x.empty() != y.empty()) return !x.empty();
        return descending ? x > y : x < y;
    };
    std::stable_sort(order.begin(), order.begin() + static_cast<long>(sorted), before);
    return order;
}

}  // namespace vantor
