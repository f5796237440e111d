#pragma once
// A print server of the test's own: cupsd started in the foreground on a
// private folder (configuration, spool, state, cache, logs) and listening
// only on a local socket, with queues that print to nowhere but keep every
// job's document in the spool. No system printer, queue or service is
// touched.
//
// libcups reads CUPS_SERVER once per process and keeps it, so a process
// names its socket before anything asks for printers: the window-test
// main points CUPS_SERVER at a socket in a private folder where nothing
// listens (no printers), and a test that needs printers starts a CupsServer
// on that same socket.

#include <sys/types.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/scoped_env.h"
#include "support/temp_dir.h"

namespace vantor::test {

// CUPS_SERVER pointed, for the object's life, at cups.sock in a fresh
// folder; LPDEST and PRINTER, which would name a default printer of the
// machine's, are cleared.
class PrivateCupsSocket {
public:
    PrivateCupsSocket();
    std::filesystem::path path() const { return folder_ / "cups.sock"; }

private:
    TempDir folder_;
    ScopedEnv server_, lpdest_, printer_;
};

// The socket CUPS_SERVER names, when it names one (a path, not a host).
std::optional<std::filesystem::path> cupsSocket();

class CupsServer {
public:
    // Why no server can be started on this machine (cupsd or lpadmin is
    // not installed), or nothing when one can.
    static std::optional<std::string> unavailable();

    // Starts cupsd on socket and waits until it answers; nothing, with the
    // reason in error, when it does not.
    static std::unique_ptr<CupsServer> start(const std::filesystem::path& socket, std::string& error);
    // Stops the server and waits for it to end.
    ~CupsServer();
    CupsServer(const CupsServer&) = delete;
    CupsServer& operator=(const CupsServer&) = delete;

    // Adds an enabled queue taking PDF whose default paper is paper (a
    // PageSize of its driver: "A4" or "Letter"); the error text, or nothing.
    std::optional<std::string> addQueue(const std::string& name, const std::string& paper);
    // Makes the queue the server's default.
    std::optional<std::string> setDefault(const std::string& name);

    struct Job {
        int id = 0;
        std::string queue;
        std::filesystem::path document;  // the document as the server received it
    };
    // Every job so far, in the order they came.
    std::vector<Job> jobs() const;

private:
    CupsServer(std::filesystem::path socket, pid_t pid, std::unique_ptr<TempDir> root);
    std::optional<std::string> lpadmin(const std::vector<std::string>& args) const;

    std::filesystem::path socket_;
    pid_t pid_;
    std::unique_ptr<TempDir> root_;
};

}  // namespace vantor::test
