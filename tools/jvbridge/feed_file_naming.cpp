#include "feed_file_naming.h"

#include "jvlink/feed_folder.h"
#include "text/formatted.h"

namespace vantor::jvbridge {
namespace {

constexpr std::size_t kMaxNamePart = 100;
constexpr std::string_view kFeedExtension = ".jvd";

bool isSafeChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_' ||
           c == '.';
}

bool endsWithFeedExtension(std::string_view name) {
    if (name.size() < kFeedExtension.size()) return false;
    const std::string_view tail = name.substr(name.size() - kFeedExtension.size());
    for (std::size_t i = 0; i < tail.size(); ++i) {
        const char c = tail[i] >= 'A' && tail[i] <= 'Z' ? static_cast<char>(tail[i] - 'A' + 'a') : tail[i];
        if (c != kFeedExtension[i]) return false;
    }
    return true;
}

}  // namespace

std::string safeNamePart(std::string_view reported) {
    if (endsWithFeedExtension(reported)) reported.remove_suffix(kFeedExtension.size());
    std::string safe;
    for (char c : reported) {
        if (safe.size() == kMaxNamePart) break;
        if (safe.empty() && c == '.') continue;
        safe += isSafeChar(c) ? c : '_';
    }
    return safe.empty() ? "file" : safe;
}

std::string runFileName(std::string_view stamp, int sequence, std::string_view reportedName) {
    return std::string(stamp) + "_" + formattedUtf8("%06d", sequence) + "_" + safeNamePart(reportedName) +
           std::string(kFeedExtension);
}

std::string RealtimeAnswerName::at(std::string_view stamp) const {
    std::string name = std::string(stamp) + "_" + dataspec;
    if (!resultsForm) name += "_" + key;
    return name + std::string(kFeedExtension);
}

std::string_view RealtimeAnswerName::stampOf(std::string_view name) const {
    const std::string_view stamp = name.substr(0, 14);
    if (!isValidTimeStamp(stamp) || name != at(stamp)) return {};
    return stamp;
}

}  // namespace vantor::jvbridge
