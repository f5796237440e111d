#pragma once
// A program run as a child process with its three standard streams piped:
// what it writes is read without blocking the caller for longer than
// asked, and it never outlives this object.

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vantor {

class ChildProcess {
public:
    using Environment = std::vector<std::pair<std::string, std::string>>;

    // Why a program could not start, with the status a shell gives for
    // it: 127 not found, 126 found but not executable, -1 anything else.
    struct StartFailure {
        std::string message;
        int shellStatus = -1;
    };

    // Starts argv[0], looked up on PATH, with the caller's environment
    // changed by env; or why it could not start.
    static std::variant<ChildProcess, StartFailure> start(const std::vector<std::string>& argv,
                                                          const Environment& env = {});

    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&&) = delete;
    ChildProcess(const ChildProcess&) = delete;
    ~ChildProcess();  // kills a child that still runs, and reaps it

    // Waits up to waitMs for output, then appends to out what standard
    // output holds (up to about a megabyte); standard error goes to
    // errors(). False once standard output has ended.
    bool read(std::string& out, int waitMs);
    // Writes to the child's standard input; a child that stopped reading
    // is no error.
    void write(std::string_view bytes);
    void closeInput();
    // The exit status once the child has ended (-signal when killed); with
    // wait, waits for the end.
    std::optional<int> status(bool wait = false);
    void kill();
    pid_t pid() const { return pid_; }
    // The end of what the child wrote on standard error.
    const std::string& errors() const { return errors_; }

private:
    ChildProcess(pid_t pid, int in, int out, int err) : pid_(pid), in_(in), out_(out), err_(err) {}
    void drainErrors();

    pid_t pid_ = -1;
    int in_ = -1, out_ = -1, err_ = -1;
    std::optional<int> status_;
    std::string errors_;
};

}  // namespace vantor
