#pragma once
// The feed files of one run. Each is written under a temporary name beside
// its final one; when the run has ended well, publish() renames them into
// place in delivery order. Until then a reader of the folder sees none of
// them, so it never files part of a run (whose files all share one time
// stamp, which a reader remembers as done). Files not published are removed
// when the object goes, also when the run ends by an exception.
//
// Errors are returned as UTF-8 messages naming the file.

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor::jvbridge {

class StagedFeedFiles {
public:
    explicit StagedFeedFiles(std::filesystem::path folder);
    ~StagedFeedFiles();
    StagedFeedFiles(const StagedFeedFiles&) = delete;
    StagedFeedFiles& operator=(const StagedFeedFiles&) = delete;

    // Creates the folder and removes the temporary files that an
    // interrupted run left there.
    std::optional<std::string> prepare();

    // Starts the file that will be published as finalName (a plain name,
    // no folder); ends the file before it.
    std::optional<std::string> startFile(const std::string& finalName);
    // Appends one record as one CR LF line. A record that ends in CR LF is
    // taken as it is, one without a line end gets CR LF; a record that holds
    // a line feed anywhere else cannot be one line and is refused.
    std::optional<std::string> appendRecord(std::string_view record);
    std::optional<std::string> endFile();
    // Ends the last file and renames every file into place.
    std::optional<std::string> publish();

    int fileCount() const { return static_cast<int>(names_.size()); }

private:
    std::filesystem::path tempPath(const std::string& finalName) const;
    void discardUnpublished();

    std::filesystem::path folder_;
    std::vector<std::string> names_;  // final names in delivery order
    std::size_t published_ = 0;       // how many of names_ are in place
    std::ofstream out_;
};

}  // namespace vantor::jvbridge
