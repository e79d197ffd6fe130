#include "tests/res/ResourceAccess.h"

#include <gtest/gtest.h>
#include <set>

namespace lumet::test {
namespace {

constexpr std::uint32_t kBlack = 0x000000;
constexpr std::uint32_t kWhite = 0xffffff;
constexpr std::uint32_t kLightCyan = 0xccffff;

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        skin_ = LoadBitmap(QStringLiteral("129"));
        ASSERT_EQ(skin_.size(), QSize(360, 116));
    }
    bool ColumnIsCyan(int x, int top, int bottom) const {
        for (int y = top; y <= bottom; ++y) {
            if (Rgb(skin_, x, y) != kLightCyan) {
                return false;
            }
        }
        return true;
    }
    QImage skin_;
};

// The rating compares the average marker's client x against 86, 166 and 246, so the skin
// must divide its bands exactly there, and nowhere else.
TEST_F(SkinTest, QualityScaleIsDividedAtClient86_166_246) {
    std::set<int> dividers;
    for (int x = 7; x < 326; ++x) {
        if (ColumnIsCyan(x, 31, 54)) {
            dividers.insert(x);
        }
    }
    EXPECT_EQ(dividers, (std::set<int>{86, 166, 246}));
}

TEST_F(SkinTest, QualityScaleIsALightCyanBoxOverRows30To55) {
    EXPECT_TRUE(ColumnIsCyan(6, 30, 55));
    EXPECT_TRUE(ColumnIsCyan(326, 30, 55));
    for (int x = 6; x <= 326; ++x) {
        EXPECT_EQ(Rgb(skin_, x, 30), kLightCyan) << x;
        EXPECT_EQ(Rgb(skin_, x, 55), kLightCyan) << x;
    }
}

// The live bar inverts buffer rows 8-21 (client 38-51): each band's word must lie there.
TEST_F(SkinTest, EachBandCarriesItsWordInTheBarRows) {
    const int edges[] = {6, 86, 166, 246, 326};
    for (int band = 0; band < 4; ++band) {
        int ink = 0;
        for (int y = 38; y <= 51; ++y) {
            for (int x = edges[band] + 1; x < edges[band + 1]; ++x) {
                ink += Rgb(skin_, x, y) == kLightCyan ? 1 : 0;
            }
        }
        EXPECT_GT(ink, 20) << "band " << band;
    }
}

// The markers are drawn over rows 31-36 with copy mode: the strip must be clean.
TEST_F(SkinTest, MarkerStripIsBlackBetweenDividers) {
    for (int y = 31; y <= 36; ++y) {
        for (int x = 7; x < 326; ++x) {
            if (x == 86 || x == 166 || x == 246) {
                continue;
            }
            EXPECT_EQ(Rgb(skin_, x, y), kBlack) << x << "," << y;
        }
    }
}

// The history graph is combined with OR and the labels are black text on coloured boxes:
// only a black ground keeps their colours true.
TEST_F(SkinTest, LowerDisplayBandIsBlack) {
    for (int y = 56; y <= 109; ++y) {
        for (int x = 6; x <= 327; ++x) {
            ASSERT_EQ(Rgb(skin_, x, y), kBlack) << x << "," << y;
        }
    }
}

TEST(HoverWordTest, PictureAndMaskComposeWithAndThenXor) {
    const struct {
        const char* picture;
        const char* mask;
    } pairs[] = {{"152", "158"}, {"148", "159"}, {"153", "155"},
                 {"151", "157"}, {"149", "154"}, {"150", "156"}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.picture);
        const QImage picture = LoadBitmap(QLatin1String(pair.picture));
        const QImage mask = LoadBitmap(QLatin1String(pair.mask));
        ASSERT_EQ(picture.size(), mask.size());

        // Bit 0 must be black: a 1-bit source maps 0 to black under SRCAND.
        const QByteArray maskBytes = ReadResource(BitmapPath(QLatin1String(pair.mask)));
        const BmpHeader header = ParseBmpHeader(maskBytes);
        EXPECT_EQ(PaletteEntry(maskBytes, header, 0), kBlack);
        EXPECT_EQ(PaletteEntry(maskBytes, header, 1), kWhite);

        int wordPixels = 0;
        int lit = 0;
        for (int y = 0; y < mask.height(); ++y) {
            for (int x = 0; x < mask.width(); ++x) {
                const std::uint32_t m = Rgb(mask, x, y);
                ASSERT_TRUE(m == kBlack || m == kWhite);
                const std::uint32_t p = Rgb(picture, x, y);
                if (m == kWhite) {
                    // XOR with anything but black would change the backdrop around the word.
                    ASSERT_EQ(p, kBlack) << x << "," << y;
                } else {
                    ++wordPixels;
                    lit += p != kBlack ? 1 : 0;
                }
            }
        }
        EXPECT_GT(lit, 500);
        EXPECT_LT(wordPixels, mask.width() * mask.height() / 2);
        for (int y = 0; y < mask.height(); ++y) {
            EXPECT_EQ(Rgb(mask, 0, y), kWhite);
            EXPECT_EQ(Rgb(mask, mask.width() - 1, y), kWhite);
        }
    }
}

