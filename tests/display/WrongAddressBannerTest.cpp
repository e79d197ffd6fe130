#include "display/WrongAddressBanner.h"

#include "tests/gdi/PixelMap.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumet {
namespace {

using test::PatternContext;

constexpr int kScreenWidth = 360;
constexpr int kScreenHeight = 116;
constexpr Rect kDisplayArea{6, 30, 326, 110};
constexpr Rect kBanner{8, 60, 319, 107};
// Where the fake address field paints itself, over part of the banner and beyond it.
constexpr Rect kAddressField{20, 40, 200, 80};
constexpr Color kFieldColor = Color::FromHex(0x303030);

Color ScreenPattern(int x, int y) {
    return Color{static_cast<std::uint8_t>(x % 256), static_cast<std::uint8_t>(2 * y), 0xF0};
}

Color SnapshotPattern(int x, int y) {
    return Color{static_cast<std::uint8_t>(0x80 + y), static_cast<std::uint8_t>((5 * x) % 256),
                 0x20};
}

Color Or(Color a, Color b) {
    return Color{static_cast<std::uint8_t>(a.red | b.red),
                 static_cast<std::uint8_t>(a.green | b.green),
                 static_cast<std::uint8_t>(a.blue | b.blue)};
}

// Records the window's side of the banner and, like the real address field, paints the
// field into the screen when it is disabled.
class FakeWindow final : public WrongAddressWindow {
public:
    explicit FakeWindow(DeviceContext& screen) : screen_(screen) {}

    void DisableAddressField() override {
        log.push_back("disable field");
        // Seen when the field repaints: the snapshot must already be back, the banner not.
        snapshotCornerAtDisable = *screen_.GetPixel(kBanner.left, kBanner.top);
        screen_.FillRect(kAddressField, Brush::Solid(kFieldColor));
    }
    void Beep() override { log.push_back("beep"); }

    std::vector<std::string> log;
    Color snapshotCornerAtDisable;

private:
    DeviceContext& screen_;
};

class WrongAddressBannerTest : public ::testing::Test {
protected:
    // What the screen shows under the banner: the field where it painted itself,
    // elsewhere the snapshot.
    static Color Restored(int x, int y) {
        if (kAddressField.Contains(x, y)) {
            return kFieldColor;
        }
        return SnapshotPattern(x - kDisplayArea.left, y - kDisplayArea.top);
    }

    DeviceContext screen_ = PatternContext(kScreenWidth, kScreenHeight, ScreenPattern);
    const DeviceContext snapshot_ = PatternContext(320, 80, SnapshotPattern);
    const Bitmap banner_ = Bitmap::LoadResource(211);
    FakeWindow window_{screen_};
};

TEST_F(WrongAddressBannerTest, RestoresTheSnapshotThenDisablesTheFieldThenBeepsOnce) {
    ShowWrongAddress(screen_, snapshot_, window_);

    EXPECT_EQ(window_.log, (std::vector<std::string>{"disable field", "beep"}));
    EXPECT_EQ(window_.snapshotCornerAtDisable,
              SnapshotPattern(kBanner.left - kDisplayArea.left, kBanner.top - kDisplayArea.top));
}

TEST_F(WrongAddressBannerTest, OrsTheBannerOverTheRestoredDisplayArea) {
    ASSERT_FALSE(banner_.IsNull());
    ASSERT_EQ(banner_.Width(), kBanner.Width());
    ASSERT_EQ(banner_.Height(), kBanner.Height());

    ShowWrongAddress(screen_, snapshot_, window_);

    int wrong = 0;
    for (int y = 0; y < kScreenHeight; ++y) {
        for (int x = 0; x < kScreenWidth; ++x) {
            Color expected = ScreenPattern(x, y);
            if (kBanner.Contains(x, y)) {
                expected = Or(Restored(x, y), banner_.Pixel(x - kBanner.left, y - kBanner.top));
            } else if (kDisplayArea.Contains(x, y)) {
                expected = Restored(x, y);
            }
            wrong += screen_.GetPixel(x, y) == expected ? 0 : 1;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(WrongAddressBannerTest, TheLettersShowRedAndTheGroundLeavesTheAreaVisible) {
    ShowWrongAddress(screen_, snapshot_, window_);

    int letters = 0;
    int ground = 0;
    int wrong = 0;
    for (int y = kBanner.top; y < kBanner.bottom; ++y) {
        for (int x = kBanner.left; x < kBanner.right; ++x) {
            const Color banner = banner_.Pixel(x - kBanner.left, y - kBanner.top);
            const Color shown = *screen_.GetPixel(x, y);
            const Color under = Restored(x, y);
            if (banner == Color::FromHex(0xFF0000)) {
                ++letters;
                wrong += shown.red == 0xFF ? 0 : 1;
            } else if (banner == Color::FromHex(0x0B0B0D)) {
                ++ground;
                // Only the lowest four bits of each channel may change.
                const bool visible = (shown.red & 0xF0) == (under.red & 0xF0) &&
                                     (shown.green & 0xF0) == (under.green & 0xF0) &&
                                     (shown.blue & 0xF0) == (under.blue & 0xF0);
                wrong += visible ? 0 : 1;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_GT(letters, 100);
    EXPECT_GT(ground, kBanner.Width() * kBanner.Height() / 2);
}

} // namespace
} // namespace lumet
