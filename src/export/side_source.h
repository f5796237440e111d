#pragma once
// A file beside the store whose rows an export writes too (the user's marks
// file). Its own module reads it, which the export does not know; the
// export keeps its stamp in store_files as a store file's, so that it is
// read again only when it changed.

#include <optional>
#include <string>

#include "export/export_tables.h"
#include "export/store_files.h"

namespace vantor::sqlexport {

class SideSource {
public:
    virtual ~SideSource() = default;

    // The file's path from the program folder ("usermarks.sqlite").
    virtual std::string path() const = 0;
    // Its stamp now; nothing when there is no such file, whose tables are
    // then empty without a word (a user who never marked has none).
    virtual std::optional<FileStamp> stamp() const = 0;
    // Appends the file's rows, or says (UTF-8) why it cannot be read; the
    // file's tables are then left empty.
    virtual std::optional<std::string> appendRows(TableRows& rows) const = 0;
};

}  // namespace vantor::sqlexport
