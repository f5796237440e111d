#include "store/unfiled_counts.h"

#include <algorithm>

#include "text/encoding.h"

namespace vantor {
namespace {

constexpr SjisView kUnknown = "??";

// An entry's kind: its two bytes.
SjisView twoBytes(const char* kind) { return SjisView::fromBytes({kind, 2}); }

bool isCodeChar(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z'); }

// 1234567 as "1,234,567".
SjisString grouped(long long n) {
    const std::string digits = std::to_string(n);
    SjisString out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return out;
}

}  // namespace

void UnfiledCounts::add(SjisView kind) {
    const bool known = kind.size() == 2 && isCodeChar(kind[0]) && isCodeChar(kind[1]);
    const SjisView key = known ? kind : kUnknown;
    for (int i = 0; i < size_; ++i) {
        Entry& e = entries_[static_cast<std::size_t>(i)];
        if (twoBytes(e.kind) == key) {
            ++e.count;
            return;
        }
    }
    // The last place is kept for "??", so that no kind is ever lost from the sum.
    if (size_ >= kKinds - 1 && key != kUnknown) return add(kUnknown);
    entries_[static_cast<std::size_t>(size_++)] = {{key[0], key[1]}, 1};
}

long long UnfiledCounts::count(SjisView kind) const {
    for (int i = 0; i < size_; ++i)
        if (twoBytes(entries_[static_cast<std::size_t>(i)].kind) == kind)
            return entries_[static_cast<std::size_t>(i)].count;
    return 0;
}

SjisString UnfiledCounts::text() const {
    std::array<Entry, kKinds> sorted = entries_;
    std::sort(sorted.begin(), sorted.begin() + size_,
              [](const Entry& a, const Entry& b) { return twoBytes(a.kind) < twoBytes(b.kind); });
    static const SjisString kUnit = utf8ToCp932("件");
    SjisString out;
    for (int i = 0; i < size_; ++i) {
        const Entry& e = sorted[static_cast<std::size_t>(i)];
        if (i > 0) out += ' ';
        out.append(twoBytes(e.kind)).append(" ").append(grouped(e.count)).append(kUnit);
    }
    return out;
}

SjisView unfiledLinePrefix() {
    static const SjisString prefix = utf8ToCp932("読込んで保存しなかったレコード:");
    return prefix;
}

SjisString unfiledRecordsLine(const UnfiledCounts& counts) { return SjisString(unfiledLinePrefix()) + counts.text(); }

}  // namespace vantor
