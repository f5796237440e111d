#pragma once
// Running programs the way a user does from a shell, for the tests that
// drive the built command-line tools and poppler-utils.

#include <string>
#include <vector>

namespace vantor::test {

struct CommandOutput {
    int status = -1;   // the exit status; -1 when the command did not exit normally
    std::string text;  // what it wrote to standard output
};

// Runs a shell command line; its standard error is discarded.
CommandOutput runCommand(const std::string& command);

// s quoted as one word for the shell.
std::string shellWord(const std::string& s);

// The lines of text, without their line ends.
std::vector<std::string> lines(const std::string& text);

}  // namespace vantor::test
