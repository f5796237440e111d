#pragma once
// Temporary program folders holding the store folders, made by the
// program's own start-up functions, with the store's paths in them.

#include "store/store_paths.h"
#include "support/temp_dir.h"

namespace vantor::test {

// A program folder made ready as the command line makes it. A failure to
// make the folders fails the test that asked for them.
class ProgramFolder : public TempDir {
public:
    ProgramFolder();

    // The store's paths, resolved when asked so that folders made later count.
    StorePaths paths() const { return StorePaths(path()); }
    // The store's day files ("DATA").
    std::filesystem::path data() const { return paths().dataDir(); }

protected:
    struct Entered {};
    explicit ProgramFolder(Entered);
};

// The program folder of a running window: made ready and entered as the
// window's start-up does it, and the program's folder until it is removed.
class RunningProgramFolder : public ProgramFolder {
public:
    RunningProgramFolder();
    ~RunningProgramFolder();
    RunningProgramFolder(const RunningProgramFolder&) = delete;
    RunningProgramFolder& operator=(const RunningProgramFolder&) = delete;
};

}  // namespace vantor::test
