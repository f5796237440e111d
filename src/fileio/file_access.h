#pragma once
// The file operations of the store, the day load and the settings file,
// behind one small interface: the program uses the disk (diskFiles()), the
// fuzz targets files held in memory (memory_files.h), so that the same code
// paths run without a file system round trip per input.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "fileio/whole_file.h"

namespace vantor {

class FileAccess {
public:
    virtual ~FileAccess() = default;

    // As readFilePart.
    virtual FileContent readPart(const std::filesystem::path& path, const ReadBound& bound) = 0;
    FileContent readWhole(const std::filesystem::path& path) { return readPart(path, ReadBound{}); }
    // As replaceWholeFile: the old or the new content, whole, and false on failure.
    virtual bool replace(const std::filesystem::path& path, std::string_view content, Durability durability) = 0;
    // Makes the folder and its parents; whether it is a folder now.
    virtual bool makeFolders(const std::filesystem::path& folder) = 0;
    // As removeLeftTemporaries.
    virtual int removeLeftTemporaries(const std::filesystem::path& folder) = 0;
    // The names of the entries of folder that are not folders, in no
    // particular order; none when it is missing or cannot be listed.
    virtual std::vector<std::string> fileNames(const std::filesystem::path& folder) = 0;
    // Removes the file (a link itself, not what it names); whether it is gone.
    virtual bool remove(const std::filesystem::path& file) = 0;
};

// The files on disk, through the functions of whole_file.h.
FileAccess& diskFiles();

}  // namespace vantor
