#include "jvlink/fault_plan.h"

#include <algorithm>
#include <charconv>
#include <iterator>

namespace vantor {
namespace {

// The calls of JV-Link a fault can be injected into.
constexpr std::string_view kOperations[] = {"JVInit", "JVSetUIProperties", "JVOpen",  "JVStatus",
                                            "JVRead", "JVCancel",          "JVClose", "JVRTOpen"};

bool knownOperation(std::string_view name) {
    return std::find(std::begin(kOperations), std::end(kOperations), name) != std::end(kOperations);
}

bool parseInt(std::string_view text, int& value) {
    const auto* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

}  // namespace

std::optional<std::string> FaultPlan::parse(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t start = text.find_first_not_of(" \t\r\n,;", i);
        if (start == std::string_view::npos) break;
        std::size_t end = text.find_first_of(" \t\r\n,;", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view item = text.substr(start, end - start);
        i = end;
        if (item.front() == '#') {  // a comment runs to the end of the line
            i = text.find('\n', start);
            if (i == std::string_view::npos) break;
            continue;
        }
        const std::size_t at = item.find('@');
        const std::size_t eq = item.find('=');
        int call = 0;
        int code = 0;
        if (at == 0 || at == std::string_view::npos || eq == std::string_view::npos || eq < at ||
            !parseInt(item.substr(at + 1, eq - at - 1), call) || call < 1 || !parseInt(item.substr(eq + 1), code))
            return "fault item \"" + std::string(item) + "\" is not OPERATION@N=CODE";
        if (!knownOperation(item.substr(0, at)))
            return "fault item \"" + std::string(item) +
                   "\" names no operation (JVInit, JVSetUIProperties, JVOpen, JVStatus, JVRead, JVCancel, JVClose, "
                   "JVRTOpen)";
        add(item.substr(0, at), call, code);
    }
    return std::nullopt;
}

void FaultPlan::add(std::string_view operation, int call, int code) { faults_[{std::string(operation), call}] = code; }

void FaultPlan::clear() {
    faults_.clear();
    calls_.clear();
}

std::optional<int> FaultPlan::onCall(std::string_view operation) {
    auto it = calls_.find(operation);
    if (it == calls_.end()) it = calls_.emplace(std::string(operation), 0).first;
    const int n = ++it->second;
    if (faults_.empty()) return std::nullopt;
    const auto f = faults_.find({std::string(operation), n});
    if (f == faults_.end()) return std::nullopt;
    return f->second;
}

int FaultPlan::calls(std::string_view operation) const {
    const auto it = calls_.find(operation);
    return it == calls_.end() ? 0 : it->second;
}

}  // namespace vantor
