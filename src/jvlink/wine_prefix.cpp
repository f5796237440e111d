#include "jvlink/wine_prefix.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace vantor {
namespace fs = std::filesystem;

namespace {

// The program as run: a path as it is, a bare name found on PATH.
std::optional<fs::path> findProgram(const std::string& command) {
    if (command.find('/') != std::string::npos)
        return ::access(command.c_str(), X_OK) == 0 ? std::optional<fs::path>(command) : std::nullopt;
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const fs::path candidate = fs::path(folder.empty() ? "." : folder) / command;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
    }
    return std::nullopt;
}

std::string wineNotFoundText(const std::string& command) {
    return "Wine (" + command +
           ") が見つかりません。Wine をインストールするか、「JVLink設定」で Wine のコマンドを設定してください。";
}

}  // namespace

std::optional<std::string> wineStartProblem(int shellStatus, const std::string& command) {
    if (shellStatus == 127) return wineNotFoundText(command);
    if (shellStatus == 126)
        return "Wine (" + command +
               ") を実行できません。このシステムでは、32 ビットの JV-Link に要る Wine の 32 ビットの部分が動きません "
               "(Exec format error)。Windows で vantor-jvbridge.exe にフィードフォルダを作らせ、そのフォルダを"
               "「JVLink設定」で指定してください。";
    return std::nullopt;
}

bool isThirtyTwoBitProgram(const fs::path& program) {
    std::ifstream in(program, std::ios::binary);
    unsigned char dos[64] = {};
    if (!in.read(reinterpret_cast<char*>(dos), sizeof dos) || dos[0] != 'M' || dos[1] != 'Z') return false;
    const std::uint32_t peOffset = dos[60] | dos[61] << 8 | dos[62] << 16 | static_cast<std::uint32_t>(dos[63]) << 24;
    unsigned char pe[6] = {};
    if (!in.seekg(peOffset) || !in.read(reinterpret_cast<char*>(pe), sizeof pe)) return false;
    return pe[0] == 'P' && pe[1] == 'E' && pe[2] == 0 && pe[3] == 0 && (pe[4] | pe[5] << 8) == 0x14C;
}

std::optional<std::string> wineRunProblem(const WineSettings& s) {
    if (!findProgram(s.command)) return wineNotFoundText(s.command);
    std::error_code error;
    if (s.prefix.empty() || !fs::is_directory(s.prefix / "drive_c", error))
        return "Wine プレフィックス " + s.prefix.string() +
               " がありません。JV-Link をインストールしたプレフィックスを設定してください。";
    if (!fs::is_regular_file(s.bridge, error))
        return "ブリッジ " + s.bridge.string() + " が見つかりません。vantor-jvbridge.exe を設定してください。";
    // A 32-bit program in a prefix without its 32-bit half hangs without a word.
    if (isThirtyTwoBitProgram(s.bridge) && fs::is_directory(s.prefix / "drive_c/windows/syswow64", error) &&
        !fs::exists(s.prefix / "drive_c/windows/syswow64/kernel32.dll", error))
        return "Wine プレフィックス " + s.prefix.string() +
               " に 32 ビットの部分 (drive_c/windows/syswow64) がありません。32 ビットの Wine (wine32) を入れ、"
               "画面のない所でプレフィックスを作り直してから JV-Link をインストールしてください。";
    return std::nullopt;
}

std::vector<pid_t> processesOfPrefix(const fs::path& prefix) {
    std::vector<pid_t> found;
    std::error_code error;
    const std::string wanted = "WINEPREFIX=" + prefix.string();
    const std::string self = std::to_string(::getpid());
    for (fs::directory_iterator it("/proc", error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
        // This program may have been started with the prefix as its WINEPREFIX
        // (the prefix's default); it is no Wine process of the prefix.
        if (name == self) continue;
        // /proc files tell no size: read to the end.
        std::ifstream in(it->path() / "environ", std::ios::binary);
        const std::string environment((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::size_t at = 0;
        while (at < environment.size()) {
            const std::size_t stop = environment.find('\0', at);
            const std::string_view entry(environment.data() + at,
                                         (stop == std::string::npos ? environment.size() : stop) - at);
            if (entry == wanted || entry == wanted + "/") {
                found.push_back(static_cast<pid_t>(std::stol(name)));
                break;
            }
            if (stop == std::string::npos) break;
            at = stop + 1;
        }
    }
    return found;
}

std::string wineServerCommand(const std::string& wineCommand) {
    const fs::path wine(wineCommand);
    if (!wine.has_parent_path()) return "wineserver";
    return (wine.parent_path() / "wineserver").string();
}

}  // namespace vantor
