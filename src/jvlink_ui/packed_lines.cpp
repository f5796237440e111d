#include "jvlink_ui/packed_lines.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

}  // namespace

void PackedLines::append(SjisView line) {
    // A line never spans two blocks; a line longer than a block has one of its own.
    if (blocks_.empty() || blocks_.back().capacity() - blocks_.back().size() < line.size()) {
        blocks_.emplace_back().reserve(std::max(kBlockBytes, line.size()));
    }
    std::string& block = blocks_.back();
    entries_.push_back({static_cast<std::uint32_t>(blocks_.size() - 1), static_cast<std::uint32_t>(block.size()),
                        static_cast<std::uint32_t>(line.size())});
    block.append(line.bytes());
}

SjisView PackedLines::operator[](std::size_t i) const {
    const Entry& e = entries_[i];
    return sjisBytes(std::string_view(blocks_[e.block]).substr(e.offset, e.size));
}

void PackedLines::clear() {
    blocks_ = {};
    entries_ = {};
}

}  // namespace vantor
