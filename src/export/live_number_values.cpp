#include "export/live_number_values.h"

namespace vantor::sqlexport {

Value liveNumberValue(LiveNumber n, int scale) {
    if (!n.hasValue()) return {};
    if (scale == 0) return static_cast<long long>(n.value);
    double value = n.value;
    for (int i = 0; i < scale; ++i) value /= 10;
    return value;
}

Value liveStateValue(LiveNumber n) {
    switch (n.mark) {
        case LiveMark::value:
            return {};
        case LiveMark::none:
            return "blank";
        case LiveMark::noVotes:
            return "no_votes";
        case LiveMark::cancelledBeforeSale:
            return "cancelled_before_sale";
        case LiveMark::cancelledAfterSale:
            return "cancelled_after_sale";
        case LiveMark::notWeighed:
            return "not_weighed";
        case LiveMark::scratched:
            return "scratched";
        case LiveMark::garbled:
            break;
    }
    return "garbled";
}

void appendLiveNumber(LiveNumber n, int scale, Row& row) {
    row.push_back(liveNumberValue(n, scale));
    row.push_back(liveStateValue(n));
}

void addLiveNumberColumns(const std::string& name, SqlType type, std::vector<ColumnDef>& columns) {
    columns.push_back({name, type});
    columns.push_back({name + "_state", SqlType::text});
}

}  // namespace vantor::sqlexport
