#include "jvlink/feed_file_read.h"

#include "fileio/whole_file.h"

namespace vantor {

bool readFeedFile(const std::filesystem::path& path, std::string& out) {
    FileContent content = readWholeFile(path);
    if (content.status != FileContent::Status::ok) return false;
    out = std::move(content.bytes);
    return true;
}

}  // namespace vantor
