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
    constexpr FixedText(ShiftJisView text) { assign(text); }  // NOLINT: implicit by design
    // Implicit like the view's, for the folders not yet moved over.
    template <StdText T>
    VANTOR_SJIS_MIXUP constexpr FixedText(const T& text) {
        assign(ShiftJisView::fromBytes(text));
    }

    constexpr void assign(ShiftJisView text) {
        size_ = text.size() < N ? text.size() : N;
        for (std::size_t i = 0; i < size_; ++i) data_[i] = text[i];
    }
    constexpr FixedText& operator=(ShiftJisView text) {
        assign(text);
        return *this;
    }
    template <StdText T>
    VANTOR_SJIS_MIXUP constexpr FixedText& operator=(const T& text) {
        assign(ShiftJisView::fromBytes(text));
        return *this;
    }
    constexpr void clear() { size_ = 0; }

    constexpr ShiftJisView view() const { return ShiftJisView::fromBytes({data_.data(), size_}); }
    constexpr operator ShiftJisView() const { return view(); }  // NOLINT: implicit by design
    VANTOR_SJIS_MIXUP constexpr operator std::string_view() const { return view().bytes(); }  // NOLINT
    ShiftJisString str() const { return ShiftJisString(view()); }

    constexpr std::size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }
    static constexpr std::size_t capacity() { return N; }

    friend constexpr bool operator==(const FixedText& a, const FixedText& b) { return a.view() == b.view(); }
    friend constexpr bool operator==(const FixedText& a, ShiftJisView b) { return a.view() == b; }
    friend bool operator==(const FixedText& a, const ShiftJisString& b) { return a.view() == b.view(); }
    template <StdText T>
    VANTOR_SJIS_MIXUP friend constexpr bool operator==(const FixedText& a, const T& b) {
        return a.view().bytes() == std::string_view(b);
    }
    friend constexpr auto operator<=>(const FixedText& a, const FixedText& b) { return a.view() <=> b.view(); }

private:
    std::array<char, N> data_{};
    std::size_t size_ = 0;
};

}  // namespace vantor
