#include "platform/window/Utf16Text.h"

#include <gtest/gtest.h>
#include <string>

namespace lumet::test {
namespace {

struct DecodeCase {
    const char* fault;
    std::string utf8;
    std::u16string utf16;
};

const DecodeCase kDecodeCases[] = {
    {"ASCII changed on the way", "Ping 127.0.0.1", u"Ping 127.0.0.1"},
    {"two-byte forms misread", "\xC3\xA9t\xC3\xA9", u"\u00E9t\u00E9"},
    {"three-byte forms misread", "\xE2\x82\xAC", u"\u20AC"},
    {"four-byte forms not split into a surrogate pair", "\xF0\x9F\x98\x80", u"\U0001F600"},
    {"a stray continuation byte kept",
     "a\x80"
     "b",
     u"a\uFFFDb"},
    {"an overlong slash accepted (a classic filter bypass)", "\xC0\xAF", u"\uFFFD\uFFFD"},
    {"an encoded surrogate accepted", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
    {"a value past U+10FFFF accepted", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"a truncated sequence read past the end", "ab\xE2\x82", u"ab\uFFFD\uFFFD"},
    {"a bad sequence swallowing the next character",
     "\xE2("
     "x",
     u"\uFFFD(x"},
};

TEST(Utf16TextTest, DecodesUtf8AndReplacesEveryInvalidByte) {
    for (const DecodeCase& c : kDecodeCases) {
        EXPECT_EQ(Utf16FromUtf8(c.utf8), c.utf16) << c.fault;
    }
}

struct EncodeCase {
    const char* fault;
    std::u16string utf16;
    std::string utf8;
};

const EncodeCase kEncodeCases[] = {
    {"a surrogate pair encoded as two characters", u"\U0001F600", "\xF0\x9F\x98\x80"},
    {"a lone high surrogate written out", std::u16string(1, char16_t{0xD83D}) + u"x",
     "\xEF\xBF\xBDx"},
    {"a lone low surrogate written out", std::u16string(1, char16_t{0xDE00}), "\xEF\xBF\xBD"},
    {"a high surrogate at the end read past", u"a" + std::u16string(1, char16_t{0xD800}),
     "a\xEF\xBF\xBD"},
    {"the BMP's last character mangled", u"\uFFFF", "\xEF\xBF\xBF"},
};

TEST(Utf16TextTest, EncodesUtf16AndReplacesUnpairedSurrogates) {
    for (const EncodeCase& c : kEncodeCases) {
        EXPECT_EQ(Utf8FromUtf16(c.utf16), c.utf8) << c.fault;
    }
}

TEST(Utf16TextTest, EveryCharacterSurvivesTheRoundTrip) {
    for (char32_t code = 1; code <= 0x10FFFF; code += (code < 0x800 ? 1 : 97)) {
        if (code >= 0xD800 && code <= 0xDFFF) {
            continue;
        }
        std::u16string one;
        if (code >= 0x10000) {
            one = {static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10)),
                   static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF))};
        } else {
            one = std::u16string(1, static_cast<char16_t>(code));
        }
        ASSERT_EQ(Utf16FromUtf8(Utf8FromUtf16(one)), one)
            << std::hex << static_cast<unsigned long>(code);
    }
}

} // namespace
} // namespace lumet::test
