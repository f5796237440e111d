#pragma once
// A table from 64-bit keys (never 0) to small values (views of records,
// image numbers), kept in one flat array with open addressing: the lookups
// of a day load stay within a few hundred kilobytes instead of chasing list
// nodes. The table remembers which slots it filled, so that a clear costs
// what was put in, not the table's size, and it is reused from load to load.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vantor {

template <class Value>
class KeyTable {
public:
    explicit KeyTable(std::size_t expected) : slots_(capacityFor(expected)) { filled_.reserve(slots_.size() / 2); }

    const Value* find(std::uint64_t key) const {
        const Slot& slot = slots_[indexOf(key, slots_)];
        return slot.key == key ? &slot.value : nullptr;
    }
    Value* find(std::uint64_t key) {
        Slot& slot = slots_[indexOf(key, slots_)];
        return slot.key == key ? &slot.value : nullptr;
    }

    // Keeps the first value given for a key.
    void insert(std::uint64_t key, Value value) {
        if (2 * (filled_.size() + 1) > slots_.size()) grow();
        Slot& slot = slots_[indexOf(key, slots_)];
        if (slot.key == key) return;
        slot = {key, value};
        filled_.push_back(static_cast<std::size_t>(&slot - slots_.data()));
    }

    // Forgets every key; the table keeps its room.
    void clear() {
        for (const std::size_t i : filled_) slots_[i] = Slot{};
        filled_.clear();
    }

private:
    struct Slot {
        std::uint64_t key = 0;
        Value value{};
    };

    static std::size_t capacityFor(std::size_t expected) {
        std::size_t capacity = 16;
        while (capacity < 2 * expected) capacity *= 2;
        return capacity;
    }

    // The slot holding key, or the empty one where it belongs.
    static std::size_t indexOf(std::uint64_t key, const std::vector<Slot>& table) {
        const std::size_t mask = table.size() - 1;
        std::size_t i = static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ULL) >> 32) & mask;
        while (table[i].key != 0 && table[i].key != key) i = (i + 1) & mask;
        return i;
    }

    void grow() {
        std::vector<Slot> bigger(slots_.size() * 2);
        for (std::size_t& i : filled_) {
            const std::size_t to = indexOf(slots_[i].key, bigger);
            bigger[to] = slots_[i];
            i = to;
        }
        slots_.swap(bigger);
    }

    std::vector<Slot> slots_;
    std::vector<std::size_t> filled_;  // the slots in use
};

}  // namespace vantor
