// The bridge's stream protocol: what the bridge writes, Vantor reads back
// exactly, in whatever pieces the pipe hands it over; what is not the
// protocol stops the reading with a message.

#include "jvlink/bridge_stream.h"

#include <gtest/gtest.h>

#include <vector>

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
        {"vantor-jvbridge-stream 2\n", "speaks stream version 2, this Vantor version 1"},
        {"init 0\n", "did not start with its stream greeting"},
        {hello + "wine: could not load kernel32.dll\n", "wine: could not load kernel32.dll"},
        {hello + "record 3 f\nabcd\n", "longer than it said"},
        {hello + "open 0 x 1 -\n", "malformed open line"},
        {hello + "status\n", "which is no message"},
    };
    for (const auto& [wire, message] : cases) {
        Parser parser;
        parser.feed(wire);
        parseAll(parser);
        ASSERT_TRUE(parser.error()) << wire;
        EXPECT_NE(parser.error()->find(message), std::string::npos) << *parser.error();
        parser.feed(hello);
        EXPECT_FALSE(parser.next()) << "nothing is read after an error";
    }
}

TEST(BridgeStream, BlanksInAWordCannotSplitALine) {
    Parser parser;
    parser.feed(encode(event(Kind::hello, kVersion)) + encode(event(Kind::version, 0, "4 9\r\n0")));
    const auto got = parseAll(parser);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[1].text, "4_9__0");
}
