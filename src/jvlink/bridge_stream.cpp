#include "jvlink/bridge_stream.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <type_traits>

#include "text/printable_text.h"

namespace vantor::bridge_stream {
namespace {

using Kind = Event::Kind;

// Each message: its tag and how many words its line holds, the tag included.
struct Form {
    Kind kind;
    std::string_view tag;
    std::size_t words;
};

constexpr std::array kForms = {
    Form{Kind::hello, kGreeting, 2},       Form{Kind::init, "init", 2},       Form{Kind::version, "version", 2},
    Form{Kind::open, "open", 5},           Form{Kind::rtopen, "rtopen", 2},   Form{Kind::status, "status", 2},
    Form{Kind::record, "record", 3},       Form{Kind::fileEnd, "fileend", 1}, Form{Kind::read, "read", 2},
    Form{Kind::cancelled, "cancelled", 1}, Form{Kind::close, "close", 2},     Form{Kind::settings, "settings", 2},
};

// The words of a line, held in place: the reader splits a line per record.
// Splitting stops one word beyond the longest message, so that a line of
// more words never matches a message's count.
constexpr std::size_t kMostWords = std::max_element(kForms.begin(), kForms.end(), [](const Form& a, const Form& b) {
                                       return a.words < b.words;
                                   })->words;
struct Words {
    std::array<std::string_view, kMostWords + 1> at{};
    std::size_t count = 0;
};

Words words(std::string_view line) {
    Words out;
    while (!line.empty() && out.count < out.at.size()) {
        const std::size_t blank = line.find(' ');
        out.at[out.count++] = line.substr(0, blank);
        if (blank == std::string_view::npos) break;
        line.remove_prefix(blank + 1);
    }
    return out;
}

std::optional<int> integer(std::string_view text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    if (r.ec != std::errc{} || r.ptr != end) return std::nullopt;
    return value;
}

}  // namespace

std::string_view tagOf(Kind kind) {
    for (const Form& f : kForms)
        if (f.kind == kind) return f.tag;
    return {};
}

std::string encode(const Event& e) {
    std::string line(tagOf(e.kind));
    const auto add = [&line](auto value) {
        line += ' ';
        if constexpr (std::is_same_v<decltype(value), int>)
            line += std::to_string(value);
        else if (value.empty())
            line += '-';
        else  // a word of its own, whatever JV-Link put in it
            for (const char c : value) line += c == ' ' || c == '\n' || c == '\r' ? '_' : c;
    };
    switch (e.kind) {
        case Kind::hello:
        case Kind::init:
        case Kind::rtopen:
        case Kind::status:
        case Kind::read:
        case Kind::close:
        case Kind::settings:
            add(e.code);
            break;
        case Kind::version:
            add(std::string_view(e.text));
            break;
        case Kind::open:
            add(e.code);
            add(e.readCount);
            add(e.downloadCount);
            add(std::string_view(e.text));
            break;
        case Kind::record:
            add(static_cast<int>(e.bytes.size()));
            add(std::string_view(e.text));
            // Up to a megabyte: made in one piece.
            line.reserve(line.size() + e.bytes.size() + 2);
            line += '\n';
            line += e.bytes;
            line += '\n';
            return line;
        case Kind::fileEnd:
        case Kind::cancelled:
            break;
    }
    line += '\n';
    return line;
}

std::optional<Event> Parser::fail(std::string message) {
    error_ = std::move(message);
    pending_.clear();
    start_ = 0;
    return std::nullopt;
}

std::optional<Event> Parser::next() {
    if (error_) return std::nullopt;
    const std::size_t lineEnd = pending_.find('\n', start_);
    // A line is too long whether or not its end came in the same piece, so
    // that what is held never depends on how the pipe cut the output.
    if ((lineEnd == std::string::npos ? pending_.size() : lineEnd) - start_ > kMaxLineBytes)
        return fail("vantor-jvbridge wrote a line of more than " + std::to_string(kMaxLineBytes) + " bytes");
    if (lineEnd == std::string::npos) {
        // Keep only what is not read yet, so the buffer stays one message long.
        pending_.erase(0, start_);
        start_ = 0;
        return std::nullopt;
    }
    const std::string_view line(pending_.data() + start_, lineEnd - start_);
    const Words w = words(line);
    const auto number = [&w](std::size_t i) { return i < w.count ? integer(w.at[i]) : std::nullopt; };
    const auto text = [&w](std::size_t i) {
        return i < w.count && w.at[i] != "-" ? std::string(w.at[i]) : std::string();
    };

    const Form* form = nullptr;
    for (const Form& f : kForms)
        if (w.count != 0 && w.at[0] == f.tag) form = &f;
    if (!form) return fail("vantor-jvbridge wrote \"" + printableText(line) + "\", which is no message");
    if (!greeted_ && form->kind != Kind::hello) return fail("vantor-jvbridge did not start with its stream greeting");

    Event e;
    e.kind = form->kind;
    std::size_t consumed = lineEnd + 1;
    if (w.count != form->words)
        return fail("vantor-jvbridge wrote \"" + printableText(line) + "\", which is no message");
    switch (e.kind) {
        case Kind::version:
            e.text = text(1);
            break;
        case Kind::open:
            e.text = text(4);
            if (!number(2) || !number(3)) return fail("vantor-jvbridge wrote a malformed open line");
            e.readCount = *number(2);
            e.downloadCount = *number(3);
            [[fallthrough]];
        case Kind::hello:
        case Kind::init:
        case Kind::rtopen:
        case Kind::status:
        case Kind::read:
        case Kind::close:
        case Kind::settings:
            if (!number(1)) return fail("vantor-jvbridge wrote a malformed " + std::string(form->tag) + " line");
            e.code = *number(1);
            break;
        case Kind::record: {
            const auto length = number(1);
            if (!length || *length < 0) return fail("vantor-jvbridge wrote a malformed record line");
            // JVRead's 0 is the end of the read, never a record: taken as one it would end the read early.
            if (*length == 0) return fail("vantor-jvbridge wrote a record of length 0");
            if (*length > kMaxRecordBytes)
                return fail("vantor-jvbridge wrote a record of " + std::to_string(*length) +
                            " bytes, longer than any JV-Data record");
            const std::size_t size = static_cast<std::size_t>(*length);
            if (pending_.size() - consumed < size + 1) {  // the record is still coming
                pending_.erase(0, start_);
                start_ = 0;
                return std::nullopt;
            }
            if (pending_[consumed + size] != '\n') return fail("vantor-jvbridge wrote a record longer than it said");
            e.text = text(2);
            e.bytes.assign(pending_, consumed, size);
            consumed += size + 1;
            break;
        }
        case Kind::fileEnd:
        case Kind::cancelled:
            break;
    }
    if (e.kind == Kind::hello) {
        if (e.code != kVersion)
            return fail("vantor-jvbridge speaks stream version " + std::to_string(e.code) + ", this Vantor version " +
                        std::to_string(kVersion) + ": install the bridge that came with this Vantor");
        greeted_ = true;
    }
    start_ = consumed;
    return e;
}

}  // namespace vantor::bridge_stream
