#include "display/QualityScale.h"

#include "tests/gdi/PixelMap.h"
#include "tests/support/SystemFontEngine.h"

#include <climits>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

namespace lumet {
namespace {

using test::kLightCyan;
using test::kRed;
using test::Picture;

constexpr int kWidth = 320;
constexpr int kHeight = 24;
constexpr Color kStale = Color::FromHex(0x123456);
constexpr Color kSkin = Color::FromHex(0x203040);

// A background in which no two nearby pixels agree and none has a marker colour
// (its green channel stays within 0x20…0x6F).
Color Background(int x, int y) {
    return Color{static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(0x20 + y),
                 static_cast<std::uint8_t>(x * 3 + y * 7)};
}

Color XorCyan(Color c) {
    return Color::FromPixel(c.ToPixel() ^ kLightCyan.ToPixel());
}

// The upper display as a test expects it, built from the scale's geometry block by
// block (columns and rows inclusive; an empty range changes nothing).
class ExpectedScale {
public:
    explicit ExpectedScale(Color (*start)(int, int)) {
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                At(x, y) = start(x, y);
            }
        }
    }

    void Fill(int firstX, int lastX, int firstY, int lastY, Color color) {
        Each(firstX, lastX, firstY, lastY, [color](Color& c) { c = color; });
    }
    void Xor(int firstX, int lastX, int firstY, int lastY) {
        Each(firstX, lastX, firstY, lastY, [](Color& c) { c = XorCyan(c); });
    }
    // A hollow 1-pixel frame laid by exclusive-or.
    void XorFrame(int firstX, int lastX, int firstY, int lastY) {
        Xor(firstX, lastX, firstY, firstY);
        Xor(firstX, lastX, lastY, lastY);
        Xor(firstX, firstX, firstY + 1, lastY - 1);
        Xor(lastX, lastX, firstY + 1, lastY - 1);
    }
    // Draws a picture with its top left at (left, top): '#' light cyan, 'g', 'r',
    // 'o' the marker fills, '.' leaves the pixel.
    void Stamp(int left, int top, const std::vector<std::string>& rows) {
        for (int dy = 0; dy < static_cast<int>(rows.size()); ++dy) {
            for (int dx = 0; dx < static_cast<int>(rows[dy].size()); ++dx) {
                const char symbol = rows[dy][dx];
                if (symbol != '.') {
                    At(left + dx, top + dy) = symbol == '#'   ? kLightCyan
                                              : symbol == 'g' ? test::kGreen
                                              : symbol == 'r' ? kRed
                                                              : test::kOrange;
                }
            }
        }
    }

    ::testing::AssertionResult Matches(const DeviceContext& dc) const {
        std::ostringstream wrong;
        int count = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                if (dc.GetPixel(x, y) != pixels_[Index(x, y)] && ++count <= 8) {
                    wrong << " (" << x << "," << y << ")";
                }
            }
        }
        if (count == 0) {
            return ::testing::AssertionSuccess();
        }
        return ::testing::AssertionFailure() << count << " pixels differ, first at" << wrong.str();
    }

private:
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y * kWidth + x); }
    Color& At(int x, int y) { return pixels_[Index(x, y)]; }
    template <typename Change>
    void Each(int firstX, int lastX, int firstY, int lastY, Change change) {
        for (int y = firstY; y <= lastY; ++y) {
            for (int x = firstX; x <= lastX; ++x) {
                change(At(x, y));
            }
        }
    }

    std::vector<Color> pixels_ = std::vector<Color>(kWidth * kHeight);
};

class QualityScaleTest : public ::testing::Test {
protected:
    const DrawingObjects objects_ = DrawingObjects::Create(*test::SystemFontEngine());
    DeviceContext background_{Bitmap(kWidth, 80)};
    DeviceContext upper_ = test::FilledContext(kWidth, kHeight, kStale);

    void SetUp() override {
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                background_.SetPixel(x, y, Background(x, y));
            }
        }
    }
};

struct LiveCase {
    const char* name;
    int errorCount;
    int plannedCount;
    std::uint32_t shownRtt;
    int penaltyLastX; // red in rows 3–5 from column 3; below 3: no penalty bar
    int barFirstX;
    int barLastX;
    int barTop; // the bar ends at row 21
};

