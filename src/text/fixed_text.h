#pragma once
// A text(N) field of the race tables: keeps the first N bytes of whatever is
// assigned, lives inline and never allocates.

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "text/sjis_string.h"

namespace vantor {

template <std::size_t N>
class FixedText {
public:
    constexpr FixedText() = default;
    constexpr FixedText(SjisView text) { assign(text); }  // NOLINT: implicit by design

    constexpr void assign(SjisView text) {
        size_ = text.size() < N ? text.size() : N;
        for (std::size_t i = 0; i < size_; ++i) data_[i] = text[i];
    }
    constexpr FixedText& operator=(SjisView text) {
        assign(text);
        return *this;
    }
    constexpr void clear() { size_ = 0; }

    constexpr SjisView view() const { return SjisView::fromBytes({data_.data(), size_}); }
    constexpr operator SjisView() const { return view(); }  // NOLINT: implicit by design
    SjisString str() const { return SjisString(view()); }

    constexpr std::size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }
    static constexpr std::size_t capacity() { return N; }

    friend constexpr bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend constexpr bool operator==(const FixedText& a, SjisView b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const SjisString& b) { return a.view() == b.view(); }
    friend constexpr auto operator<=>(const FixedText& a, const FixedText& b) { return a.view() <=> b.view(); }

private:
    std::array<char, N> data_{};
    std::size_t size_ = 0;
};

}  // namespace vantor
