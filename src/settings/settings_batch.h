#pragma once
// The values one choice of the user sets together (a dialog's OK, the
// window's place when it closes), collected and written to the settings
// file in one replacement: the file holds all of them or, when the commit
// fails, its old content whole.

#include <filesystem>
#include <vector>

#include "settings/ini_gt.h"

namespace vantor {

class SettingsBatch {
public:
    explicit SettingsBatch(TIniGT& ini) : ini_(&ini) {}

    void set(SjisView section, SjisView key, SjisView value) {
        changes_.push_back({SjisString(section), SjisString(key), SjisString(value)});
    }

    // Writes what was set; false, the file unchanged, when it could not be
    // saved. The batch is empty afterwards either way.
    bool commit() {
        const bool saved = ini_->WriteValues(changes_);
        changes_.clear();
        return saved;
    }

    // The file the batch is written to, for a message saying it was not.
    std::filesystem::path filePath() const { return ini_->filePath(); }

private:
    TIniGT* ini_;
    std::vector<TIniGT::Change> changes_;
};

}  // namespace vantor
