// The bridge's stream as Vantor reads it: the input's first byte chooses
// how the pipe cuts the rest into pieces, the rest is what a bridge wrote.
// Each piece is fed to the parser and its messages are taken through the
// order checks, as the bridge client does. Whatever the bytes: what the
// parser holds stays within one message; every message taken reads back
// the same from its own encoding; records come only while a successful
// open or real-time open is being read, never from more files than the
// open announced, and nothing is taken after the run's close; after a
// refusal nothing more is given.

#include <algorithm>

#include "fuzz_support.h"
#include "jvlink/bridge_stream.h"
#include "jvlink/bridge_stream_order.h"

using namespace vantor;
using namespace vantor::bridge_stream;
using Kind = Event::Kind;

namespace {

// What the order checks must let through, followed independently.
struct Run {
    bool ended = false, reading = false, counted = false;
    int reads = 0, fileEnds = 0;

    void take(const Event& e) {
        fuzz::check(!ended, "nothing after the run's end");
        switch (e.kind) {
            case Kind::open:
                counted = true;
                reads = e.readCount;
                reading = e.code == 0 && e.readCount > 0;
                break;
            case Kind::rtopen:
                reading = e.code == 0;
                break;
            case Kind::record:
                fuzz::check(reading, "records only while a read is open");
                fuzz::check(!e.bytes.empty() && e.bytes.size() <= static_cast<std::size_t>(kMaxRecordBytes),
                            "a record of a believable length");
                fuzz::check(!counted || fileEnds < reads, "no more files than the open announced");
                break;
            case Kind::fileEnd:
                fuzz::check(reading, "file ends only while a read is open");
                ++fileEnds;
                break;
            case Kind::status:
                if (e.code < 0) reading = false;
                break;
            case Kind::read:
            case Kind::cancelled:
                reading = false;
                break;
            case Kind::close:
            case Kind::settings:
                ended = true;
                break;
            default:
                break;
        }
    }
};

std::string wordOf(std::string text) {
    std::replace(text.begin(), text.end(), '\r', '_');
    return text;
}

// One parser, greeted once, reads every message taken back from its
// encoding, and holds nothing after it.
void checkReadsBack(const Event& e) {
    static Parser again = [] {
        Parser greeted;
        Event hello;
        hello.code = kVersion;
        greeted.feed(encode(hello));
        (void)greeted.next();
        return greeted;
    }();
    again.feed(encode(e));
    const std::optional<Event> back = again.next();
    fuzz::check(back && back->kind == e.kind && back->code == e.code && back->readCount == e.readCount &&
                    back->downloadCount == e.downloadCount && back->bytes == e.bytes && back->text == wordOf(e.text),
                "a message reads back from its encoding");
    fuzz::check(!again.next() && again.heldBytes() == 0, "a message reads back whole");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // 1-127 bytes a piece, or everything at once.
    const std::size_t piece = data[0] < 128 ? data[0] + 1u : size;
    std::string_view rest = fuzz::bytesOf(data + 1, size - 1);
    Parser parser;
    Order order;
    Run run;
    while (!rest.empty()) {
        parser.feed(rest.substr(0, piece));
        rest.remove_prefix(std::min(piece, rest.size()));
        while (auto e = parser.next()) {
            if (auto wrong = order.take(*e)) {
                parser.refuse(std::move(*wrong));
                break;
            }
            run.take(*e);
            checkReadsBack(*e);
        }
        fuzz::check(parser.heldBytes() <= kMaxLineBytes + 1 + kMaxRecordBytes + 1, "what is held stays one message");
        if (parser.error()) {
            parser.feed(rest);
            fuzz::check(!parser.next() && parser.heldBytes() == 0, "nothing after a refusal");
            break;
        }
    }
    return 0;
}
