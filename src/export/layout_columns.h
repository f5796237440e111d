#pragma once
// Columns and row values of a table that a record layout drives: one column
// per field occurrence that the layout does not leave out, named after the
// field in lower case ("kyori"; a repeated field "laptime_1" ...
// "laptime_25"), and beside a code the text the program shows for it
// ("jyocd_name").

#include <span>

#include "export/sql_row.h"
#include "record_layouts/record_field.h"

namespace vantor::sqlexport {

struct CodeText {
    std::string_view field;
    SjisString (*text)(SjisView code);
};

struct LayoutColumns {
    std::span<const jvdata::FieldInfo> fields;
    std::span<const CodeText> codeTexts;
    bool raceKeyed = false;  // a first column race_date from the record's year and month-day
    // A live record's announce time HappyoTime (MMDDhhmm) written as
    // "yyyy-mm-dd hh:mm" in the year of the race day.
    bool announceTimed = false;
};

std::vector<ColumnDef> columnsOf(const LayoutColumns& table);

// Appends the record's values in the order of columnsOf.
void appendValues(const LayoutColumns& table, SjisView record, Row& row);

}  // namespace vantor::sqlexport
