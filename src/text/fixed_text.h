#pragma once
// A text(N) field of the race tables: keeps the first N bytes of whatever is
// assigned, lives inline and never allocates.

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace vantor {

template <std::size_t N>
class FixedText {
public:
    constexpr FixedText() = default;
    constexpr FixedText(std::string_view text) { assign(text); }  // NOLINT: implicit by design

    constexpr void assign(std::string_view text) {
        size_ = text.size() < N ? text.size() : N;
        for (std::size_t i = 0; i < size_; ++i) data_[i] = text[i];
    }
    constexpr FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    constexpr void clear() { size_ = 0; }

    constexpr std::string_view view() const { return {data_.data(), size_}; }
    constexpr operator std::string_view() const { return view(); }  // NOLINT: implicit by design
    std::string str() const { return std::string(view()); }

    constexpr std::size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }
    static constexpr std::size_t capacity() { return N; }

    friend constexpr bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend constexpr bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }
    friend constexpr auto operator<=>(const FixedText& a, const FixedText& b) { return a.view() <=> b.view(); }

private:
    std::array<char, N> data_{};
    std::size_t size_ = 0;
};

}  // namespace vantor
