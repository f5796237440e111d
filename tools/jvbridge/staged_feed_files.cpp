#include "staged_feed_files.h"

#include "feed_file_naming.h"
#include "path_text.h"

namespace vantor::jvbridge {
namespace fs = std::filesystem;
namespace {

std::string describe(const std::string& what, const fs::path& path, const std::error_code& ec = {}) {
    std::string text = what + " " + utf8Text(path);
    if (ec) text += ": " + ec.message();
    return text;
}

}  // namespace

StagedFeedFiles::StagedFeedFiles(fs::path folder) : folder_(std::move(folder)) {}

StagedFeedFiles::~StagedFeedFiles() { discardUnpublished(); }

fs::path StagedFeedFiles::tempPath(const std::string& finalName) const {
    return folder_ / (finalName + std::string(kTempSuffix));
}

std::optional<std::string> StagedFeedFiles::prepare() {
    std::error_code ec;
    fs::create_directories(folder_, ec);
    if (ec || !fs::is_directory(folder_, ec)) return describe("cannot create the folder", folder_, ec);
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.ends_with(std::string(".jvd") + std::string(kTempSuffix))) leftovers.push_back(it->path());
    }
    if (ec) return describe("cannot list the folder", folder_, ec);
    for (const fs::path& path : leftovers) {
        fs::remove(path, ec);
        if (ec) return describe("cannot remove the unfinished file", path, ec);
    }
    return std::nullopt;
}

std::optional<std::string> StagedFeedFiles::startFile(const std::string& finalName) {
    if (auto err = endFile()) return err;
    const fs::path temp = tempPath(finalName);
    out_.open(temp, std::ios::binary | std::ios::trunc);
    if (!out_) return describe("cannot create", temp);
    names_.push_back(finalName);
    return std::nullopt;
}

std::optional<std::string> StagedFeedFiles::appendRecord(std::string_view record) {
    if (!out_.is_open()) return std::string("a record came before its file was started");
    const bool hasLineEnd = record.ends_with("\r\n");
    const std::string_view body = hasLineEnd ? record.substr(0, record.size() - 2) : record;
    if (body.find('\n') != std::string_view::npos)
        return "a record of " + names_.back() + " holds a line feed, which a feed file cannot carry";
    out_.write(body.data(), static_cast<std::streamsize>(body.size()));
    out_.write("\r\n", 2);
    if (!out_) return describe("cannot write", tempPath(names_.back()));
    return std::nullopt;
}

std::optional<std::string> StagedFeedFiles::endFile() {
    if (!out_.is_open()) return std::nullopt;
    out_.close();
    if (!out_) return describe("cannot write", tempPath(names_.back()));
    return std::nullopt;
}

std::optional<std::string> StagedFeedFiles::publish() {
    if (auto err = endFile()) return err;
    for (; published_ < names_.size(); ++published_) {
        std::error_code ec;
        const std::string& name = names_[published_];
        fs::rename(tempPath(name), folder_ / name, ec);
        if (ec) return describe("cannot rename into place", tempPath(name), ec);
    }
    return std::nullopt;
}

void StagedFeedFiles::discardUnpublished() {
    if (out_.is_open()) out_.close();
    std::error_code ec;
    for (std::size_t i = published_; i < names_.size(); ++i) fs::remove(tempPath(names_[i]), ec);
}

}  // namespace vantor::jvbridge