TEST_F(QualityScaleTest, LiveBarCoversTheBandsUpToTheNewestTimePlusPenalty) {
    const LiveCase cases[] = {
        {"no failures: black frame keeps its pixels", 0, 32, 100, -1, 4, 38, 9},
        {"one failure of 32 adds 31 ms", 1, 32, 100, 11, 3, 50, 8},
        {"slower than 1000 ms shown as 999", 0, 32, 999, -1, 4, 312, 9},
        {"penalty plus time beyond 1000 ms", 16, 32, 600, 195, 3, 315, 8},
        {"stay-alive loss far past the plan stays right", 100, 1, 999, 315, 3, 315, 8},
        {"0 ms: the bar ends before it starts", 0, 32, 0, -1, 4, 0, 9},
        {"tiny penalty marks nothing left of column 3", 1, 1000, 0, -1, 3, 0, 8},
    };
    for (const LiveCase& c : cases) {
        SCOPED_TRACE(c.name);
        DrawLiveScaleBar(upper_, background_, objects_,
                         ScaleInputs{c.shownRtt, 0, 0, 0, c.errorCount, c.plannedCount});
        ExpectedScale expected(Background);
        expected.Fill(3, c.penaltyLastX, 3, 5, kRed);
        expected.Xor(c.barFirstX, c.barLastX, c.barTop, 21);
        EXPECT_TRUE(expected.Matches(upper_));
    }
}

TEST_F(QualityScaleTest, LiveBarFramePixelChangesOnlyWithPenalty) {
    DrawLiveScaleBar(upper_, background_, objects_, ScaleInputs{.shownRtt = 100});
    EXPECT_EQ(upper_.GetPixel(3, 8), Background(3, 8));
    EXPECT_EQ(upper_.GetPixel(4, 9), XorCyan(Background(4, 9)));
    EXPECT_EQ(upper_.GetPixel(4, 4), Background(4, 4));

    DrawLiveScaleBar(upper_, background_, objects_,
                     ScaleInputs{.shownRtt = 100, .errorCount = 1, .plannedCount = 32});
    EXPECT_EQ(upper_.GetPixel(3, 8), XorCyan(Background(3, 8)));
    EXPECT_EQ(upper_.GetPixel(50, 21), XorCyan(Background(50, 21)));
    EXPECT_EQ(upper_.GetPixel(51, 21), Background(51, 21));
    EXPECT_EQ(upper_.GetPixel(11, 5), kRed);
    EXPECT_EQ(upper_.GetPixel(12, 5), Background(12, 5));
}

struct FinalCase {
    const char* name;
    int errorCount;
    std::uint32_t minimumRtt;
    std::uint32_t maximumRtt;
    int outlineLastX; // frame of columns 3… in rows 8–22; below 4: no outline
    int bandFirstX;
    int bandLastX;
    int penaltyLastX;
};

TEST_F(QualityScaleTest, FinalBarOutlinesUpToTheMinimumAndFillsToTheMaximum) {
    const FinalCase cases[] = {
        {"outline and band", 0, 20, 300, 7, 8, 116, -1},
        {"every probe failed", 32, 0, 0, 314, 315, 314, 313},
        {"penalty shifts both", 1, 100, 200, 51, 52, 89, 11},
        {"equal minimum and maximum: no band", 0, 150, 150, 59, 60, 59, -1},
        {"minimum at the start: band only", 0, 0, 100, -1, 3, 38, -1},
        {"minimum one pixel from the start: band only", 0, 3, 100, -1, 3, 38, -1},
    };
    for (const FinalCase& c : cases) {
        SCOPED_TRACE(c.name);
        DrawFinalScaleBar(upper_, background_, objects_,
                          ScaleInputs{999, c.minimumRtt, 0, c.maximumRtt, c.errorCount, 32});
        ExpectedScale expected(Background);
        if (c.outlineLastX >= 4) {
            expected.XorFrame(3, c.outlineLastX, 8, 22);
        }
        expected.Xor(c.bandFirstX, c.bandLastX, 8, 22);
        expected.Fill(3, c.penaltyLastX, 3, 5, kRed);
        EXPECT_TRUE(expected.Matches(upper_));
    }
}

