#pragma once
// A fixed array numbered from 1, for the race-day fields whose entries the
// racing vocabulary numbers from 1 (payout entries, prize places, corners,
// week slots).

#include <array>
#include <cstddef>

namespace vantor {

template <class T, std::size_t N>
struct OneBased {
    std::array<T, N> items{};

    constexpr T& operator[](std::size_t n) { return items[n - 1]; }
    constexpr const T& operator[](std::size_t n) const { return items[n - 1]; }
};

}  // namespace vantor
