#include <fstream>

#include "jvlink/feed_file_read.h"

namespace vantor {

bool readFeedFile(const std::filesystem::path& path, std::string& out) {
    // Only a plain file is opened: opening a pipe would wait for a writer.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? std::streamoff(in.tellg()) : -1;
    if (size < 0 || !in.seekg(0)) return false;
    out.resize(static_cast<std::size_t>(size));
    in.read(out.data(), static_cast<std::streamsize>(size));
    out.resize(static_cast<std::size_t>(in.gcount()));  // a file that shrank meanwhile
    return !in.bad();
}

}  // namespace vantor
