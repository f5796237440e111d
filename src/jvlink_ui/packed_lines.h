#pragma once
// Many short text lines kept in a few large blocks: a line costs its bytes
// and a small entry, not an object and an allocation of its own, and a
// growing list never copies what it holds. The acquisition dialog keeps a
// million filed-record lines this way.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "text/sjis_string.h"

namespace vantor {

class PackedLines {
public:
    void append(SjisView line);
    // Line i (0-based); valid until the next clear.
    SjisView operator[](std::size_t i) const;
    std::size_t size() const { return entries_.size(); }
    // Drops every line and gives their memory back.
    void clear();

private:
    struct Entry {
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t size;
    };
    // Blocks are reserved once and filled, never grown; a deque grows in
    // chunks of its own, so neither is copied as lines arrive.
    std::vector<std::string> blocks_;
    std::deque<Entry> entries_;
};

}  // namespace vantor
