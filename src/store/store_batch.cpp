#include "store/store_batch.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>

#include "store/store_bounds.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

constexpr std::size_t kFlushWriters = 4;
// What a held file costs beyond its changes: its path and its map entry.
constexpr std::size_t kFileOverhead = 128;

}  // namespace

StoreBatch::Changes& StoreBatch::changesOf(const fs::path& file) {
    const auto [it, added] = files_.try_emplace(file.native());
    Changes& changes = it->second;
    if (!added) return changes;
    const FileContent look = fileAccess_.readPart(file, {0});
    if (look.status == FileContent::Status::unreadable) {
        files_.erase(it);
        throw StoreError("cannot read " + file.string());
    }
    changes.readFirst = look.status == FileContent::Status::ok;
    changes.bytes = file.native().size() + kFileOverhead;
    held_ += changes.bytes;
    return changes;
}

void StoreBatch::add(Changes& changes, Change change) {
    const std::size_t bytes = sizeof(Change) + change.line.size();
    changes.bytes += bytes;
    held_ += bytes;
    changes.last = ++changes_;
    changes.list.push_back(std::move(change));
}

void StoreBatch::mergeKeyed(const fs::path& file, SjisView line, bool onlyIfExists, bool dropBlankFirstLine) {
    add(changesOf(file), {SjisString(line), Kind::keyed, onlyIfExists, dropBlankFirstLine, 0, 0});
}

void StoreBatch::putRunnerSlot(const fs::path& file, SjisView line, int race, int horse, bool create) {
    if (race < 1 || race > kRacesPerRunnerFile || horse < 1 || horse > kRunnerSlotsPerRace) return;
    if (line.size() + 2 != jvdata::kSeLength) return;  // the record without its CR LF
    add(changesOf(file), {SjisString(line), Kind::runnerSlot, create, false, static_cast<signed char>(race),
                          static_cast<signed char>(horse)});
}

void StoreBatch::replaceWhole(const fs::path& file, SjisView line) {
    Changes& changes = files_[file.native()];
    // What the file held before, on disk or changed, no longer matters.
    held_ -= changes.bytes;
    changes.bytes = file.native().size() + kFileOverhead;
    held_ += changes.bytes;
    changes.list.clear();
    changes.readFirst = false;
    add(changes, {SjisString(line), Kind::whole, false, false, 0, 0});
}

void StoreBatch::ensureFolder(const fs::path& folder) {
    if (madeFolders_.contains(folder.native())) return;
    if (!fileAccess_.makeFolders(folder)) throw StoreError("cannot create folder " + folder.string());
    madeFolders_.insert(folder.native());
}

StoreImage StoreBatch::applied(const fs::path& file, const Changes& changes) const {
    StoreImage image;
    if (changes.readFirst && !changes.list.empty()) {
        // The first change says the kind of the file.
        const Change& first = changes.list.front();
        image = first.kind == Kind::runnerSlot ? loadRunnerImage(fileAccess_, file)
                                               : loadKeyedImage(fileAccess_, file, first.line.size() + 2);
    }
    for (const Change& c : changes.list) {
        switch (c.kind) {
            case Kind::keyed:
                mergeKeyedLine(image, c.line, c.flag, c.dropBlankFirstLine);
                break;
            case Kind::runnerSlot:
                putRunnerLine(image, c.line, c.race, c.horse, c.flag);
                break;
            case Kind::whole:
                image.bytes.assign(c.line.bytes()).append("\r\n");
                image.exists = image.changed = true;
                break;
        }
    }
    return image;
}

std::string StoreBatch::save(const fs::path& file, const Changes& changes) const {
    try {
        const StoreImage image = applied(file, changes);
        if (image.changed && !image.sameAsDisk() && !fileAccess_.replace(file, image.bytes, Durability::renameOnly))
            return "cannot write " + file.string();
    } catch (const StoreError& e) {
        return e.what();
    }
    return {};
}

void StoreBatch::write(const std::vector<Held::iterator>& files) {
    for (const auto& entry : files) {
        const fs::path folder = fs::path(entry->first).parent_path();
        if (sweptFolders_.insert(folder.native()).second) fileAccess_.removeLeftTemporaries(folder);
    }
    // The files are independent, and most of the cost of a save is the file
    // system's (read, create, rename), so a few writers share the list.
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex failureLock;
    std::string failure;
    const auto writer = [&] {
        for (std::size_t i; !failed && (i = next++) < files.size();) {
            std::string error = save(files[i]->first, files[i]->second);
            if (error.empty()) continue;
            const std::lock_guard lock(failureLock);
            if (!failed.exchange(true)) failure = std::move(error);
        }
    };
    const std::size_t threads = std::min<std::size_t>(kFlushWriters, (files.size() + 63) / 64);
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(writer);
    writer();
    for (auto& t : pool) t.join();
    for (const auto& entry : files) {
        held_ -= entry->second.bytes;
        files_.erase(entry);
    }
    if (failed) throw StoreError(failure);
}

void StoreBatch::flush() {
    std::vector<Held::iterator> all;
    all.reserve(files_.size());
    for (auto it = files_.begin(); it != files_.end(); ++it) all.push_back(it);
    write(all);
}

void StoreBatch::flushTo(std::size_t keepBytes) {
    if (held_ <= keepBytes) return;
    // Most worth writing: a file with many changes frees much with one write,
    // and one left alone for long is likely done with (a past race day, a
    // horse that no longer runs), so writing it now costs no write later.
    const auto worth = [now = changes_](const Changes& c) {
        return static_cast<double>(c.bytes) * static_cast<double>(now - c.last);
    };
    std::vector<std::pair<double, Held::iterator>> ranked;
    ranked.reserve(files_.size());
    for (auto it = files_.begin(); it != files_.end(); ++it) ranked.emplace_back(worth(it->second), it);
    std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    std::vector<Held::iterator> chosen;
    for (std::size_t freed = 0; chosen.size() < ranked.size() && held_ - freed > keepBytes;) {
        chosen.push_back(ranked[chosen.size()].second);
        freed += chosen.back()->second.bytes;
    }
    write(chosen);
}

void StoreBatch::discard() {
    files_.clear();
    held_ = 0;
}

}  // namespace vantor
