#pragma once
// A fixed number of slots of a plain type in memory of their own that
// starts as all zero bytes, for tables whose reset state is all zeros (every
// text empty, every number 0). The memory comes from the system untouched,
// so a slot never written costs nothing; the pages of a 6 MB table of
// race slots are mapped only as races are filled.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>

namespace vantor {

template <class T, std::size_t N>
class ZeroedSlots {
    // calloc creates the slots; their value is their bytes.
    static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

public:
    ZeroedSlots() : slots_(static_cast<T*>(std::calloc(N, sizeof(T)))) {
        if (slots_ == nullptr) throw std::bad_alloc();
    }
    ~ZeroedSlots() { std::free(slots_); }
    ZeroedSlots(const ZeroedSlots&) = delete;
    ZeroedSlots& operator=(const ZeroedSlots&) = delete;

    T& operator[](std::size_t i) { return slots_[i]; }
    const T& operator[](std::size_t i) const { return slots_[i]; }
    T* begin() { return slots_; }
    T* end() { return slots_ + N; }
    const T* begin() const { return slots_; }
    const T* end() const { return slots_ + N; }
    static constexpr std::size_t size() { return N; }

private:
    T* slots_;
};

}  // namespace vantor
