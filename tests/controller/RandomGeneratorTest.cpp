#include "pingtest/RandomGenerator.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumet {
namespace {

std::vector<int> Draw(std::uint32_t seed, int count) {
    RandomGenerator generator(seed);
    std::vector<int> values;
    for (int i = 0; i < count; ++i) {
        values.push_back(generator.Next());
    }
    return values;
}

TEST(RandomGeneratorTest, KnownSeedsGiveTheRuntimeSequence) {
    EXPECT_EQ(Draw(1, 5), (std::vector<int>{41, 18467, 6334, 26500, 19169}));
    EXPECT_EQ(Draw(0, 3), (std::vector<int>{38, 7719, 21238}));
    EXPECT_EQ(Draw(315626635, 3), (std::vector<int>{19148, 19364, 7716}));
}

TEST(RandomGeneratorTest, ReseedingRestartsTheSequenceAndDrawsStayInRange) {
    RandomGenerator generator(99);
    for (int i = 0; i < 100000; ++i) {
        const int value = generator.Next();
        ASSERT_GE(value, 0);
        ASSERT_LE(value, RandomGenerator::kMaxValue);
    }
    generator.Seed(1);
    EXPECT_EQ(generator.Next(), 41);
}

} // namespace
} // namespace lumet
