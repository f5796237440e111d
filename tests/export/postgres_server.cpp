#include "postgres_server.h"

#include <unistd.h>

#include "support/run_command.h"

namespace vantor::test {
namespace fs = std::filesystem;
namespace {

// The server programs of Debian's postgresql package.
std::string serverBinFolder() {
    const auto configured = lines(runCommand("pg_config --bindir").text);
    if (!configured.empty() && fs::exists(fs::path(configured.front()) / "initdb")) return configured.front();
    const auto found = lines(runCommand("ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1").text);
    if (!found.empty() && fs::exists(fs::path(found.front()) / "initdb")) return found.front();
    return {};
}

}  // namespace

PostgresServer::PostgresServer() : bin_(serverBinFolder()) {
    if (bin_.empty()) {
        error_ = "no PostgreSQL server programs (Debian postgresql) found";
        return;
    }
    if (geteuid() == 0 && runCommand("chown postgres: " + shellWord(path().string())).status != 0) {
        error_ = "the user postgres cannot own " + path().string();
        return;
    }
    if (const auto failed = run("initdb", "-D data -U postgres -A trust -E UTF8 --locale=C --no-sync");
        !failed.empty()) {
        error_ = failed;
        return;
    }
    const std::string options = "-c listen_addresses='' -c fsync=off -k " + path().string();
    if (const auto failed = run("pg_ctl", "-D data -l server.log -w -o " + shellWord(options) + " start");
        !failed.empty()) {
        error_ = failed + ": " + readFile(*this / "server.log");
        return;
    }
    started_ = true;
}

PostgresServer::~PostgresServer() {
    if (started_) run("pg_ctl", "-D data -m immediate -w stop");
}

std::string PostgresServer::conninfo() const { return "host=" + path().string() + " dbname=postgres user=postgres"; }

std::string PostgresServer::run(const std::string& tool, const std::string& arguments) {
    const std::string asServer = geteuid() == 0 ? "runuser -u postgres -- " : "";
    const std::string command =
        "cd " + shellWord(path().string()) + " && " + asServer + shellWord(bin_ + "/" + tool) + " " + arguments;
    return runCommand(command + " >/dev/null").status == 0 ? "" : tool + " failed";
}

}  // namespace vantor::test
