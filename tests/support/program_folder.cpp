#include "support/program_folder.h"

#include <gtest/gtest.h>

#include "settings/app_dir.h"
#include "store/program_folder.h"

namespace vantor::test {

ProgramFolder::ProgramFolder() {
    EXPECT_EQ(prepareProgramFolder(path()), std::nullopt) << "the program folder cannot be made ready";
}

ProgramFolder::ProgramFolder(Entered) {
    EXPECT_EQ(enterProgramFolder(path()), std::nullopt) << "the program folder cannot be entered";
}

RunningProgramFolder::RunningProgramFolder() : ProgramFolder(Entered{}) { setAppDir(path()); }

RunningProgramFolder::~RunningProgramFolder() { setAppDir({}); }

}  // namespace vantor::test
