#include "support/cups_server.h"

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <thread>

#include "support/run_command.h"

extern char** environ;

namespace vantor::test {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A driver for a printer that takes PDF as it is: no filter runs, the whole
// sheet is printable, A4 and Letter paper.
constexpr const char* kPpd = R"ppd(*PPD-Adobe: "4.3"
*FormatVersion: "4.3"
*FileVersion: "1.0"
*LanguageVersion: English
*LanguageEncoding: ISOLatin1
*PCFileName: "VANTORQ.PPD"
*Manufacturer: "Vantor"
*Product: "(Vantor test queue)"
*ModelName: "Vantor test queue"
*ShortNickName: "Vantor test queue"
*NickName: "Vantor test queue"
*PSVersion: "(3010.000) 0"
*LanguageLevel: "3"
*ColorDevice: True
*DefaultColorSpace: RGB
*FileSystem: False
*Throughput: "1"
*LandscapeOrientation: Plus90
*TTRasterizer: Type42
*cupsFilter: "application/pdf 0 -"
*OpenUI *PageSize/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageSize
*DefaultPageSize: A4
*PageSize A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageSize Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageSize
*OpenUI *PageRegion/Media Size: PickOne
*OrderDependency: 10 AnySetup *PageRegion
*DefaultPageRegion: A4
*PageRegion A4/A4: "<</PageSize[595 842]/ImagingBBox null>>setpagedevice"
*PageRegion Letter/US Letter: "<</PageSize[612 792]/ImagingBBox null>>setpagedevice"
*CloseUI: *PageRegion
*DefaultImageableArea: A4
*ImageableArea A4/A4: "0 0 595 842"
*ImageableArea Letter/US Letter: "0 0 612 792"
*DefaultPaperDimension: A4
*PaperDimension A4/A4: "595 842"
*PaperDimension Letter/US Letter: "612 792"
)ppd";

// The program's path, from PATH or the system folders (cupsd and lpadmin
// live in sbin, which a user's PATH often leaves out); empty when missing.
fs::path findProgram(const std::string& name) {
    std::string dirs = getenv("PATH") ? getenv("PATH") : "";
    dirs += ":/usr/sbin:/sbin:/usr/bin:/bin";
    std::istringstream in(dirs);
    for (std::string dir; std::getline(in, dir, ':');) {
        if (dir.empty()) continue;
        const fs::path candidate = fs::path(dir) / name;
        if (access(candidate.c_str(), X_OK) == 0 && fs::is_regular_file(candidate)) return candidate;
    }
    return {};
}

// Starts argv[0] (a full path) with standard input from /dev/null and both
// outputs into outputFile; the child's id, or -1. The child is ended with
// the test process, so that a test killed halfway leaves no server behind.
pid_t spawn(const std::vector<std::string>& argv, const fs::path& outputFile, char** envp) {
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid != 0) return pid;
    // The child: only calls that are safe between fork and exec.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    const int in = open("/dev/null", O_RDONLY);
    const int out = open(outputFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(out, 2) < 0) _exit(127);
    execve(args[0], args.data(), envp);
    _exit(127);
}

// Runs a tool to its end; its exit status (-1 when it did not exit) and
// what it wrote.
int runTool(const std::vector<std::string>& argv, const fs::path& outputFile, std::string& output) {
    const pid_t pid = spawn(argv, outputFile, environ);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
    output = readFile(outputFile);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool answers(const fs::path& socket) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socket.c_str(), sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(fd);
    return connected;
}

// Who the server runs its jobs as. Run by root (as in CI) it is lp, as a
// system's cupsd does; run by a user, the user.
std::string accountLines() {
    if (geteuid() == 0) return "User lp\nGroup lp\nSystemGroup root\n";
    const passwd* user = getpwuid(geteuid());
    const group* grp = getgrgid(getegid());
    const std::string userName = user ? user->pw_name : std::to_string(geteuid());
    const std::string groupName = grp ? grp->gr_name : std::to_string(getegid());
    return "User " + userName + "\nGroup " + groupName + "\nSystemGroup " + groupName + "\n";
}

void writeConfiguration(const fs::path& root, const fs::path& socket) {
    for (const char* dir : {"state", "cache", "tmp", "spool", "log"}) fs::create_directories(root / dir);
    // The server repairs the owners and modes of its folders itself; the
    // jobs' own temporary folder must let the job account write.
    fs::permissions(root, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                              fs::perms::others_read | fs::perms::others_exec);
    fs::permissions(root / "tmp", fs::perms::all | fs::perms::sticky_bit);
    const std::string r = root.string();
    writeFile(root / "cups-files.conf",
              accountLines() + "ServerRoot " + r + "\nStateDir " + r + "/state\nCacheDir " + r + "/cache\nTempDir " +
                  r + "/tmp\nRequestRoot " + r + "/spool\nAccessLog " + r + "/log/access_log\nErrorLog " + r +
                  "/log/error_log\nPageLog " + r + "/log/page_log\nPrintcap " + r + "/printcap\nFileDevice Yes\n");
    writeFile(root / "cupsd.conf",
              "Listen " + socket.string() +
                  "\nLogLevel warn\nPreserveJobFiles Yes\nPreserveJobHistory Yes\n"
                  "Browsing No\nBrowseLocalProtocols none\nDefaultShared No\nWebInterface No\n"
                  "DefaultAuthType None\n"
                  "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                  "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n");
    writeFile(root / "vantor-queue.ppd", kPpd);
}

// The process environment for cupsd, with the system message bus out of
// reach so that no desktop hears of the test's queues.
std::vector<std::string> serverEnvironment(const fs::path& root) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::strncmp(*e, "DBUS_SYSTEM_BUS_ADDRESS=", 24) != 0) env.emplace_back(*e);
    env.push_back("DBUS_SYSTEM_BUS_ADDRESS=unix:path=" + (root / "no-bus").string());
    return env;
}

