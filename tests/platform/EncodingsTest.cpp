// Decoding in every offered encoding: valid samples, invalid bytes, byte-order marks.
#include "platform/Encodings.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using encodings::decode;

struct Sample {
    encodings::EncodingId id;
    std::string bytes;
    std::string utf8;
};

TEST(Encodings, EveryListedEncodingDecodesItsSample)
{
    const Sample samples[] = {
        { 1, "Hi", "Hi" },
        { 3, "\xC6\xFC\xCB\xDC", "\xE6\x97\xA5\xE6\x9C\xAC" },
        { 4, "caf\xC3\xA9", "caf\xC3\xA9" },
        { 5, "caf\xE9", "caf\xC3\xA9" },
        { 8, "\x93\xFA\x96\x7B", "\xE6\x97\xA5\xE6\x9C\xAC" },
        // Code page 932 extensions: the circled digit one (NEC row 13).
        { 8, "\x87\x40", "\xE2\x91\xA0" },
        { 9, "\xB1", "\xC4\x85" },
        { 10, std::string("\xFE\xFF\x00\x41", 4), "A" },
        { 10, std::string("\xFF\xFE\x41\x00", 4), "A" },
        { 10, std::string("\x00\x41", 2), "A" },
        { 11, "\xC0", "\xD0\x90" },
        { 12, "\x80", "\xE2\x82\xAC" },
        { 13, "\xE1", "\xCE\xB1" },
        { 14, "\xF0", "\xC4\x9F" },
        { 15, "\x9A", "\xC5\xA1" },
        { 21, "\x1B\x24\x42\x46\x7C\x4B\x5C\x1B\x28\x42", "\xE6\x97\xA5\xE6\x9C\xAC" },
        { 30, "\x8E", "\xC3\xA9" },
        { 0x90000100, std::string("\x00\x41", 2), "A" },
        { 0x94000100, std::string("\x41\x00", 2), "A" },
        { 0x8C000100, std::string("\x00\x00\xFE\xFF\x00\x00\x00\x41", 8), "A" },
        { 0x8C000100, std::string("\x00\x00\x00\x41", 4), "A" },
        { 0x98000100, std::string("\x00\x00\x00\x41", 4), "A" },
        { 0x9C000100, std::string("\x41\x00\x00\x00", 4), "A" },
        { 0x80000632, "\xC4\xE3\xBA\xC3", "\xE4\xBD\xA0\xE5\xA5\xBD" },
        { 0x80000631, "\xC4\xE3\xBA\xC3", "\xE4\xBD\xA0\xE5\xA5\xBD" },
        { 0x80000A03, "\xA7\x41\xA6\x6E", "\xE4\xBD\xA0\xE5\xA5\xBD" },
        { 0x80000940, "\xC7\xD1", "\xED\x95\x9C" },
        { 0x80000A02, "\xC1", "\xD0\xB0" },
        { 0x80000A08, "\xA4", "\xD1\x94" },
        { 0x80000505, "\xE0", "\xD7\x90" },
        { 0x80000506, "\xC7", "\xD8\xA7" },
        { 0x80000507, "\xE0", "\xC4\x85" },
        { 0x80000508, "\xC3", "\xC4\x82" },
        { 0x8000041D, "\xA1", "\xE0\xB8\x81" },
        { 0x8000020F, "\xA4", "\xE2\x82\xAC" },
        { 0x80000207, "\xB6", "\xCE\x86" },
    };
    std::set<encodings::EncodingId> covered;
    for (const auto& s : samples) {
        const auto got = decode(s.bytes, s.id);
        ASSERT_TRUE(got.has_value()) << std::hex << s.id;
        EXPECT_EQ(*got, s.utf8) << std::hex << s.id;
        covered.insert(s.id);
    }
    for (const auto& e : encodings::availableStringEncodings())
        EXPECT_TRUE(covered.count(e.id)) << "no sample for " << e.name;
}

TEST(Encodings, InvalidBytesGiveNoneNeverReplacements)
{
    const Sample invalid[] = {
        { 1, "caf\xE9", "" },
        { 3, "\xFF\xFF", "" },
        { 4, "\xC3\x28", "" },
        { 4, "\xC0\xAF", "" }, // overlong "/"
        { 4, "\xED\xA0\x80", "" }, // a surrogate
        { 4, "\xF4\x90\x80\x80", "" }, // past U+10FFFF
        { 4, "\xE6\x97", "" }, // cut short
        { 8, "\x93", "" }, // a lead byte with nothing after it
        { 10, std::string("\x00", 1), "" },
        { 10, std::string("\xD8\x00\x00\x41", 4), "" }, // a lone high surrogate
        { 21, "\x1B\x24\x42\x46", "" },
        { 0x98000100, std::string("\x00\x11\x00\x00", 4), "" },
        { 0x80000632, "\x81", "" },
    };
    for (const auto& s : invalid)
        EXPECT_FALSE(decode(s.bytes, s.id).has_value()) << std::hex << s.id;
    EXPECT_FALSE(decode("plain", 0).has_value());
    EXPECT_FALSE(decode("plain", 0x7FFFFFFF).has_value());
}

TEST(Encodings, LeadingByteOrderMarkIsDropped)
{
    const Sample withBom[] = {
        { 4,
            "\xEF\xBB\xBF"
            "1",
            "1" },
        { 0x90000100, std::string("\xFE\xFF\x00\x31", 4), "1" },
        { 0x94000100, std::string("\xFF\xFE\x31\x00", 4), "1" },
        { 0x98000100, std::string("\x00\x00\xFE\xFF\x00\x00\x00\x31", 8), "1" },
        { 0x80000632,
            "\x84\x31\x95\x33"
            "1",
            "1" },
        // Only one mark is a byte-order mark; a second one is text.
        { 4,
            "\xEF\xBB\xBF\xEF\xBB\xBF"
            "1",
            "\xEF\xBB\xBF"
            "1" },
        { 10, std::string("\xFE\xFF\xFE\xFF\x00\x31", 6),
            "\xEF\xBB\xBF"
            "1" },
    };
    for (const auto& s : withBom) {
        const auto got = decode(s.bytes, s.id);
        ASSERT_TRUE(got.has_value()) << std::hex << s.id;
        EXPECT_EQ(*got, s.utf8) << std::hex << s.id;
    }
}

TEST(Encodings, ListHasUniqueIdsAndNames)
{
    std::set<encodings::EncodingId> ids;
    std::set<std::string> names;
    for (const auto& e : encodings::availableStringEncodings()) {
        EXPECT_TRUE(ids.insert(e.id).second) << e.name;
        EXPECT_TRUE(names.insert(e.name).second) << e.name;
        EXPECT_EQ(encodings::localizedNameOfStringEncoding(e.id), e.name);
    }
    EXPECT_EQ(encodings::localizedNameOfStringEncoding(8), "Japanese (Shift JIS)");
    EXPECT_EQ(encodings::localizedNameOfStringEncoding(4), "Unicode (UTF-8)");
    EXPECT_EQ(encodings::localizedNameOfStringEncoding(12345), "");
}

} // namespace
