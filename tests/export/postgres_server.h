#pragma once
// A throwaway PostgreSQL server for a test: a new cluster in a temporary
// folder, reached through a Unix socket there, no TCP. initdb refuses to run
// as root, so under root the server runs as the user postgres.

#include <string>

#include "support/temp_dir.h"

namespace vantor::test {

class PostgresServer : public TempDir {
public:
    PostgresServer();
    ~PostgresServer();

    // Why the server did not start; empty when it runs.
    const std::string& error() const { return error_; }
    std::string conninfo() const;

private:
    std::string run(const std::string& tool, const std::string& arguments);

    std::string bin_, error_;
    bool started_ = false;
};

}  // namespace vantor::test
