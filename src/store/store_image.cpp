#include "store/store_image.h"

#include <algorithm>
#include <vector>

#include "record_layouts/jvdata_record.h"
#include "store/record_checks.h"
#include "store/store_bounds.h"
#include "text/encoding.h"

namespace vantor {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A record of `length` bytes (CR LF included) that is one whole line: no
// line break before its own CR LF.
bool isWholeRecord(std::string_view bytes, std::size_t length) {
    return bytes.size() == length && bytes.ends_with(kLineEnd) && isOneLine(sjisBytes(bytes));
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

SjisView recordAt(const std::string& bytes, std::size_t length, std::size_t index) {
    return sjisBytes(bytes).substr(index * length, length);
}

// Sorts the records of bytes as byte strings (equal-length lines sort as
// their texts do without the CR LF).
void sortRecords(std::string& bytes, std::size_t length) {
    const std::size_t count = bytes.size() / length;
    std::vector<std::string_view> records(count);
    for (std::size_t i = 0; i < count; ++i) records[i] = recordAt(bytes, length, i).bytes();
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

FileContent readStoreFile(FileAccess& files, const fs::path& file, const ReadBound& bound) {
    FileContent content = files.readPart(file, bound);
    if (content.status == FileContent::Status::unreadable) throw StoreError("cannot read " + file.string());
    return content;
}

// The bytes read, when they are the whole file: a file beyond its bound is
// never taken as the same as its image, so its next save still cuts it.
void keepDiskBytes(const fs::path& file, FileContent& content, StoreImage& image) {
    std::error_code ec;
    if (fs::file_size(file, ec) == content.bytes.size() && !ec) image.onDisk = std::move(content.bytes);
}

}  // namespace

StoreImage loadKeyedImage(FileAccess& files, const fs::path& file, std::size_t recordLength) {
    FileContent content = readStoreFile(files, file, {kKeyedFileRecordLimit * recordLength, ReadFrom::end});
    StoreImage image;
    if (content.status == FileContent::Status::ok) {
        image.exists = true;
        image.bytes = wholeRecordLines(content.bytes, recordLength);
        sortRecords(image.bytes, recordLength);
        keepDiskBytes(file, content, image);
    }
    return image;
}

StoreImage loadRunnerImage(FileAccess& files, const fs::path& file) {
    FileContent content = readStoreFile(files, file, {kRunnerFileBytes});
    StoreImage image;
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
        keepDiskBytes(file, content, image);
    }
    return image;
}

void mergeKeyedLine(StoreImage& image, SjisView line, bool onlyIfExists, bool dropBlankFirstLine) {
    if (!image.exists && onlyIfExists) return;
    const std::size_t length = line.size() + kLineEnd.size();
    std::string& bytes = image.bytes;
    const RaceKey key = jvdata::raceKey(line);
    const std::size_t count = bytes.size() / length;
    for (std::size_t i = 0; i < count; ++i) {
        if (jvdata::raceKey(recordAt(bytes, length, i)) == key) {
            bytes.erase(i * length, length);
            break;
        }
    }
    // The lines stay sorted, so the record goes where sorting would put it.
    SjisString record(line);
    record.append("\r\n");
    std::size_t low = 0, high = bytes.size() / length;
    while (low < high) {
        const std::size_t mid = (low + high) / 2;
        if (recordAt(bytes, length, mid) <= record.view())
            low = mid + 1;
        else
            high = mid;
    }
    bytes.insert(low * length, record.bytes());
    if (dropBlankFirstLine && trimBlanks(recordAt(bytes, length, 0).substr(0, line.size())).empty())
        bytes.erase(0, length);
    image.exists = image.changed = true;
}

void putRunnerLine(StoreImage& image, SjisView line, int race, int horse, bool create) {
    if (!image.exists && !create) return;
    if (!image.exists) image.bytes = blankRunnerFile();
    const auto slot = static_cast<std::size_t>((race - 1) * kRunnerSlotsPerRace + (horse - 1));
    image.bytes.replace(slot * jvdata::kSeLength, line.size(), line.bytes());
    image.exists = image.changed = true;
}

}  // namespace vantor