TEST(StatusLineTest, CaptionsAreOrangeWordsInsideTheCopiedPart) {
    for (const char* caption : {"166", "167", "168", "170", "171", "212"}) {
        SCOPED_TRACE(caption);
        const QImage image = LoadBitmap(QLatin1String(caption));
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const std::uint32_t colour = Rgb(image, x, y);
                ASSERT_TRUE(colour == kBlack || colour == 0xff9966) << x << "," << y;
                if (colour != kBlack) {
                    ++ink;
                    EXPECT_LT(x, 155) << "only 155 columns are copied";
                }
            }
        }
        EXPECT_GT(ink, 10);
    }
}

TEST(StatusLineTest, ErrorIconIsRedAndOnlyInTheColumnsLeftVisible) {
    const QImage icon = LoadBitmap(QStringLiteral("169"));
    int red = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            const std::uint32_t colour = Rgb(icon, x, y);
            red += colour == 0xff0000 ? 1 : 0;
            if (x >= 13) {
                EXPECT_EQ(colour, kBlack) << x << "," << y;
            }
        }
    }
    EXPECT_GT(red, 30);
}

// The banner is ORed onto the screen: its ground may only touch the lowest bits.
TEST(StatusLineTest, BannerIsRedOnNearBlack) {
    const QImage banner = LoadBitmap(QStringLiteral("211"));
    EXPECT_EQ(Rgb(banner, 0, 0), 0x0b0b0du);
    EXPECT_EQ(Rgb(banner, banner.width() - 1, banner.height() - 1), 0x0b0b0du);
    int red = 0;
    for (int y = 0; y < banner.height(); ++y) {
        for (int x = 0; x < banner.width(); ++x) {
            const QRgb colour = banner.pixel(x, y);
            ASSERT_LE(qGreen(colour), 0x0f);
            ASSERT_LE(qBlue(colour), 0x0f);
            red += Rgb(banner, x, y) == 0xff0000 ? 1 : 0;
        }
    }
    EXPECT_GT(red, 500);
}

bool AllBlack(const QImage& image, const QRect& rect) {
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (Rgb(image, x, y) != kBlack) {
                return false;
            }
        }
    }
    return true;
}

bool HasInk(const QImage& image, const QRect& rect) {
    return !AllBlack(image, rect);
}

// The report is drawn in light cyan with opaque text straight onto this panel.
TEST(PanelTest, ReportPanelIsBlackWhereTheReportGoesWithCaptionsOverTheButtons) {
    const QImage panel = LoadBitmap(QStringLiteral("164"));
    EXPECT_TRUE(AllBlack(panel, QRect(10, 8, 340, 248)));
    for (const int buttonX : {232, 272, 312}) {
        EXPECT_TRUE(HasInk(panel, QRect(buttonX, 258, 36, 18))) << buttonX;
    }
    EXPECT_FALSE(AllBlack(panel, QRect(0, 0, 360, 3))) << "the frame";
}

TEST(PanelTest, SettingsPanelLabelsEveryFieldAndLeavesTheFieldsBlack) {
    const QImage panel = LoadBitmap(QStringLiteral("165"));
    const QRect fields[] = {{76, 8, 32, 16},  {76, 32, 32, 16},  {76, 56, 32, 16},
                            {204, 8, 44, 16}, {204, 32, 32, 16}, {182, 56, 40, 16}};
    for (const QRect& field : fields) {
        EXPECT_TRUE(AllBlack(panel, field)) << field.x() << "," << field.y();
        EXPECT_TRUE(HasInk(panel, QRect(field.left() - 50, field.top(), 46, field.height())))
            << field.x() << "," << field.y();
    }
    EXPECT_TRUE(AllBlack(panel, QRect(270, 62, 36, 12))) << "under RESET";
    EXPECT_TRUE(HasInk(panel, QRect(266, 58, 44, 3))) << "RESET frame";
}

TEST(PanelTest, AboutPanelHasContent) {
    const QImage panel = LoadBitmap(QStringLiteral("197"));
    EXPECT_TRUE(HasInk(panel, QRect(90, 10, 200, 60)));
}

struct LampCount {
    int green = 0;
    int red = 0;
};

LampCount CountLamp(const QImage& face) {
    LampCount count;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QRgb c = face.pixel(x, y);
            count.green += qGreen(c) > 180 && qRed(c) < 120 ? 1 : 0;
            count.red += qRed(c) > 200 && qGreen(c) < 100 ? 1 : 0;
        }
    }
    return count;
}

TEST(ModeFaceTest, LampIsGreenWhenUpRedWhenActiveDarkOtherwise) {
    const LampCount up = CountLamp(LoadBitmap(QStringLiteral("RUNU")));
    EXPECT_GT(up.green, 10);
    EXPECT_EQ(up.red, 0);
    const LampCount active = CountLamp(LoadBitmap(QStringLiteral("RUNR")));
    EXPECT_GT(active.red, 10);
    EXPECT_EQ(active.green, 0);
    for (const char* dark : {"RUND", "RUNX"}) {
        const LampCount count = CountLamp(LoadBitmap(QLatin1String(dark)));
        EXPECT_EQ(count.green + count.red, 0) << dark;
    }
}

} // namespace
} // namespace lumet::test
