#include "display/AverageMarkerBlink.h"

#include "tests/gdi/PixelMap.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessagePump.h"
#include "tests/support/FakeTimers.h"
#include "tests/support/FakeUserActivity.h"
#include "tests/support/RecordingWindowCanvas.h"
#include "tests/support/SystemFontEngine.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <utility>
#include <vector>

namespace lumet {
namespace {

using test::kBlack;
using test::kLightCyan;
using test::kRed;
using test::Picture;
using test::PixelMap;

constexpr Color kDarkRed = Color::FromHex(0x800000);
constexpr std::uint32_t kStartMs = 5000;

TEST(BlinkImageTest, PentagonOnBlackInEitherFace) {
    const DrawingObjects objects = DrawingObjects::Create(*test::SystemFontEngine());
    const test::Legend legend{{'.', kBlack}, {'#', kLightCyan}, {'r', kRed}, {'d', kDarkRed}};
    const Rect whole{0, 0, kBlinkImageWidth, kBlinkImageHeight};
    EXPECT_EQ(PixelMap(MakeBlinkImage(objects, BlinkImage::Red), whole, legend), Picture(R"(
#######
#rrrrr#
#rrrrr#
.#rrr#.
..#r#..
...#...)"));
    EXPECT_EQ(PixelMap(MakeBlinkImage(objects, BlinkImage::DarkRed), whole, legend), Picture(R"(
#######
#ddddd#
#ddddd#
.#ddd#.
..#d#..
...#...)"));
}

TEST(BlinkImageTest, OriginFollowsTheAverageMarker) {
    EXPECT_EQ(BlinkMarkerOrigin(46), (Point{43, 32}));
    EXPECT_EQ(BlinkMarkerOrigin(321), (Point{318, 32}));
}

class AverageMarkerBlinkTest : public ::testing::Test {
protected:
    const DrawingObjects objects_ = DrawingObjects::Create(*test::SystemFontEngine());
    test::FakeClock clock_;
    test::FakeTimers timers_{clock_};
    test::FakeMessagePump pump_{clock_, timers_};
    test::FakeUserActivity activity_;
    test::RecordingWindowCanvas window_{clock_};
    std::map<int, std::function<void()>> actions_;
    int otherTicks_ = 0;

    void SetUp() override {
        clock_.nowMs = kStartMs;
        timers_.onTick = [this](int id) {
            const auto action = actions_.find(id);
            if (action == actions_.end()) {
                ++otherTicks_;
                return;
            }
            timers_.KillTimer(id);
            action->second();
        };
        // However wrong the loop, the test ends.
        window_.onCopy = [this] {
            if (window_.copies.size() > 100) {
                activity_.quitRequested = true;
            }
        };
    }

    // Does action as an event arriving afterMs after the loop started.
    void At(std::uint32_t afterMs, std::function<void()> action) {
        const int id = 100 + static_cast<int>(actions_.size());
        actions_[id] = std::move(action);
        timers_.SetTimer(id, afterMs);
    }

    void Blink(int averageMarkerX = 46) {
        BlinkAverageMarker(averageMarkerX, objects_, window_, pump_, clock_, activity_);
    }

    // Each copy to the window: its time after the start and its face, 'R' or 'D'.
    std::vector<std::pair<std::uint32_t, char>> Copies(std::uint32_t startMs = kStartMs) const {
        std::vector<std::pair<std::uint32_t, char>> result;
        for (const auto& copy : window_.copies) {
            const Color fill = copy.image.Pixel(3, 1);
            result.emplace_back(copy.atMs - startMs, fill == kRed       ? 'R'
                                                     : fill == kDarkRed ? 'D'
                                                                        : '?');
        }
        return result;
    }

    using Copied = std::vector<std::pair<std::uint32_t, char>>;
};

TEST_F(AverageMarkerBlinkTest, MouseMoveEndsItWithTheRedFaceOnTheMarker) {
    At(650, [this] { activity_.mouseMoved = true; });
    Blink();
    EXPECT_EQ(Copies(), (Copied{{0, 'R'}, {200, 'D'}, {400, 'R'}, {600, 'D'}, {650, 'R'}}));
    for (const auto& copy : window_.copies) {
        EXPECT_EQ(copy.origin, (Point{43, 32}));
    }
    EXPECT_EQ(window_.client.GetPixel(46, 33), kRed);
    EXPECT_EQ(clock_.nowMs, kStartMs + 650);
    EXPECT_EQ(activity_.watchesStarted, 1);
    EXPECT_EQ(activity_.watchesStopped, 1);
}

TEST_F(AverageMarkerBlinkTest, LeftButtonPressEndsIt) {
    At(130, [this] { activity_.leftButtonPressed = true; });
    Blink();
    EXPECT_EQ(Copies(), (Copied{{0, 'R'}, {130, 'R'}}));
    EXPECT_FALSE(activity_.watching);
}

TEST_F(AverageMarkerBlinkTest, ClosingWindowEndsItWithoutDrawing) {
    At(450, [this] { activity_.quitRequested = true; });
    Blink();
    EXPECT_EQ(Copies(), (Copied{{0, 'R'}, {200, 'D'}, {400, 'R'}}));
    EXPECT_EQ(clock_.nowMs, kStartMs + 450);
    EXPECT_EQ(activity_.watchesStopped, 1);
}

TEST_F(AverageMarkerBlinkTest, OtherEventsAreHandledWithoutShiftingTheBlinks) {
    int keys = 0;
    pump_.queued.emplace_back([&keys] { ++keys; });
    timers_.SetTimer(1, 30);
    At(1000, [this] { activity_.mouseMoved = true; });
    Blink();
    EXPECT_EQ(Copies(),
              (Copied{{0, 'R'}, {200, 'D'}, {400, 'R'}, {600, 'D'}, {800, 'R'}, {1000, 'R'}}));
    EXPECT_EQ(keys, 1);
    EXPECT_EQ(otherTicks_, 33);
    EXPECT_EQ(pump_.pumps, 0);
    for (const std::uint32_t wait : pump_.waits) {
        EXPECT_GT(wait, 0u);
        EXPECT_LE(wait, kBlinkPeriodMs);
    }
}

TEST_F(AverageMarkerBlinkTest, SleepsUntilTheNextBlinkInsteadOfPolling) {
    At(2000, [this] { activity_.mouseMoved = true; });
    Blink();
    EXPECT_EQ(pump_.pumps, 0);
    EXPECT_EQ(pump_.waits, std::vector<std::uint32_t>(10, kBlinkPeriodMs));
    EXPECT_EQ(window_.copies.size(), 11u);
}

TEST_F(AverageMarkerBlinkTest, KeepsItsPeriodAcrossTheClockWrap) {
    const std::uint32_t start = 0xFFFFFF00u;
    clock_.nowMs = start;
    // A slow handler wakes the loop 26 ms before the wrap, with the next blink after it.
    window_.onCopy = [this] {
        if (window_.copies.size() == 2) {
            pump_.queued.emplace_back([this] { clock_.Advance(30); });
        }
        if (window_.copies.size() == 4) {
            activity_.mouseMoved = true;
        }
    };
    Blink();
    EXPECT_EQ(Copies(start), (Copied{{0, 'R'}, {200, 'D'}, {400, 'R'}, {600, 'D'}, {800, 'R'}}));
}

} // namespace
} // namespace lumet
