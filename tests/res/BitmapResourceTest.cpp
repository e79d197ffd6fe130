#include "tests/res/ResourceAccess.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumet::test {
namespace {

struct ExpectedBitmap {
    std::string name;
    int width;
    int height;
    int bitsPerPixel;
};

std::vector<ExpectedBitmap> AllBitmaps() {
    std::vector<ExpectedBitmap> expectations = {
        {"129", 360, 116, 24},  {"164", 360, 300, 8}, {"165", 322, 80, 8}, {"197", 322, 80, 8},
        {"211", 311, 47, 8},    {"169", 200, 10, 4},  {"QTU", 18, 19, 24}, {"QTD", 18, 18, 24},
        {"MIU", 18, 18, 24},    {"MID", 18, 18, 24},  {"QMU", 18, 18, 24}, {"QMD", 18, 18, 24},
        {"RESETU", 36, 12, 24},
    };
    for (const char* picture : {"148", "149", "150", "151", "152", "153"}) {
        expectations.push_back({picture, 319, 42, 8});
    }
    for (const char* mask : {"154", "155", "156", "157", "158", "159"}) {
        expectations.push_back({mask, 319, 42, 1});
    }
    for (const char* caption : {"166", "167", "168", "170", "171", "212"}) {
        expectations.push_back({caption, 200, 10, 4});
    }
    for (const char* button : {"RUN", "RND", "STA", "SET", "REP"}) {
        for (const char* state : {"U", "D", "X", "R"}) {
            expectations.push_back({std::string(button) + state, 25, 12, 24});
        }
    }
    for (const char* button : {"EMAIL", "COPY", "PRINT"}) {
        for (const char* state : {"U", "D"}) {
            expectations.push_back({std::string(button) + state, 36, 16, 24});
        }
    }
    return expectations;
}

class BitmapResourceTest : public ::testing::TestWithParam<ExpectedBitmap> {};

TEST_P(BitmapResourceTest, HeaderGivesExactSizeAndDepth) {
    const ExpectedBitmap& expected = GetParam();
    const QByteArray bytes = ReadResource(BitmapPath(QString::fromStdString(expected.name)));
    ASSERT_FALSE(bytes.isEmpty()) << "missing resource " << expected.name;
    const BmpHeader header = ParseBmpHeader(bytes);
    ASSERT_TRUE(header.valid);
    EXPECT_EQ(header.width, expected.width);
    EXPECT_EQ(header.height, expected.height) << "rows must be stored bottom-up";
    EXPECT_EQ(header.planes, 1);
    EXPECT_EQ(header.bitsPerPixel, expected.bitsPerPixel);
    EXPECT_EQ(header.compression, 0u);
    if (expected.bitsPerPixel <= 8) {
        EXPECT_LE(header.paletteEntries, 1u << expected.bitsPerPixel);
    }
}

TEST_P(BitmapResourceTest, LoadsWithQtAtItsSize) {
    const ExpectedBitmap& expected = GetParam();
    const QImage image = LoadBitmap(QString::fromStdString(expected.name));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.width(), expected.width);
    EXPECT_EQ(image.height(), expected.height);
}

std::string BitmapTestName(const ::testing::TestParamInfo<ExpectedBitmap>& expected) {
    return expected.param.name;
}

INSTANTIATE_TEST_SUITE_P(AllArtwork, BitmapResourceTest, ::testing::ValuesIn(AllBitmaps()),
                         BitmapTestName);

// A button resized to its up face must not meet a down or disabled face of another size,
// and the face loading never finds a focus face.
TEST(FaceSetTest, EveryFaceOfAButtonHasTheUpFaceSize) {
    const struct {
        const char* button;
        std::vector<const char*> states;
    } sets[] = {{"RUN", {"D", "X", "R"}},
                {"RND", {"D", "X", "R"}},
                {"STA", {"D", "X", "R"}},
                {"SET", {"D", "X", "R"}},
                {"REP", {"D", "X", "R"}},
                {"MI", {"D"}},
                {"QM", {"D"}},
                {"EMAIL", {"D"}},
                {"COPY", {"D"}},
                {"PRINT", {"D"}}};
    for (const auto& set : sets) {
        const QString button = QString::fromLatin1(set.button);
        const QImage up = LoadBitmap(button + QLatin1Char('U'));
        ASSERT_FALSE(up.isNull()) << set.button;
        for (const char* state : set.states) {
            EXPECT_EQ(LoadBitmap(button + QLatin1String(state)).size(), up.size())
                << set.button << state;
        }
        EXPECT_TRUE(ReadResource(BitmapPath(button + QLatin1Char('F'))).isEmpty()) << set.button;
    }
}

// REP blinks by taking over RUN's faces, so the two sets must look the same.
TEST(FaceSetTest, ModeButtonsLookAlike) {
    for (const char* state : {"U", "D", "X", "R"}) {
        const QImage run = LoadBitmap(QStringLiteral("RUN") + QLatin1String(state));
        for (const char* button : {"RND", "STA", "SET", "REP"}) {
            EXPECT_EQ(LoadBitmap(QLatin1String(button) + QLatin1String(state)), run)
                << button << state;
        }
    }
}

TEST(FaceSetTest, ActiveFaceDiffersFromUpFaceAndDownFromDisabled) {
    EXPECT_NE(LoadBitmap(QStringLiteral("RUNU")), LoadBitmap(QStringLiteral("RUNR")));
    EXPECT_NE(LoadBitmap(QStringLiteral("RUND")), LoadBitmap(QStringLiteral("RUNX")));
    EXPECT_NE(LoadBitmap(QStringLiteral("RUNU")), LoadBitmap(QStringLiteral("RUND")));
}

} // namespace
} // namespace lumet::test
