#include "store/store_batch.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "fileio/whole_file.h"
#include "text/encoding.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

std::string describe(const fs::path& p) { return p.string(); }

// Lines as a string list loads them: split at CR LF, LF or CR.
std::vector<std::string> splitLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        lines.emplace_back(bytes.substr(start, end - start));
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') ++start;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return lines;
}

SjisView keyOf(SjisView line) { return field(line, 12, 16); }

constexpr std::size_t kFlushWriters = 4;

}  // namespace

StoreBatch::Image& StoreBatch::load(const fs::path& file) {
    auto it = files_.find(file);
    if (it != files_.end()) return it->second;
    Image image;
    const FileContent content = readWholeFile(file);
    if (content.status == FileContent::Status::unreadable)
        throw StoreError("cannot read " + describe(file));
    if (content.status == FileContent::Status::ok) {
        image.exists = true;
        image.lines = splitLines(content.bytes);
    }
    return files_.emplace(file, std::move(image)).first->second;
}

void StoreBatch::mergeKeyed(const fs::path& file, SjisView line, bool onlyIfExists, bool dropBlankFirstLine) {
    Image& image = load(file);
    if (!image.exists && onlyIfExists) return;
    if (!image.exists) image.lines.clear();
    const SjisView key = keyOf(line);
    auto same = std::find_if(image.lines.begin(), image.lines.end(),
                             [&](const std::string& l) { return keyOf(l) == key; });
    if (same != image.lines.end())
        same->assign(line);
    else
        image.lines.emplace_back(line);
    std::sort(image.lines.begin(), image.lines.end());
    if (dropBlankFirstLine && !image.lines.empty() && trimBlanks(image.lines.front()).empty())
        image.lines.erase(image.lines.begin());
    image.exists = true;
    image.dirty = true;
}

void StoreBatch::putRunnerSlot(const fs::path& file, SjisView line, int race, int horse, bool create,
                               std::size_t recordLength) {
    if (race < 1 || race > kRacesPerRunnerFile || horse < 1 || horse > kRunnerSlotsPerRace) return;
    Image& image = load(file);
    if (!image.exists && !create) return;
    // A runner file is always 216 slots of whole records; a damaged one is
    // mended to that shape so that every slot stays where readers look.
    const std::string blank(recordLength - 2, ' ');
    image.lines.resize(kRunnerFileSlots, blank);
    for (auto& l : image.lines)
        if (l.size() != blank.size()) l = blank;
    image.lines[static_cast<std::size_t>((race - 1) * kRunnerSlotsPerRace + (horse - 1))].assign(line);
    image.exists = true;
    image.dirty = true;
}

void StoreBatch::replaceWhole(const fs::path& file, SjisView line) {
    Image& image = files_[file];
    image.lines.assign(1, std::string(line));
    image.exists = true;
    image.dirty = true;
}

void StoreBatch::ensureFolder(const fs::path& folder) {
    if (madeFolders_.contains(folder)) return;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) throw StoreError("cannot create folder " + describe(folder));
    madeFolders_.insert(folder);
}

void StoreBatch::flush() {
    // The files are independent, and most of the cost of a save is the file
    // system's (create, rename), so a few writers share the list.
    std::vector<std::map<fs::path, Image>::iterator> dirty;
    for (auto it = files_.begin(); it != files_.end(); ++it)
        if (it->second.dirty) dirty.push_back(it);
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex failureLock;
    std::string failure;
    const auto writer = [&] {
        std::string bytes;
        for (std::size_t i; !failed && (i = next++) < dirty.size();) {
            const auto& [path, image] = *dirty[i];
            bytes.clear();
            for (const auto& l : image.lines) {
                bytes += l;
                bytes += "\r\n";
            }
            if (!replaceWholeFile(path, bytes, Durability::renameOnly)) {
                const std::lock_guard lock(failureLock);
                if (!failed.exchange(true)) failure = describe(path);
            }
        }
    };
    const std::size_t threads = std::min<std::size_t>(kFlushWriters, (dirty.size() + 63) / 64);
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(writer);
    writer();
    for (auto& t : pool) t.join();
    files_.clear();
    if (failed) throw StoreError("cannot write " + failure);
}

std::size_t StoreBatch::pendingFiles() const {
    return static_cast<std::size_t>(std::count_if(files_.begin(), files_.end(), [](const auto& f) { return f.second.dirty; }));
}

}  // namespace vantor
