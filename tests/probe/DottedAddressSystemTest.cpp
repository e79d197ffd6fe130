#include "probe/DottedAddress.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <vector>

namespace lumet {
namespace {

// The system's inet_aton as the reference: every text built from awkward parts
// must read the same with both.
TEST(DottedAddressSystemTest, AgreesWithInetAtonOnEveryCombination) {
    const std::vector<std::string> parts{
        "",    "0",   "1",     "08",    "077",      "0x",       "0x1g",       "0xFF",
        "255", "256", "65535", "65536", "16777215", "16777216", "4294967295", "4294967296"};
    const std::vector<std::string> endings{"", " ", " junk", "x", ".", "\t1"};
    int compared = 0;
    for (std::size_t count = 1; count <= 4; ++count) {
        std::vector<std::size_t> index(count, 0);
        for (;;) {
            std::string address;
            for (std::size_t i = 0; i < count; ++i) {
                address += (i > 0 ? "." : "") + parts[index[i]];
            }
            for (const std::string& ending : endings) {
                const std::string text = address + ending;
                in_addr reference{};
                const std::optional<std::uint32_t> expected =
                    inet_aton(text.c_str(), &reference) != 0
                        ? std::optional<std::uint32_t>(reference.s_addr)
                        : std::nullopt;
                ASSERT_EQ(DottedAddress::Parse(text), expected) << '"' << text << '"';
                ++compared;
            }
            std::size_t digit = 0;
            while (digit < count && ++index[digit] == parts.size()) {
                index[digit++] = 0;
            }
            if (digit == count) {
                break;
            }
        }
    }
    EXPECT_GT(compared, 400000);
}

} // namespace
} // namespace lumet
