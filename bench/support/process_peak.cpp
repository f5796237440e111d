// Runs a program and writes "SECONDS PEAK_KIB" of it to standard output,
// its own output discarded; exits 1 when it cannot run it or it fails.
// Benchmarks start programs through it because a process keeps the peak
// memory of the one it was forked from across exec: the measured program
// is forked from this small one instead of from the benchmark.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 2) return 1;
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        ::execv(argv[1], argv + 1);
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || ::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%.6f %ld\n", seconds, usage.ru_maxrss);
    return 0;
}
