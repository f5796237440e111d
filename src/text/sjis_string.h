#pragma once
// Shift-JIS text as types of their own: ShiftJisView (a pointer and a size)
// and ShiftJisString (owning, one std::string inside, so no allocation beyond
// what std::string makes). Neither converts from or to std::string or
// std::string_view, which hold UTF-8 (messages, paths, file names): bytes
// cross over only through the named edges (sjisBytes(), bytes(),
// ShiftJisString::fromBytes(), and the converters of text/encoding.h).
// ASCII literals are the same in both encodings and convert implicitly; a
// literal with any other byte must say which encoding it is in.
//
// While the folders move over from the plain aliases, the implicit
// conversions that code not yet moved needs (std::string and
// std::string_view to a view, both types back to the standard ones) still
// exist but are deprecated:
// a folder that has moved over builds with the deprecation as an error, so
// every mix-up in it is found by the compiler; folders that have not build
// without the warning (cmake: the target property VANTOR_SJIS_MOVED).

#include <compare>
#include <concepts>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#define VANTOR_SJIS_MIXUP [[deprecated("Shift-JIS text mixed with std::string: convert at a named edge")]]

namespace vantor {

// The standard types, which hold UTF-8 once every folder has moved over.
template <class T>
concept StdText = std::same_as<T, std::string_view> || std::same_as<T, std::string>;

class ShiftJisView {
public:
    static constexpr std::size_t npos = std::string_view::npos;

    constexpr ShiftJisView() = default;
    // An ASCII literal; any byte above 0x7F stops the build.
    template <std::size_t N>
    consteval ShiftJisView(const char (&literal)[N]) : bytes_(literal, N - 1) {  // NOLINT: implicit by design
        for (char c : bytes_)
            if (static_cast<unsigned char>(c) > 0x7F) nonAsciiLiteral();
    }
    VANTOR_SJIS_MIXUP constexpr ShiftJisView(std::string_view bytes) : bytes_(bytes) {}  // NOLINT
    VANTOR_SJIS_MIXUP ShiftJisView(const std::string& bytes) : bytes_(bytes) {}          // NOLINT
    VANTOR_SJIS_MIXUP constexpr operator std::string_view() const { return bytes_; }     // NOLINT

    // The named edge: bytes known to be Shift-JIS.
    static constexpr ShiftJisView fromBytes(std::string_view bytes) { return ShiftJisView(Bytes{}, bytes); }
    constexpr std::string_view bytes() const { return bytes_; }

    constexpr const char* data() const { return bytes_.data(); }
    constexpr std::size_t size() const { return bytes_.size(); }
    constexpr bool empty() const { return bytes_.empty(); }
    constexpr char operator[](std::size_t i) const { return bytes_[i]; }
    constexpr char front() const { return bytes_.front(); }
    constexpr char back() const { return bytes_.back(); }
    constexpr auto begin() const { return bytes_.begin(); }
    constexpr auto end() const { return bytes_.end(); }

    constexpr ShiftJisView substr(std::size_t pos, std::size_t len = npos) const {
        return fromBytes(bytes_.substr(pos, len));
    }
    constexpr void remove_prefix(std::size_t n) { bytes_.remove_prefix(n); }
    constexpr void remove_suffix(std::size_t n) { bytes_.remove_suffix(n); }
    constexpr bool starts_with(ShiftJisView head) const { return bytes_.starts_with(head.bytes_); }
    constexpr bool ends_with(ShiftJisView tail) const { return bytes_.ends_with(tail.bytes_); }
    // Byte searches; a trail byte can equal an ASCII byte, so a search for a
    // single-byte character belongs to findSjisChar (text/sjis_chars.h).
    constexpr std::size_t find(ShiftJisView part, std::size_t from = 0) const { return bytes_.find(part.bytes_, from); }
    constexpr int compare(std::size_t pos, std::size_t len, ShiftJisView other) const {
        return bytes_.compare(pos, len, other.bytes_);
    }

