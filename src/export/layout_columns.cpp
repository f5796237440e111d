#include "export/layout_columns.h"

#include <algorithm>
#include <cctype>

#include "export/field_values.h"
#include "record_layouts/jvdata_record.h"

namespace vantor::sqlexport {
namespace {

std::string lowerCase(std::string_view name) {
    std::string s(name);
    std::ranges::transform(s, s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

const CodeText* codeTextOf(const LayoutColumns& table, std::string_view field) {
    const auto it = std::ranges::find(table.codeTexts, field, &CodeText::field);
    return it == table.codeTexts.end() ? nullptr : &*it;
}

// Calls visit(info, n, codeText) for every column in order.
template <typename Visit>
void forEachColumn(const LayoutColumns& table, Visit&& visit) {
    for (const auto& info : table.fields) {
        if (info.column.type == jvdata::ColumnType::omit) continue;
        const CodeText* code = codeTextOf(table, info.name);
        for (int n = 1; n <= info.field.count; ++n) visit(info, n, code);
    }
}

}  // namespace

std::vector<ColumnDef> columnsOf(const LayoutColumns& table) {
    std::vector<ColumnDef> columns;
    if (table.raceKeyed) columns.push_back({"race_date", SqlType::text});
    forEachColumn(table, [&](const jvdata::FieldInfo& info, int n, const CodeText* code) {
        std::string name = lowerCase(info.name);
        if (info.field.count > 1) name += "_" + std::to_string(n);
        columns.push_back({name, sqlType(info.column)});
        if (code) columns.push_back({name + "_name", SqlType::text});
    });
    return columns;
}

void appendValues(const LayoutColumns& table, SjisView record, Row& row) {
    if (table.raceKeyed) row.push_back(dateValue(jvdata::raceDate(record)));
    forEachColumn(table, [&](const jvdata::FieldInfo& info, int n, const CodeText* code) {
        if (table.announceTimed && info.name == "HappyoTime")
            row.push_back(announceTimeValue(jvdata::get(record, info.field, n), jvdata::raceDate(record)));
        else
            row.push_back(fieldValue(record, info, n));
        if (!code) return;
        const SjisView value = jvdata::get(record, info.field, n);
        row.push_back(trimBlanks(value).empty() ? Value() : textValue(code->text(value)));
    });
}

}  // namespace vantor::sqlexport
