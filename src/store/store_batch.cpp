#include "store/store_batch.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "fileio/whole_file.h"
#include "text/encoding.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kKeyPos = 11, kKeyLength = 16;  // bytes 12-27
constexpr std::size_t kFlushWriters = 4;

// A record of `length` bytes (CR LF included) that is one whole line: no
// line break before its own CR LF.
bool isWholeRecord(std::string_view bytes, std::size_t length) {
    return bytes.size() == length && bytes.ends_with(kLineEnd) &&
           bytes.substr(0, length - kLineEnd.size()).find_first_of("\r\n") == std::string_view::npos;
}

// The lines of a store file, split at CR LF, LF or CR as a string list
// loads them, that are whole records of `length` bytes, each with CR LF.
std::string wholeRecordLines(std::string_view bytes, std::size_t length) {
    std::string kept;
    kept.reserve(bytes.size());
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        if (end - start + kLineEnd.size() == length) kept.append(bytes.substr(start, end - start)).append(kLineEnd);
        start = end;
        if (start < bytes.size() && bytes[start] == '\r') ++start;
        if (start < bytes.size() && bytes[start] == '\n') ++start;
    }
    return kept;
}

std::string_view recordAt(const std::string& bytes, std::size_t length, std::size_t index) {
    return std::string_view(bytes).substr(index * length, length);
}

// Sorts the records of bytes as byte strings (equal-length lines sort as
// their texts do without the CR LF).
void sortRecords(std::string& bytes, std::size_t length) {
    const std::size_t count = bytes.size() / length;
    std::vector<std::string_view> records(count);
    for (std::size_t i = 0; i < count; ++i) records[i] = recordAt(bytes, length, i);
    if (std::is_sorted(records.begin(), records.end())) return;
    std::sort(records.begin(), records.end());
    std::string sorted;
    sorted.reserve(bytes.size());
    for (const auto r : records) sorted.append(r);
    bytes = std::move(sorted);
}

std::string blankRunnerFile() {
    std::string slot(jvdata::kSeLength - kLineEnd.size(), ' ');
    slot.append(kLineEnd);
    std::string file;
    file.reserve(kRunnerFileBytes);
    for (int i = 0; i < kRunnerFileSlots; ++i) file.append(slot);
    return file;
}

}  // namespace

StoreBatch::Image* StoreBatch::find(const fs::path& file) {
    const auto it = files_.find(file.native());
    return it == files_.end() ? nullptr : &it->second;
}

StoreBatch::Image& StoreBatch::keep(const fs::path& file, Image image) {
    held_ += image.bytes.size();
    return files_.insert_or_assign(file.native(), std::move(image)).first->second;
}

void StoreBatch::changed(Image& image, std::size_t sizeBefore) {
    held_ = held_ + image.bytes.size() - sizeBefore;
    image.exists = true;
    image.dirty = true;
}

// A keyed file's whole records, sorted; the newest lines stand last, so an
// oversized file is read from its end.
StoreBatch::Image& StoreBatch::loadKeyed(const fs::path& file, std::size_t recordLength) {
    if (Image* held = find(file)) return *held;
    const FileContent content = readFilePart(file, {kKeyedFileRecordLimit * recordLength, ReadFrom::end});
    if (content.status == FileContent::Status::unreadable) throw StoreError("cannot read " + file.string());
    Image image;
    if (content.status == FileContent::Status::ok) {
        image.exists = true;
        image.bytes = wholeRecordLines(content.bytes, recordLength);
        sortRecords(image.bytes, recordLength);
    }
    return keep(file, std::move(image));
}

// A runner file's 216 slots: each holds its record when that record is
// whole where readers look for it, else it is blank.
StoreBatch::Image& StoreBatch::loadRunners(const fs::path& file) {
    if (Image* held = find(file)) return *held;
    const FileContent content = readFilePart(file, {kRunnerFileBytes});
    if (content.status == FileContent::Status::unreadable) throw StoreError("cannot read " + file.string());
    Image image;
    if (content.status == FileContent::Status::ok) {
        image.exists = true;
        image.bytes = blankRunnerFile();
        for (std::size_t slot = 0; slot < static_cast<std::size_t>(kRunnerFileSlots); ++slot) {
            const std::string_view record =
                std::string_view(content.bytes)
                    .substr(std::min(content.bytes.size(), slot * jvdata::kSeLength), jvdata::kSeLength);
            if (isWholeRecord(record, jvdata::kSeLength))
                image.bytes.replace(slot * jvdata::kSeLength, jvdata::kSeLength, record);
        }
    }
    return keep(file, std::move(image));
}

