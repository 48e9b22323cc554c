#include <gtest/gtest.h>

#include "web/request_channel.h"

namespace tumbrix {
namespace {

using namespace std::string_literals;

TEST(RequestChannel, LaysOutTextsAndCountedBytes) {
    RequestChannel channel;
    channel.write_text("Qelvorn");
    channel.write_text("");
    channel.write_text("a\0b"s);  // a text ends at its first NUL
    ASSERT_TRUE(channel.write_bytes("x\0y"s));
    EXPECT_EQ(channel.contents(), "Qelvorn\0\0a\0\x03\0\0\0x\0y"s);

    channel.rewind();
    EXPECT_EQ(channel.read_text(), "Qelvorn");
    EXPECT_EQ(channel.read_text(), "");
    EXPECT_EQ(channel.read_text(), "a");
    EXPECT_EQ(channel.read_bytes(), "x\0y"s);
    EXPECT_EQ(channel.read_text(), std::nullopt);
    EXPECT_EQ(channel.read_bytes(), std::nullopt);
}

TEST(RequestChannel, OwnedBytesKeepTheLayout) {
    RequestChannel copied;
    RequestChannel owned;
    for (RequestChannel* channel : {&copied, &owned}) {
        channel->write_text("Qelvorn_OK");
        channel->write_text("HTTP/1.1 200 OK\r\n\r\n");
    }
    const std::string body = "a\0b"s + std::string(5000, 'z');
    ASSERT_TRUE(copied.write_bytes(body));
    ASSERT_TRUE(owned.write_owned_bytes(std::string(body)));
    EXPECT_EQ(owned.contents(), copied.contents());
}

TEST(RequestChannel, CountIsLittleEndian) {
    RequestChannel channel;
    ASSERT_TRUE(channel.write_bytes(std::string(0x0102, 'z')));
    EXPECT_EQ(channel.contents().substr(0, 4), "\x02\x01\0\0"s);
}

TEST(RequestChannel, EmptyChannelReadsNothing) {
    RequestChannel channel;  // as a worker that ended early leaves it
    EXPECT_EQ(channel.read_text(), std::nullopt);
    EXPECT_EQ(channel.read_bytes(), std::nullopt);
    channel.write_text("x");
    channel.rewind();
    EXPECT_EQ(channel.read_bytes(), std::nullopt);  // "x\0" is too short for a count
}

TEST(RequestChannel, AnswerOverwritesFromTheStart) {
    RequestChannel channel;
    channel.write_text("a long request record");
    channel.clear();
    channel.write_text(kAnswerMarker);
    channel.write_text("HTTP/1.1 200 OK\r\n\r\n");
    ASSERT_TRUE(channel.write_bytes("body"));
    channel.rewind();
    EXPECT_EQ(channel.read_text(), "Qelvorn_OK");
    EXPECT_EQ(channel.read_text(), "HTTP/1.1 200 OK\r\n\r\n");
    EXPECT_EQ(channel.read_bytes(), "body");
}

}  // namespace
}  // namespace tumbrix
