#include "platform/window/RectDifference.h"

#include <gtest/gtest.h>
#include <vector>

namespace lumet::test {
namespace {

struct DifferenceCase {
    const char* fault;
    Rect from;
    Rect removed;
    std::vector<Rect> parts;
};

const DifferenceCase kCases[] = {
    {"a control moved away leaving nothing to repaint",
     {0, 0, 10, 10},
     {20, 0, 30, 10},
     {{0, 0, 10, 10}}},
    {"a control moved onto itself repainting the dialog", {0, 0, 10, 10}, {0, 0, 10, 10}, {}},
    {"a shift right losing the uncovered left strip",
     {0, 0, 10, 10},
     {4, 0, 14, 10},
     {{0, 0, 4, 10}}},
    {"a shift down losing the uncovered top band", {0, 0, 10, 10}, {0, 3, 10, 13}, {{0, 0, 10, 3}}},
    {"a diagonal shift losing the corner",
     {0, 0, 10, 10},
     {2, 3, 12, 13},
     {{0, 0, 10, 3}, {0, 3, 2, 10}}},
    {"a shrink in place losing a frame side",
     {0, 0, 10, 10},
     {2, 2, 8, 8},
     {{0, 0, 10, 2}, {0, 2, 2, 8}, {8, 2, 10, 8}, {0, 8, 10, 10}}},
    {"swapped corners read as an empty rectangle",
     {10, 10, 0, 0},
     {20, 20, 30, 30},
     {{0, 0, 10, 10}}},
    {"an empty source producing parts", {5, 5, 5, 9}, {0, 0, 1, 1}, {}},
};

TEST(RectDifferenceTest, LeavesExactlyThePixelsOutsideTheRemovedRectangle) {
    for (const DifferenceCase& c : kCases) {
        EXPECT_EQ(RectDifference(c.from, c.removed), c.parts) << c.fault;
    }
}

// Invariant over a grid of placements: the parts are disjoint, inside `from`,
// outside `removed`, and with `from ∩ removed` they cover `from`.
TEST(RectDifferenceTest, PartsTileTheSourceWithoutTheCut) {
    const Rect from{2, 2, 8, 7};
    for (int left = 0; left <= 9; left += 3) {
        for (int top = 0; top <= 8; top += 2) {
            const Rect removed{left, top, left + 4, top + 3};
            const std::vector<Rect> parts = RectDifference(from, removed);
            for (int y = 0; y < 10; ++y) {
                for (int x = 0; x < 10; ++x) {
                    int covering = 0;
                    for (const Rect& part : parts) {
                        covering += part.Contains(x, y) ? 1 : 0;
                    }
                    const int expected = from.Contains(x, y) && !removed.Contains(x, y) ? 1 : 0;
                    ASSERT_EQ(covering, expected)
                        << x << "," << y << " cut at " << left << "," << top;
                }
            }
        }
    }
}

} // namespace
} // namespace lumet::test
