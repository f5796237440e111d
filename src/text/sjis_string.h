#pragma once
// Shift-JIS text as types of their own: SjisView (a pointer and a size)
// and SjisString (owning, one std::string inside, so no allocation beyond
// what std::string makes). Neither converts from or to std::string or
// std::string_view, which hold UTF-8 (messages, paths, file names): bytes
// cross over only through the named edges (sjisBytes(), bytes(),
// SjisString::fromBytes(), and the converters of text/encoding.h).
// ASCII literals are the same in both encodings and convert implicitly; a
// literal with any other byte must say which encoding it is in.

#include <compare>
#include <concepts>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

namespace vantor {

// The standard types, which hold UTF-8.
template <class T>
concept StdText = std::same_as<T, std::string_view> || std::same_as<T, std::string>;

class SjisView {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    constexpr SjisView() = default;
    // An ASCII literal; any byte above 0x7F stops the build.
    template <std::size_t N>
    consteval SjisView(const char (&literal)[N]) : bytes_(literal, N - 1) {  // NOLINT: implicit by design
        for (char c : bytes_)
            if (static_cast<unsigned char>(c) > 0x7F) nonAsciiLiteral();
    }

    // The named edge: bytes known to be Shift-JIS.
    static constexpr SjisView fromBytes(std::string_view bytes) { return SjisView(Bytes{}, bytes); }
    constexpr std::string_view bytes() const { return bytes_; }

    constexpr const char* data() const { return bytes_.data(); }
    constexpr std::size_t size() const { return bytes_.size(); }
    constexpr bool empty() const { return bytes_.empty(); }
    constexpr char operator[](std::size_t i) const { return bytes_[i]; }
    constexpr char front() const { return bytes_.front(); }
    constexpr char back() const { return bytes_.back(); }
    constexpr auto begin() const { return bytes_.begin(); }
    constexpr auto end() const { return bytes_.end(); }

    constexpr SjisView substr(std::size_t pos, std::size_t len = npos) const {
        return fromBytes(bytes_.substr(pos, len));
    }
    constexpr void remove_prefix(std::size_t n) { bytes_.remove_prefix(n); }
    constexpr void remove_suffix(std::size_t n) { bytes_.remove_suffix(n); }
    constexpr bool starts_with(SjisView head) const { return bytes_.starts_with(head.bytes_); }
    constexpr bool ends_with(SjisView tail) const { return bytes_.ends_with(tail.bytes_); }
    // Byte searches; a trail byte can equal an ASCII byte, so a search for a
    // single-byte character belongs to findSjisChar (text/sjis_chars.h).
    constexpr std::size_t find(SjisView part, std::size_t from = 0) const { return bytes_.find(part.bytes_, from); }
    constexpr int compare(std::size_t pos, std::size_t len, SjisView other) const {
        return bytes_.compare(pos, len, other.bytes_);
    }

    friend constexpr bool operator==(SjisView a, SjisView b) { return a.bytes_ == b.bytes_; }
    friend constexpr std::strong_ordering operator<=>(SjisView a, SjisView b) {
        return a.bytes_.compare(b.bytes_) <=> 0;
    }

private:
    struct Bytes {};
    constexpr SjisView(Bytes, std::string_view bytes) : bytes_(bytes) {}
    static void nonAsciiLiteral();  // never defined: not callable at compile time

    std::string_view bytes_;
};

class SjisString {
public:
    SjisString() = default;
    explicit SjisString(SjisView text) : bytes_(text.bytes()) {}
    SjisString(std::size_t count, char byte) : bytes_(count, byte) {}
    // Braces of bytes would pick the (count, byte) constructor above:
    // {'A', 'B'} would make 65 'B's. They do not build; bytes are a literal.
    SjisString(std::initializer_list<char>) = delete;

    // The named edges: bytes known to be Shift-JIS, in and out.
    static SjisString fromBytes(std::string bytes) { return SjisString(Bytes{}, std::move(bytes)); }
    const std::string& bytes() const& { return bytes_; }
    std::string takeBytes() && { return std::move(bytes_); }

    SjisView view() const { return SjisView::fromBytes(bytes_); }
    operator SjisView() const { return view(); }  // NOLINT: like std::string to std::string_view

    const char* data() const { return bytes_.data(); }
    const char* c_str() const { return bytes_.c_str(); }  // for printf-style formats
    char* data() { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }
    bool empty() const { return bytes_.empty(); }
    char operator[](std::size_t i) const { return bytes_[i]; }
    char& operator[](std::size_t i) { return bytes_[i]; }
    char back() const { return bytes_.back(); }
    auto begin() const { return bytes_.begin(); }
    auto end() const { return bytes_.end(); }

    void clear() { bytes_.clear(); }
    void reserve(std::size_t n) { bytes_.reserve(n); }
    void resize(std::size_t n, char fill = ' ') { bytes_.resize(n, fill); }
    void pop_back() { bytes_.pop_back(); }
    void push_back(char byte) { bytes_.push_back(byte); }
    SjisString& append(SjisView text) {
        bytes_.append(text.bytes());
        return *this;
    }
    SjisString& append(std::size_t count, char byte) {
        bytes_.append(count, byte);
        return *this;
    }
    SjisString& operator+=(SjisView text) { return append(text); }
    SjisString& operator+=(char byte) {
        bytes_.push_back(byte);
        return *this;
    }
    SjisString& assign(SjisView text) {
        bytes_.assign(text.bytes());
        return *this;
    }
    // Bytes pos .. pos+len-1 (0-based) give way to text.
    SjisString& replace(std::size_t pos, std::size_t len, SjisView text) {
        bytes_.replace(pos, len, text.bytes());
        return *this;
    }

    friend bool operator==(const SjisString& a, const SjisString& b) { return a.bytes_ == b.bytes_; }
    friend bool operator==(const SjisString& a, SjisView b) { return a.view() == b; }
    friend std::strong_ordering operator<=>(const SjisString& a, const SjisString& b) { return a.view() <=> b.view(); }

private:
    struct Bytes {};
    SjisString(Bytes, std::string bytes) : bytes_(std::move(bytes)) {}

    std::string bytes_;
};

inline SjisString operator+(SjisView a, SjisView b) {
    SjisString out;
    out.reserve(a.size() + b.size());
    return std::move(out.append(a).append(b));
}

// Bytes known to be Shift-JIS: a record, a file's content, a byte escape.
constexpr SjisView sjisBytes(std::string_view bytes) { return SjisView::fromBytes(bytes); }

inline namespace literals {
// Shift-JIS byte escapes: "\x81\x40"_sjis.
consteval SjisView operator""_sjis(const char* bytes, std::size_t size) {
    return SjisView::fromBytes(std::string_view(bytes, size));
}
}  // namespace literals

}  // namespace vantor

template <>
struct std::hash<vantor::SjisView> {
    std::size_t operator()(vantor::SjisView text) const noexcept { return std::hash<std::string_view>{}(text.bytes()); }
};
template <>
struct std::hash<vantor::SjisString> {
    std::size_t operator()(const vantor::SjisString& text) const noexcept {
        return std::hash<std::string_view>{}(text.bytes());
    }
};
