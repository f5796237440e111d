#pragma once
// Reading a feed file whole: a feed file runs to megabytes, and the whole
// of it is held while its records are read. The fake JV-Link for Windows
// builds the replacement with a reader of its own (tools/jvbridge/windows).

#include <filesystem>
#include <string>

namespace vantor {

// The bytes of a plain file into out; false for anything else (a folder, a
// pipe, which is never waited for) and on any read error.
bool readFeedFile(const std::filesystem::path& path, std::string& out);

}  // namespace vantor
