// The bridge's stream protocol: what the bridge writes, Vantor reads back
// exactly, in whatever pieces the pipe hands it over; what is not the
// protocol stops the reading with a message, and so does a message out of
// the order of a run.

#include "jvlink/bridge_stream.h"

#include <gtest/gtest.h>

#include <vector>

#include "jvlink/bridge_stream_order.h"

using namespace vantor::bridge_stream;
using Kind = Event::Kind;

namespace {

Event event(Kind kind, int code = 0, std::string text = {}, std::string bytes = {}) {
    Event e;
    e.kind = kind;
    e.code = code;
    e.text = std::move(text);
    e.bytes = std::move(bytes);
    return e;
}

std::vector<Event> parseAll(Parser& parser) {
    std::vector<Event> out;
    while (auto e = parser.next()) out.push_back(std::move(*e));
    return out;
}

}  // namespace

TEST(BridgeStream, EveryMessageComesBackWhateverPiecesItArrivesIn) {
    std::string everyByte;
    for (int b = 0; b < 256; ++b) everyByte += static_cast<char>(b);
    Event opened = event(Kind::open, 0, "20240527090000");
    opened.readCount = 26;
    opened.downloadCount = 3;
    const std::vector<Event> sent = {
        event(Kind::hello, kVersion),
        event(Kind::init, -101),
        event(Kind::version, 0, "0490"),
        opened,
        event(Kind::status, 2),
        event(Kind::record, 0, "RACE202405.jvd", "RA7\x82\xA0\n\r\n"),  // a line end inside the record
        event(Kind::record, 0, "", everyByte + "\r\n"),                 // no file name
        event(Kind::fileEnd),
        event(Kind::read, -502),
        event(Kind::cancelled),
        event(Kind::close, 0),
        event(Kind::rtopen, -1),
        event(Kind::settings, -100),
    };
    std::string wire;
    for (const Event& e : sent) wire += encode(e);

    for (const std::size_t piece : {wire.size(), std::size_t{1}, std::size_t{7}}) {
        Parser parser;
        std::vector<Event> got;
        for (std::size_t at = 0; at < wire.size(); at += piece) {
            parser.feed(std::string_view(wire).substr(at, piece));
            for (Event& e : parseAll(parser)) got.push_back(std::move(e));
        }
        ASSERT_EQ(parser.error(), std::nullopt);
        ASSERT_EQ(got.size(), sent.size()) << "pieces of " << piece;
        for (std::size_t i = 0; i < sent.size(); ++i) {
            EXPECT_EQ(got[i].kind, sent[i].kind) << i;
            EXPECT_EQ(got[i].code, sent[i].code) << i;
            EXPECT_EQ(got[i].text, sent[i].text) << i;
            EXPECT_EQ(got[i].bytes, sent[i].bytes) << i;
            EXPECT_EQ(got[i].readCount, sent[i].readCount) << i;
            EXPECT_EQ(got[i].downloadCount, sent[i].downloadCount) << i;
        }
    }
}

TEST(BridgeStream, WhatIsNotTheProtocolStopsTheReadingWithAMessage) {
    const std::string hello = encode(event(Kind::hello, kVersion));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"vantor-jvbridge-stream 1\n", "speaks stream version 1, this Vantor version 2"},
        {"init 0\n", "did not start with its stream greeting"},
        {hello + "wine: could not load kernel32.dll\n", "wine: could not load kernel32.dll"},
        {hello + "record 3 f\nabcd\n", "longer than it said"},
        {hello + "open 0 x 1 -\n", "malformed open line"},
        {hello + "status\n", "which is no message"},
        // One word more than the message has, or many more.
        {hello + "open 0 1 1 - 20240526\n", "which is no message"},
        {hello + "close 0 1 2 3 4 5 6 7 8\n", "which is no message"},
        {hello + "record 3 f g\nabc\n", "which is no message"},
        // The first bytes of something else, shown as printable text.
        {std::string("\x1b[31mMZ\0\x90\n", 10), "wrote \"\\x1b[31mMZ\\x00\\x90\", which is no message"},
    };
    for (const auto& [wire, message] : cases) {
        Parser parser;
        parser.feed(wire);
        parseAll(parser);
        ASSERT_TRUE(parser.error()) << wire;
        EXPECT_NE(parser.error()->find(message), std::string::npos) << *parser.error();
        parser.feed(hello);
        EXPECT_FALSE(parser.next()) << "nothing is read after an error";
        EXPECT_EQ(parser.heldBytes(), 0u) << "nor kept";
    }
}

TEST(BridgeStream, BlanksInAWordCannotSplitALine) {
    Parser parser;
    parser.feed(encode(event(Kind::hello, kVersion)) + encode(event(Kind::version, 0, "4 9\r\n0")));
    const auto got = parseAll(parser);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].text, "4_9__0");
}

