#pragma once
// A program folder held in memory for the targets that file records or
// load days, so that an input costs no file system round trip.

#include <filesystem>
#include <string>

#include "fileio/memory_files.h"
#include "store/store_paths.h"

namespace vantor::fuzz {

// The program folder with its store folders for one input. Everything goes
// when the input is done, so that no input sees another's files (and
// libFuzzer's leak check finds nothing held from one input to the next);
// a target that keeps one store for the whole run renews it per input.
struct MemoryStore {
    MemoryStore() { renew(); }
    ~MemoryStore() { files.clear(); }

    // Back to the empty store folders.
    void renew() {
        files.clear();
        for (const std::filesystem::path& folder :
             {paths().dataDir(), paths().seiDir(), paths().seirDir(), paths().um2Dir()})
            files.makeFolders(folder);
    }

    // No such folder exists on disk, so the folder lookups of StorePaths
    // find nothing there and keep the names as spelt.
    static const StorePaths& paths() {
        static const StorePaths made(std::filesystem::path("/nonexistent/vantor-fuzz/app"));
        return made;
    }
    // Whether a file's path lies inside the program folder.
    static bool inside(const std::string& path) {
        static const std::string folder = paths().appDir().string() + "/";
        return path.starts_with(folder);
    }

    MemoryFiles files;
};

}  // namespace vantor::fuzz