void StoreBatch::mergeKeyed(const fs::path& file, SjisView line, bool onlyIfExists, bool dropBlankFirstLine) {
    const std::size_t length = line.size() + kLineEnd.size();
    Image& image = loadKeyed(file, length);
    if (!image.exists && onlyIfExists) return;
    const std::size_t before = image.bytes.size();
    std::string& bytes = image.bytes;
    const SjisView key = line.substr(kKeyPos, kKeyLength);
    const std::size_t count = bytes.size() / length;
    for (std::size_t i = 0; i < count; ++i) {
        if (recordAt(bytes, length, i).substr(kKeyPos, kKeyLength) == key) {
            bytes.erase(i * length, length);
            break;
        }
    }
    // The lines stay sorted, so the record goes where sorting would put it.
    std::string record(line);
    record.append(kLineEnd);
    std::size_t low = 0, high = bytes.size() / length;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (recordAt(bytes, length, mid) <= std::string_view(record))
            low = mid + 1;
        else
            high = mid;
    }
    bytes.insert(low * length, record);
    if (dropBlankFirstLine && trimBlanks(recordAt(bytes, length, 0).substr(0, line.size())).empty())
        bytes.erase(0, length);
    changed(image, before);
}

void StoreBatch::putRunnerSlot(const fs::path& file, SjisView line, int race, int horse, bool create) {
    if (race < 1 || race > kRacesPerRunnerFile || horse < 1 || horse > kRunnerSlotsPerRace) return;
    if (line.size() + kLineEnd.size() != jvdata::kSeLength) return;
    Image& image = loadRunners(file);
    if (!image.exists && !create) return;
    const std::size_t before = image.bytes.size();
    if (!image.exists) image.bytes = blankRunnerFile();
    const auto slot = static_cast<std::size_t>((race - 1) * kRunnerSlotsPerRace + (horse - 1));
    image.bytes.replace(slot * jvdata::kSeLength, line.size(), line);
    changed(image, before);
}

void StoreBatch::replaceWhole(const fs::path& file, SjisView line) {
    Image* held = find(file);
    Image& image = held ? *held : keep(file, {});
    const std::size_t before = image.bytes.size();
    image.bytes.assign(line).append(kLineEnd);
    changed(image, before);
}

void StoreBatch::ensureFolder(const fs::path& folder) {
    if (madeFolders_.contains(folder.native())) return;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec || !fs::is_directory(folder, ec)) throw StoreError("cannot create folder " + folder.string());
    madeFolders_.insert(folder.native());
}

void StoreBatch::flush() {
    std::vector<std::pair<fs::path, const Image*>> dirty;
    for (const auto& [path, image] : files_) {
        if (!image.dirty) continue;
        dirty.emplace_back(path, &image);
        const fs::path folder = dirty.back().first.parent_path();
        if (sweptFolders_.insert(folder.native()).second) removeLeftTemporaries(folder);
    }
    // The files are independent, and most of the cost of a save is the file
    // system's (create, rename), so a few writers share the list.
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex failureLock;
    std::string failure;
    const auto writer = [&] {
        for (std::size_t i; !failed && (i = next++) < dirty.size();) {
            const auto& [path, image] = dirty[i];
            if (!replaceWholeFile(path, image->bytes, Durability::renameOnly)) {
                const std::lock_guard lock(failureLock);
                if (!failed.exchange(true)) failure = path.string();
            }
        }
    };
    const std::size_t threads = std::min<std::size_t>(kFlushWriters, (dirty.size() + 63) / 64);
    std::vector<std::thread> pool;
    for (std::size_t t = 1; t < threads; ++t) pool.emplace_back(writer);
    writer();
    for (auto& t : pool) t.join();
    discard();
    if (failed) throw StoreError("cannot write " + failure);
}

void StoreBatch::discard() {
    files_.clear();
    held_ = 0;
}

std::size_t StoreBatch::pendingFiles() const {
    return static_cast<std::size_t>(
        std::count_if(files_.begin(), files_.end(), [](const auto& f) { return f.second.dirty; }));
}

}  // namespace vantor
