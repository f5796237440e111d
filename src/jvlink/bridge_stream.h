#pragma once
// The line protocol vantor-jvbridge speaks on its standard output in
// stream mode, and Vantor reads: what JV-Link answered, as it happens.
//
//   vantor-jvbridge-stream <version>          first line, always
//   init <code>                               JVInit's result
//   version <text>                            JV-Link's version property
//   open <code> <reads> <downloads> <stamp>   JVOpen's result and counts ("-" for no stamp)
//   rtopen <code>                             JVRTOpen's result
//   status <n>                                JVStatus: files downloaded, or its error
//   record <length> <file>                    a record: then exactly <length> bytes and "\n"
//   fileend                                   JVRead moved on to the next file
//   read <code>                               the read's end: 0, or JVRead's error
//   cancelled                                 JVCancel was called on Vantor's request
//   close <code>                              JVClose's result: the last line of a run
//   settings <code>                           JVSetUIProperties' result
//
// Lines end with "\n" alone; records travel as the bytes JV-Link gave,
// CR LF included. The bridge's standard input carries "cancel\n"; its end
// cancels too, so a bridge never outlives the Vantor that started it.

#include <optional>
#include <string>
#include <string_view>

namespace vantor::bridge_stream {

// 2: real-time opens of any dataspec and key ("realtime" in place of
// "results"), so that a bridge of version 1 is found out at JVInit's check.
inline constexpr int kVersion = 2;
inline constexpr std::string_view kGreeting = "vantor-jvbridge-stream";
inline constexpr std::string_view kCancel = "cancel\n";
// No JV-Data record comes near this length (the longest are about 100 KB):
// a record line announcing more is not believed, and nothing is held for it.
inline constexpr int kMaxRecordBytes = 1 << 20;
// Every message line is short; output that runs on without a line end is
// not kept waiting for one.
inline constexpr std::size_t kMaxLineBytes = 1024;

struct Event {
    enum class Kind { hello, init, version, open, rtopen, status, record, fileEnd, read, cancelled, close, settings };
    Kind kind = Kind::hello;
    int code = 0;  // the result code; the protocol version of hello; files of status
    int readCount = 0;
    int downloadCount = 0;
    std::string text;   // version, time stamp of open, file name of record
    std::string bytes;  // the record
};

// The bytes of one message.
std::string encode(const Event& event);
// The word a message's line starts with.
std::string_view tagOf(Event::Kind kind);

// Takes the bridge's output in pieces of any size and gives its messages.
class Parser {
public:
    // Takes more of the output; after an error, nothing more is kept.
    void feed(std::string_view bytes) {
        if (!error_) pending_.append(bytes);
    }
    // The next whole message, or nothing while it is incomplete. After an
    // error, nothing more.
    std::optional<Event> next();
    // Why the output could not be read (another protocol version, a line
    // that is no message), once it happened.
    const std::optional<std::string>& error() const { return error_; }
    // Stops the reading for a reason found beyond the message itself (a
    // message out of order); error() then gives message.
    void refuse(std::string message) { fail(std::move(message)); }
    // The bytes held once next() gave nothing: at most one message (a
    // record line and its record) not yet whole.
    std::size_t heldBytes() const { return pending_.size(); }

private:
    std::optional<Event> fail(std::string message);

    std::string pending_;
    std::size_t start_ = 0;
    bool greeted_ = false;
    std::optional<std::string> error_;
};

}  // namespace vantor::bridge_stream
