#include "platform/profile/ProfileInteger.h"

#include <climits>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>

namespace lumet {
namespace {

struct IntegerCase {
    std::string text;
    std::optional<long long> value;
    const char* fault;
};

void PrintTo(const IntegerCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class ProfileIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ProfileIntegerTest, ReadsDecimalIntegersOnly) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(ParseProfileInteger(c.text), c.value) << c.fault;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ProfileIntegerTest,
    ::testing::Values(
        IntegerCase{"42", 42, "plain digits refused"},
        IntegerCase{" \t42\r\n", 42, "blanks a hand edit leaves around the number refused"},
        IntegerCase{"+7", 7, "an explicit plus sign refused"},
        IntegerCase{"-15", -15, "a negative number read as positive or refused"},
        IntegerCase{"99999999999999999999", LLONG_MAX, "an overlong number wrapping round"},
        IntegerCase{"-99999999999999999999", LLONG_MIN, "an overlong negative number wrapping"},
        IntegerCase{"-9223372036854775808", LLONG_MIN,
                    "the smallest value overflowing on negation"},
        IntegerCase{"", std::nullopt, "empty text read as 0"},
        IntegerCase{"-", std::nullopt, "a lone sign read as 0"},
        IntegerCase{"4 2", std::nullopt, "a blank inside the number skipped"},
        IntegerCase{"0x10", std::nullopt, "hex read as a number"},
        IntegerCase{"12abc", std::nullopt, "trailing letters ignored"},
        IntegerCase{"1,2", std::nullopt, "a list read as its first item"}));

} // namespace
} // namespace lumet
