#include "device/hid/VirtualHidWire.h"

#include <gtest/gtest.h>

namespace {

using namespace VirtualHid;

std::vector<Message> DecodeAll(Decoder& decoder) {
    std::vector<Message> out;
    while (auto m = decoder.Next())
        out.push_back(std::move(*m));
    return out;
}

TEST(HidVirtualWire, AttachHasTheDocumentedLayout) {
    auto bytes = Encode(Attach{0x0102, 0x04F3, 0x026E, 0x000A, 0x0001, 32, 33, "Mx"});
    std::vector<uint8_t> expected{17,   0,    0,    0,    0x01, 0x02, 0x01, 0xF3, 0x04, 0x6E, 0x02,
                                  0x0A, 0x00, 0x01, 0x00, 32,   0,    33,   0,    'M',  'x'};
    EXPECT_EQ(bytes, expected);
}

TEST(HidVirtualWire, RequestsHaveTheDocumentedLayout) {
    std::vector<uint8_t> get{10, 0, 0, 0, 0x13, 0x04, 0x03, 0x02, 0x01, 0x07, 0x00, 0x06, 32, 0};
    EXPECT_EQ(Encode(GetFeature{0x01020304, 7, 6, 32}), get);
    std::vector<uint8_t> reply{8, 0, 0, 0, 0x04, 9, 0, 0, 0, 1, 0xAA, 0xBB};
    EXPECT_EQ(Encode(Reply{9, 1, {0xAA, 0xBB}}), reply);
    std::vector<uint8_t> ready{1, 0, 0, 0, 0x05};
    EXPECT_EQ(Encode(Ready{}), ready);
}

TEST(HidVirtualWire, EveryMessageRoundTripsFedOneByteAtATime) {
    std::vector<Message> messages{
        Attach{3, 0x04F3, 0x026F, 0xFF0A, 2, 32, 0, "Receiver status"},
        Detach{3},
        Input{4, {0x04, 1, 2, 3}},
        Reply{77, 0, {0x06, 0x01}},
        Ready{},
        Open{5, 4},
        Close{4},
        SetFeature{6, 4, std::vector<uint8_t>(33, 0x5A)},
        GetFeature{0xFFFFFFFF, 0xFFFF, 0xBC, 8},
    };
    std::vector<uint8_t> stream;
    for (const auto& m : messages) {
        auto bytes = Encode(m);
        stream.insert(stream.end(), bytes.begin(), bytes.end());
    }
    Decoder decoder;
    std::vector<Message> decoded;
    for (uint8_t b : stream) {
        decoder.Feed(std::span(&b, 1));
        for (auto& m : DecodeAll(decoder))
            decoded.push_back(std::move(m));
    }
    EXPECT_EQ(decoded, messages);
    EXPECT_FALSE(decoder.Failed());
}

TEST(HidVirtualWire, UnknownTypesAreSkipped) {
    std::vector<uint8_t> stream{3, 0, 0, 0, 0x7E, 1, 2};
    auto ready = Encode(Ready{});
    stream.insert(stream.end(), ready.begin(), ready.end());
    Decoder decoder;
    decoder.Feed(stream);
    auto decoded = DecodeAll(decoder);
    ASSERT_EQ(decoded.size(), 1u);
    EXPECT_TRUE(std::holds_alternative<Ready>(decoded[0]));
    EXPECT_FALSE(decoder.Failed());
}

TEST(HidVirtualWire, BadFramesAreProtocolErrors) {
    struct Case {
        const char* what;
        std::vector<uint8_t> bytes;
    };
    const Case cases[] = {
        {"over 4096 bytes", {0x01, 0x10, 0, 0, 0x03}},
        {"huge length", {0xFF, 0xFF, 0xFF, 0xFF}},
        {"no type byte", {0, 0, 0, 0}},
        {"short DETACH", {2, 0, 0, 0, 0x02, 1}},
        {"short REPLY", {4, 0, 0, 0, 0x04, 1, 0, 0}},
        {"short GET_FEATURE", {8, 0, 0, 0, 0x13, 1, 0, 0, 0, 1, 0, 6}},
    };
    for (const auto& c : cases) {
        Decoder decoder;
        decoder.Feed(c.bytes);
        EXPECT_FALSE(decoder.Next()) << c.what;
        EXPECT_TRUE(decoder.Failed()) << c.what;
        auto ready = Encode(Ready{});
        decoder.Feed(ready);
        EXPECT_FALSE(decoder.Next()) << c.what << ": nothing after an error";
    }
}

TEST(HidVirtualWire, LargestMessageIsAcceptedAndOversizeIsNotEncoded) {
    Input largest{1, std::vector<uint8_t>(kMaxMessageLength - 3, 0x11)};
    auto bytes = Encode(largest);
    ASSERT_EQ(bytes.size(), 4 + kMaxMessageLength);
    Decoder decoder;
    decoder.Feed(bytes);
    auto m = decoder.Next();
    ASSERT_TRUE(m);
    EXPECT_EQ(std::get<Input>(*m), largest);

    largest.report.push_back(0);
    EXPECT_TRUE(Encode(largest).empty());
    Attach longName{1, 0, 0, 0, 0, 0, 0, std::string(5000, 'n')};
    EXPECT_EQ(Encode(longName).size(), 4 + kMaxMessageLength);
}

TEST(HidVirtualWire, ExtraBytesAfterAFixedBodyAreIgnored) {
    Decoder decoder;
    decoder.Feed(std::vector<uint8_t>{4, 0, 0, 0, 0x02, 5, 0, 0xEE});
    auto m = decoder.Next();
    ASSERT_TRUE(m);
    EXPECT_EQ(std::get<Detach>(*m).id, 5);
}

} // namespace
