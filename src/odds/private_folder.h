#pragma once
// A folder of the program's own for one job: made with a fresh name that no
// one else can have chosen, open to the user only, and removed with all it
// holds when the job is done.

#include <filesystem>
#include <string>

namespace vantor {

class PrivateFolder {
public:
    // Makes parent/<prefix>XXXXXX. Folders of that prefix that a killed run
    // left in parent are removed first (never anything else).
    PrivateFolder(const std::filesystem::path& parent, const std::string& prefix);
    ~PrivateFolder();
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    // Empty when the folder could not be made.
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace vantor
