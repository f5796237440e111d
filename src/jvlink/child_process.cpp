#include "jvlink/child_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>

extern char** environ;

namespace vantor {
namespace {

constexpr std::size_t kErrorTail = 8192;  // how much of standard error is kept

void closeFd(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

std::vector<std::string> mergedEnvironment(const ChildProcess::Environment& changes) {
    std::map<std::string, std::string> values;
    for (char** e = environ; e && *e; ++e) {
        const std::string_view entry(*e);
        const std::size_t eq = entry.find('=');
        if (eq != std::string_view::npos) values[std::string(entry.substr(0, eq))] = entry.substr(eq + 1);
    }
    for (const auto& [name, value] : changes) values[name] = value;
    std::vector<std::string> out;
    out.reserve(values.size());
    for (const auto& [name, value] : values) out.push_back(name + "=" + value);
    return out;
}

std::vector<char*> pointers(std::vector<std::string>& words) {
    std::vector<char*> out;
    for (std::string& w : words) out.push_back(w.data());
    out.push_back(nullptr);
    return out;
}

}  // namespace

std::variant<ChildProcess, ChildProcess::StartFailure> ChildProcess::start(const std::vector<std::string>& argv,
                                                                           const Environment& env) {
    if (argv.empty()) return StartFailure{"no program to start"};
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0) return StartFailure{std::string("cannot make a pipe: ") + std::strerror(errno)};
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]), ::close(in[1]);
        return StartFailure{std::string("cannot make a pipe: ") + std::strerror(errno)};
    }
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(in[0]), ::close(in[1]), ::close(out[0]), ::close(out[1]);
        return StartFailure{std::string("cannot make a pipe: ") + std::strerror(errno)};
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<std::string> args = argv, envs = mergedEnvironment(env);
    auto argp = pointers(args), envp = pointers(envs);
    pid_t pid = -1;
    const int r = ::posix_spawnp(&pid, args[0].c_str(), &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]), ::close(out[1]), ::close(err[1]);
    if (r != 0) {
        ::close(in[1]), ::close(out[0]), ::close(err[0]);
        return StartFailure{"cannot start " + argv[0] + ": " + std::strerror(r), r == ENOENT ? 127 : 126};
    }
    ::fcntl(out[0], F_SETFL, O_NONBLOCK);
    ::fcntl(err[0], F_SETFL, O_NONBLOCK);
    return ChildProcess(pid, in[1], out[0], err[0]);
}

ChildProcess::ChildProcess(ChildProcess&& o) noexcept
    : pid_(std::exchange(o.pid_, -1)),
      in_(std::exchange(o.in_, -1)),
      out_(std::exchange(o.out_, -1)),
      err_(std::exchange(o.err_, -1)),
      status_(o.status_),
      errors_(std::move(o.errors_)) {}

ChildProcess::~ChildProcess() {
    if (pid_ > 0 && !status()) {
        kill();
        status(true);
    }
    closeFd(in_);
    closeFd(out_);
    closeFd(err_);
}

void ChildProcess::drainErrors() {
    // At most about a megabyte per call, as for standard output: a child
    // that keeps writing cannot hold the caller here.
    char buffer[4096];
    for (int reads = 0; reads < 256; ++reads) {
        const ssize_t n = err_ >= 0 ? ::read(err_, buffer, sizeof buffer) : 0;
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) closeFd(err_);
            return;
        }
        errors_.append(buffer, static_cast<std::size_t>(n));
        if (errors_.size() > 2 * kErrorTail) errors_.erase(0, errors_.size() - kErrorTail);
    }
}

bool ChildProcess::read(std::string& out, int waitMs) {
    if (out_ < 0) {
        drainErrors();
        return false;
    }
    pollfd fds[2] = {{out_, POLLIN, 0}, {err_, POLLIN, 0}};
    ::poll(fds, err_ >= 0 ? 2 : 1, waitMs);
    drainErrors();
    // At most about a megabyte per call, so that a child that writes as fast
    // as it is read cannot make one call take in everything it has.
    char buffer[65536];
    for (int reads = 0; reads < 16; ++reads) {
        const ssize_t n = ::read(out_, buffer, sizeof buffer);
        if (n > 0) {
            out.append(buffer, static_cast<std::size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n == 0) {
            closeFd(out_);
            drainErrors();
            return false;
        }
        return true;  // nothing more for now
    }
    return true;
}

void ChildProcess::write(std::string_view bytes) {
    if (in_ < 0) return;
    // A child that closed its input would raise SIGPIPE: held back on this
    // thread for the write, and taken away if it came.
    sigset_t pipeSignal, previous;
    sigemptyset(&pipeSignal);
    sigaddset(&pipeSignal, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSignal, &previous);
    while (!bytes.empty()) {
        const ssize_t n = ::write(in_, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    const timespec none{0, 0};
    while (sigtimedwait(&pipeSignal, nullptr, &none) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &previous, nullptr);
}

void ChildProcess::closeInput() { closeFd(in_); }

std::optional<int> ChildProcess::status(bool wait) {
    if (status_ || pid_ <= 0) return status_;
    int raw = 0;
    pid_t r;
    do r = ::waitpid(pid_, &raw, wait ? 0 : WNOHANG);
    while (r < 0 && errno == EINTR);
    if (r != pid_) return std::nullopt;
    status_ = WIFEXITED(raw) ? WEXITSTATUS(raw) : -WTERMSIG(raw);
    return status_;
}

void ChildProcess::kill() {
    if (pid_ > 0 && !status_) ::kill(pid_, SIGKILL);
}

}  // namespace vantor
