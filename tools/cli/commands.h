#pragma once
// The commands of vantor-cli. Each returns the process exit status and
// writes its output to standard output, progress and errors to standard
// error, all in UTF-8.

#include <filesystem>

#include "cli_args.h"

namespace vantor::cli {

struct Context {
    std::filesystem::path appDir;
    const Args& args;
};

int acquire(const Context& ctx);
int days(const Context& ctx);
int races(const Context& ctx);
int grid(const Context& ctx);
int results(const Context& ctx);
int live(const Context& ctx);
int snapshot(const Context& ctx);
int odds(const Context& ctx);
int chart(const Context& ctx);
int print(const Context& ctx);
int exportStore(const Context& ctx);
int marks(const Context& ctx);
int stats(const Context& ctx);

}  // namespace vantor::cli
