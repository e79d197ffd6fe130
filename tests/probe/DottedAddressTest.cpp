#include "probe/DottedAddress.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace lumet {
namespace {

// Network byte order on this little-endian machine: a.b.c.d is 0xddccbbaa.
constexpr std::uint32_t Address(std::uint32_t a, std::uint32_t b, std::uint32_t c,
                                std::uint32_t d) {
    return a | (b << 8) | (c << 16) | (d << 24);
}

struct ParseCase {
    std::string text;
    std::optional<std::uint32_t> address;
    const char* fault;
};

void PrintTo(const ParseCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class DottedAddressParseTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(DottedAddressParseTest, ReadsTheFormsInetAtonReads) {
    const ParseCase& c = GetParam();
    EXPECT_EQ(DottedAddress::Parse(c.text), c.address) << c.fault;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DottedAddressParseTest,
    ::testing::Values(
        ParseCase{"192.168.1.20", Address(192, 168, 1, 20), "parts placed in host order"},
        ParseCase{"127.1", Address(127, 0, 0, 1), "a short form's last part not filling 24 bits"},
        ParseCase{"10.1.258", Address(10, 1, 1, 2), "a three-part form's last part cut to 8 bits"},
        ParseCase{"16909060", Address(1, 2, 3, 4), "a single number not taken as all 32 bits"},
        ParseCase{"010.0.0.1", Address(8, 0, 0, 1), "a leading 0 not read as octal"},
        ParseCase{"0x7f.0X0.0.0xA", Address(127, 0, 0, 10), "hex parts or capital X refused"},
        ParseCase{"0", Address(0, 0, 0, 0), "a lone 0 taken for an empty octal part"},
        ParseCase{"1.2.3.4 trailing words", Address(1, 2, 3, 4),
                  "text after white space refused, which inet_aton allows"},
        ParseCase{"1.2.3.4\tx", Address(1, 2, 3, 4), "a tab not counted as white space"},
        ParseCase{"4294967295", Address(255, 255, 255, 255), "the largest value refused"},
        ParseCase{"4294967296", std::nullopt, "a part beyond 32 bits wrapping round"},
        ParseCase{"99999999999999999999999", std::nullopt, "a very long part overflowing"},
        ParseCase{"256.0.0.1", std::nullopt, "a leading part above 255 accepted"},
        ParseCase{"1.2.3.256", std::nullopt, "the last of four parts above 255 accepted"},
        ParseCase{"1.2.65536", std::nullopt, "the last of three parts above 16 bits accepted"},
        ParseCase{"1.2.3.4.5", std::nullopt, "a fifth part accepted"},
        ParseCase{"1..2", std::nullopt, "an empty part read as 0"},
        ParseCase{"1.2.3.", std::nullopt, "a trailing dot accepted"},
        ParseCase{" 1.2.3.4", std::nullopt, "leading white space skipped"},
        ParseCase{"+1.2.3.4", std::nullopt, "a sign accepted"},
        ParseCase{"08.1.1.1", std::nullopt, "an 8 read as an octal digit"},
        ParseCase{"0x.1.1.1", std::nullopt, "0x with no hex digit taken as 0"},
        ParseCase{"1.2.3.4x", std::nullopt, "letters straight after the address ignored"},
        ParseCase{"", std::nullopt, "empty text taken for 0.0.0.0"},
        ParseCase{std::string("1.2.3.4\0junk", 11), Address(1, 2, 3, 4),
                  "a NUL not ending the text as it ends a C string"}));

TEST(DottedAddressFormatTest, WritesFourDecimalParts) {
    EXPECT_EQ(DottedAddress::Format(Address(127, 0, 0, 1)), "127.0.0.1");
    EXPECT_EQ(DottedAddress::Format(Address(0, 0, 0, 0)), "0.0.0.0");
    EXPECT_EQ(DottedAddress::Format(Address(255, 254, 10, 9)), "255.254.10.9");
}

} // namespace
} // namespace lumet