std::string lastLines(const std::string& text, std::size_t count) {
    const std::vector<std::string> all = lines(text);
    std::string out;
    for (std::size_t k = all.size() > count ? all.size() - count : 0; k < all.size(); ++k) out += all[k] + '\n';
    return out;
}

}  // namespace

PrivateCupsSocket::PrivateCupsSocket()
    : server_("CUPS_SERVER", (folder_ / "cups.sock").string()),
      lpdest_("LPDEST", std::nullopt),
      printer_("PRINTER", std::nullopt) {}

std::optional<fs::path> cupsSocket() {
    const char* server = getenv("CUPS_SERVER");
    if (!server || server[0] != '/') return std::nullopt;
    return fs::path(server);
}

std::optional<std::string> CupsServer::unavailable() {
    for (const char* program : {"cupsd", "lpadmin", "lpstat"})
        if (findProgram(program).empty())
            return std::string(program) + " is not installed (Debian: cups-daemon, cups-client)";
    return std::nullopt;
}

std::unique_ptr<CupsServer> CupsServer::start(const fs::path& socket, std::string& error) {
    if (socket.string().size() >= sizeof(sockaddr_un::sun_path)) {
        error = "the socket path is too long for a local socket: " + socket.string();
        return nullptr;
    }
    auto root = std::make_unique<TempDir>();
    const fs::path folder = root->path();
    writeConfiguration(folder, socket);
    const auto cupsd = [&folder](const char* mode) {
        return std::vector<std::string>{findProgram("cupsd").string(),    mode, "-c",
                                        (folder / "cupsd.conf").string(), "-s", (folder / "cups-files.conf").string()};
    };
    std::vector<std::string> env = serverEnvironment(folder);
    std::vector<char*> envp;
    for (std::string& e : env) envp.push_back(e.data());
    envp.push_back(nullptr);
    const fs::path output = folder / "log" / "cupsd.out";
    const pid_t pid = spawn(cupsd("-f"), output, envp.data());
    if (pid < 0) {
        error = "cupsd could not be started";
        return nullptr;
    }
    std::unique_ptr<CupsServer> server(new CupsServer(socket, pid, std::move(root)));
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (!answers(socket)) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            server->pid_ = -1;
            // cupsd -f reports a bad configuration only to syslog; -t tells it.
            std::string check;
            runTool(cupsd("-t"), folder / "log" / "check.out", check);
            error = "cupsd ended at its start: " + readFile(output) + check +
                    lastLines(readFile(folder / "log" / "error_log"), 5);
            return nullptr;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            error = "cupsd does not answer on " + socket.string();
            return nullptr;
        }
        std::this_thread::sleep_for(5ms);
    }
    return server;
}

CupsServer::CupsServer(fs::path socket, pid_t pid, std::unique_ptr<TempDir> root)
    : socket_(std::move(socket)), pid_(pid), root_(std::move(root)) {}

CupsServer::~CupsServer() {
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    int status = 0;
    while (waitpid(pid_, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(pid_, SIGKILL);
            waitpid(pid_, &status, 0);
            break;
        }
        std::this_thread::sleep_for(2ms);
    }
}

std::optional<std::string> CupsServer::lpadmin(const std::vector<std::string>& args) const {
    std::vector<std::string> argv{findProgram("lpadmin").string(), "-h", socket_.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::string output;
    if (runTool(argv, root_->path() / "log" / "lpadmin.out", output) == 0) return std::nullopt;
    return "lpadmin failed: " + output;
}

std::optional<std::string> CupsServer::addQueue(const std::string& name, const std::string& paper) {
    return lpadmin({"-p", name, "-E", "-v", "file:///dev/null", "-P", (root_->path() / "vantor-queue.ppd").string(),
                    "-o", "PageSize=" + paper});
}

std::optional<std::string> CupsServer::setDefault(const std::string& name) { return lpadmin({"-d", name}); }

std::vector<CupsServer::Job> CupsServer::jobs() const {
    std::string output;
    runTool({findProgram("lpstat").string(), "-h", socket_.string(), "-W", "all", "-o"},
            root_->path() / "log" / "lpstat.out", output);
    // Lines such as "vantor-a4-3   root   8192   Wed 09 Dec ...": queue, dash, job id.
    std::vector<Job> jobs;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        const std::string name = line.substr(0, line.find(' '));
        const auto dash = name.rfind('-');
        if (dash == std::string::npos || dash + 1 == name.size()) continue;
        const std::string id = name.substr(dash + 1);
        if (!std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '9'; })) continue;
        char document[32];
        std::snprintf(document, sizeof document, "d%05d-001", std::stoi(id));
        jobs.push_back({std::stoi(id), name.substr(0, dash), root_->path() / "spool" / document});
    }
    std::sort(jobs.begin(), jobs.end(), [](const Job& a, const Job& b) { return a.id < b.id; });
    return jobs;
}

}  // namespace vantor::test