const std::vector<std::string> kMinimumFlag = Picture(R"(
#####
#ggg#
#ggg#
#ggg#
#g##.
##...)");
const std::vector<std::string> kAveragePointer = Picture(R"(
#######
#rrrrr#
#rrrrr#
.#rrr#.
..#r#..
...#...)");
const std::vector<std::string> kMaximumFlag = Picture(R"(
#####
#ooo#
#ooo#
#ooo#
.##o#
...##)");

struct MarkerCase {
    const char* name;
    int errorCount;
    std::uint32_t minimumRtt;
    std::uint32_t averageRtt;
    std::uint32_t maximumRtt;
    int minX; // 0: no flag
    int avgX;
    int maxX; // 0: no flag
};

TEST_F(QualityScaleTest, MarkersAndTheirHidingRules) {
    const MarkerCase cases[] = {
        {"all three apart", 0, 20, 100, 300, 8, 40, 118},
        {"penalty added before mapping", 1, 20, 100, 300, 21, 52, 130},
        {"all equal: pointer only", 0, 100, 100, 100, 0, 40, 0},
        {"minimum 8 px below: hidden", 0, 79, 100, 300, 0, 40, 118},
        {"minimum 9 px below: shown", 0, 76, 100, 300, 31, 40, 118},
        {"maximum 4 px above: hidden", 0, 20, 100, 109, 8, 40, 0},
        {"maximum 5 px above: shown under the pointer", 0, 20, 100, 112, 8, 40, 45},
        {"every probe failed", 32, 0, 0, 0, 0, 315, 0},
    };
    for (const MarkerCase& c : cases) {
        SCOPED_TRACE(c.name);
        DeviceContext upper = test::FilledContext(kWidth, kHeight, kSkin);
        int averageMarkerX = 0;
        const int returned = DrawScaleMarkers(
            upper, objects_,
            ScaleInputs{0, c.minimumRtt, c.averageRtt, c.maximumRtt, c.errorCount, 32},
            averageMarkerX);
        EXPECT_EQ(averageMarkerX, c.avgX + 6);
        EXPECT_EQ(returned, c.avgX + 6);

        ExpectedScale expected([](int, int) { return kSkin; });
        if (c.minX != 0) {
            expected.Stamp(c.minX, 1, kMinimumFlag);
        }
        if (c.maxX != 0) {
            expected.Stamp(c.maxX - 4, 1, kMaximumFlag);
        }
        expected.Stamp(c.avgX - 3, 1, kAveragePointer);
        EXPECT_TRUE(expected.Matches(upper));
    }
}

TEST_F(QualityScaleTest, MarkersGoOverTheBarAndLeaveItsRows) {
    const ScaleInputs inputs{100, 100, 100, 100, 1, 32};
    DrawLiveScaleBar(upper_, background_, objects_, inputs);
    DeviceContext before{Bitmap(kWidth, kHeight)};
    before.BitBlt(0, 0, kWidth, kHeight, upper_, 0, 0, Rop::SrcCopy);
    int averageMarkerX = 0;
    DrawScaleMarkers(upper_, objects_, inputs, averageMarkerX);

    EXPECT_EQ(averageMarkerX, 58);
    EXPECT_EQ(upper_.GetPixel(5, 4), kRed);
    EXPECT_EQ(upper_.GetPixel(52, 3), kRed);
    for (int y = 7; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            ASSERT_EQ(upper_.GetPixel(x, y), before.GetPixel(x, y)) << x << "," << y;
        }
    }
}

TEST_F(QualityScaleTest, AverageMarkerXIsWhereThePointerIsDrawn) {
    for (const int errorCount : {0, 3, 40, INT_MAX}) {
        for (std::uint32_t average = 0; average <= 1100; average += 7) {
            DeviceContext upper = test::FilledContext(kWidth, kHeight, kSkin);
            int averageMarkerX = -1;
            DrawScaleMarkers(upper, objects_,
                             ScaleInputs{0, average, average, average, errorCount, 32},
                             averageMarkerX);
            const int tip = averageMarkerX - 6;
            ASSERT_EQ(upper.GetPixel(tip, 6), kLightCyan) << errorCount << " " << average;
            ASSERT_EQ(upper.GetPixel(tip, 3), kRed) << errorCount << " " << average;
            ASSERT_EQ(upper.GetPixel(tip - 1, 6), kSkin) << errorCount << " " << average;
        }
    }
}

} // namespace
} // namespace lumet