    friend constexpr bool operator==(ShiftJisView a, ShiftJisView b) { return a.bytes_ == b.bytes_; }
    friend constexpr std::strong_ordering operator<=>(ShiftJisView a, ShiftJisView b) {
        return a.bytes_.compare(b.bytes_) <=> 0;
    }
    template <StdText T>
    VANTOR_SJIS_MIXUP friend constexpr bool operator==(ShiftJisView a, const T& b) {
        return a.bytes_ == std::string_view(b);
    }

private:
    struct Bytes {};
    constexpr ShiftJisView(Bytes, std::string_view bytes) : bytes_(bytes) {}
    static void nonAsciiLiteral();  // never defined: not callable at compile time

    std::string_view bytes_;
};

class ShiftJisString {
public:
    ShiftJisString() = default;
    explicit ShiftJisString(ShiftJisView text) : bytes_(text.bytes()) {}
    ShiftJisString(std::size_t count, char byte) : bytes_(count, byte) {}
    // Braces of bytes would pick the (count, byte) constructor above:
    // {'A', 'B'} would make 65 'B's. They do not build; bytes are a literal.
    ShiftJisString(std::initializer_list<char>) = delete;
    VANTOR_SJIS_MIXUP operator std::string() const& { return bytes_; }         // NOLINT
    VANTOR_SJIS_MIXUP operator std::string() && { return std::move(bytes_); }  // NOLINT
    VANTOR_SJIS_MIXUP operator std::string_view() const& { return bytes_; }    // NOLINT

    // The named edges: bytes known to be Shift-JIS, in and out.
    static ShiftJisString fromBytes(std::string bytes) { return ShiftJisString(Bytes{}, std::move(bytes)); }
    const std::string& bytes() const& { return bytes_; }
    std::string takeBytes() && { return std::move(bytes_); }

    ShiftJisView view() const { return ShiftJisView::fromBytes(bytes_); }
    operator ShiftJisView() const { return view(); }  // NOLINT: like std::string to std::string_view

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
    ShiftJisString& append(ShiftJisView text) {
        bytes_.append(text.bytes());
        return *this;
    }
    ShiftJisString& append(std::size_t count, char byte) {
        bytes_.append(count, byte);
        return *this;
    }
    ShiftJisString& operator+=(ShiftJisView text) { return append(text); }
    ShiftJisString& operator+=(char byte) {
        bytes_.push_back(byte);
        return *this;
    }
    ShiftJisString& assign(ShiftJisView text) {
        bytes_.assign(text.bytes());
        return *this;
    }
    // Bytes pos .. pos+len-1 (0-based) give way to text.
    ShiftJisString& replace(std::size_t pos, std::size_t len, ShiftJisView text) {
        bytes_.replace(pos, len, text.bytes());
        return *this;
    }

    friend bool operator==(const ShiftJisString& a, const ShiftJisString& b) { return a.bytes_ == b.bytes_; }
    friend bool operator==(const ShiftJisString& a, ShiftJisView b) { return a.view() == b; }
    template <StdText T>
    VANTOR_SJIS_MIXUP friend bool operator==(const ShiftJisString& a, const T& b) {
        return a.bytes_ == std::string_view(b);
    }
    friend std::strong_ordering operator<=>(const ShiftJisString& a, const ShiftJisString& b) {
        return a.view() <=> b.view();
    }

private:
    struct Bytes {};
    ShiftJisString(Bytes, std::string bytes) : bytes_(std::move(bytes)) {}

    std::string bytes_;
};

inline ShiftJisString operator+(ShiftJisView a, ShiftJisView b) {
    ShiftJisString out;
    out.reserve(a.size() + b.size());
    return std::move(out.append(a).append(b));
}

// Bytes known to be Shift-JIS: a record, a file's content, a byte escape.
constexpr ShiftJisView sjisBytes(std::string_view bytes) { return ShiftJisView::fromBytes(bytes); }

inline namespace literals {
// Shift-JIS byte escapes: "\x81\x40"_sjis.
consteval ShiftJisView operator""_sjis(const char* bytes, std::size_t size) {
    return ShiftJisView::fromBytes(std::string_view(bytes, size));
}
}  // namespace literals

}  // namespace vantor

template <>
struct std::hash<vantor::ShiftJisView> {
    std::size_t operator()(vantor::ShiftJisView text) const noexcept {
        return std::hash<std::string_view>{}(text.bytes());
    }
};
template <>
struct std::hash<vantor::ShiftJisString> {
    std::size_t operator()(const vantor::ShiftJisString& text) const noexcept {
        return std::hash<std::string_view>{}(text.bytes());
    }
};
