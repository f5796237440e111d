#pragma once
// The user's marks file as a source of the store export: its marks, notes
// and set names go into the tables marks, notes and mark_sets. The file is
// only read: a missing or damaged one leaves those tables empty and is said
// in the export's messages, and the rest of the export goes on.

#include <filesystem>

#include "export/side_source.h"

namespace vantor {

class UserMarksExportSource final : public sqlexport::SideSource {
public:
    explicit UserMarksExportSource(std::filesystem::path appDir) : appDir_(std::move(appDir)) {}

    std::string path() const override;
    // The file's size and time with its journal's: a change a writer has
    // not yet moved out of the journal is a change too.
    std::optional<sqlexport::FileStamp> stamp() const override;
    std::optional<std::string> appendRows(sqlexport::TableRows& rows) const override;

private:
    std::filesystem::path appDir_;
};

}  // namespace vantor