TEST(BridgeStream, ARecordOfLengthZeroOrBeyondAnyRecordOrAnEndlessLineIsRefused) {
    const std::string hello = encode(event(Kind::hello, kVersion));
    for (const auto& [line, message] : std::vector<std::pair<std::string, std::string>>{
             {"record 0 RACE.jvd\n\n", "record of length 0"},
             {"record 1048577 RACE.jvd\n", "longer than any JV-Data record"},
             {std::string(4096, 'x'), "a line of more than 1024 bytes"},
             // Its end in the same piece makes it no shorter.
             {"record 4 " + std::string(4096, 'x') + "\nRA\r\n\n", "a line of more than 1024 bytes"},
         }) {
        Parser parser;
        parser.feed(hello + line);
        parseAll(parser);
        ASSERT_TRUE(parser.error()) << line;
        EXPECT_NE(parser.error()->find(message), std::string::npos) << *parser.error();
    }
}

namespace {

Event opened(int code, int reads, int downloads) {
    Event e = event(Kind::open, code, "20240601000000");
    e.readCount = reads;
    e.downloadCount = downloads;
    return e;
}

Event record(std::string file) { return event(Kind::record, 0, std::move(file), "RA\r\n"); }

// The first refusal of the run's messages, or "" when the order holds.
std::string refusalOf(std::vector<Event> run) {
    run.insert(run.begin(), {event(Kind::hello, kVersion), event(Kind::init, 0), event(Kind::version, 0, "0490")});
    Order order;
    for (const Event& e : run)
        if (auto wrong = order.take(e)) return *wrong;
    return "";
}

}  // namespace

TEST(BridgeStreamOrder, TheRunsOfTheBridgePass) {
    const Event read0 = event(Kind::read, 0), close0 = event(Kind::close, 0), fileEnd = event(Kind::fileEnd);
    EXPECT_EQ(refusalOf({}), "");  // the start-up check
    EXPECT_EQ(refusalOf({event(Kind::settings, 0)}), "");
    EXPECT_EQ(refusalOf({opened(0, 2, 2), event(Kind::status, 0), event(Kind::status, 2), record("A"), record("A"),
                         fileEnd, record("B"), read0, close0}),
              "");
    // An end repeated after the last file is no further file.
    EXPECT_EQ(refusalOf({opened(0, 2, 0), record("A"), fileEnd, record("B"), fileEnd, fileEnd, read0, close0}), "");
    EXPECT_EQ(refusalOf({opened(0, 3, 0), record("A"), read0, close0}), "");  // an early end: the read says it
    EXPECT_EQ(refusalOf({opened(-1, 0, 0), close0}), "");
    EXPECT_EQ(refusalOf({opened(0, 2, 2), event(Kind::status, 1), event(Kind::cancelled), close0}), "");
    EXPECT_EQ(refusalOf({opened(0, 2, 2), event(Kind::status, -502), close0}), "");
    EXPECT_EQ(refusalOf({event(Kind::rtopen, 0), record("RT"), read0, close0}), "");
}

TEST(BridgeStreamOrder, WhatNoCallWaitsForOrWhatClaimsFilesNeverSentIsRefused) {
    const Event read0 = event(Kind::read, 0), close0 = event(Kind::close, 0), fileEnd = event(Kind::fileEnd);
    const std::vector<std::pair<std::vector<Event>, std::string>> cases = {
        {{opened(0, 1, 1), record("A")}, "wrote \"record\" during the download"},
        {{opened(0, 1, 1), event(Kind::status, 0), read0}, "wrote \"read\" during the download"},
        {{opened(0, 1, 0), opened(0, 1, 0)}, "wrote \"open\" during the read"},
        {{event(Kind::init, 0)}, "wrote \"init\" where a JV-Link call belongs"},
        {{opened(0, 2, 0), record("A"), fileEnd, record("A")}, "file end inside the file A"},
        {{opened(0, 2, 0), record("A"), record("B")}, "records of B without ending the file A"},
        {{opened(0, 3, 0), record("A"), fileEnd, fileEnd, read0}, "file end with no record of its file"},
        {{opened(0, 1, 0), record("A"), fileEnd, record("B")}, "more files than the 1 its open announced"},
        {{event(Kind::rtopen, 0), record("RT"), close0}, "wrote \"close\" during the read"},
        {{opened(0, 1, 0), record("A"), read0, close0, record("A")}, "wrote \"record\" after the run's end"},
    };
    for (const auto& [run, message] : cases) {
        const std::string refused = refusalOf(run);
        EXPECT_NE(refused.find(message), std::string::npos) << "got \"" << refused << "\", wanted " << message;
    }
}
