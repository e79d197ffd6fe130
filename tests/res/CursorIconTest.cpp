#include "tests/res/ResourceAccess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace lumet::test {
namespace {

struct ExpectedCursor {
    const char* name;
    QPoint hotSpot;
};

constexpr ExpectedCursor kCursors[] = {{"160", {7, 1}}, {"161", {0, 6}}, {"162", {10, 0}}};

QJsonObject Manifest() {
    return QJsonDocument::fromJson(ReadResource(QStringLiteral("cursors/cursors.json"))).object();
}

QImage LoadCursor(const char* name) {
    return QImage::fromData(ReadResource(QStringLiteral("cursors/%1.png").arg(name)), "PNG")
        .convertToFormat(QImage::Format_ARGB32);
}

TEST(CursorTest, ManifestGivesEachCursorItsImageAndHotSpot) {
    const QJsonObject manifest = Manifest();
    ASSERT_FALSE(manifest.isEmpty());
    for (const ExpectedCursor& expected : kCursors) {
        SCOPED_TRACE(expected.name);
        const QJsonObject entry = manifest.value(QLatin1String(expected.name)).toObject();
        EXPECT_EQ(entry.value(QStringLiteral("image")).toString(),
                  QStringLiteral("%1.png").arg(expected.name));
        const QJsonArray hotSpot = entry.value(QStringLiteral("hotSpot")).toArray();
        ASSERT_EQ(hotSpot.size(), 2);
        EXPECT_EQ(hotSpot[0].toInt(-1), expected.hotSpot.x());
        EXPECT_EQ(hotSpot[1].toInt(-1), expected.hotSpot.y());
    }
}

TEST(CursorTest, CursorsAreMonochrome32x32WithTheHotSpotOnTheHand) {
    for (const ExpectedCursor& expected : kCursors) {
        SCOPED_TRACE(expected.name);
        const QImage cursor = LoadCursor(expected.name);
        ASSERT_EQ(cursor.size(), QSize(32, 32));
        ASSERT_TRUE(cursor.rect().contains(expected.hotSpot));
        EXPECT_EQ(qAlpha(cursor.pixel(expected.hotSpot)), 255);
        int opaque = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const QRgb pixel = cursor.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    continue;
                }
                ++opaque;
                ASSERT_EQ(qAlpha(pixel), 255);
                const QRgb rgb = pixel & 0xffffffu;
                ASSERT_TRUE(rgb == 0 || rgb == 0xffffffu) << x << "," << y;
            }
        }
        EXPECT_GT(opaque, 100);
    }
}

// 162 is 160 mirrored; both hot spots mark the same fingertip pixel, which fixes the axis.
TEST(CursorTest, AddressCursorIsTheButtonHandMirrored) {
    const QImage up = LoadCursor("160");
    const QImage mirrored = LoadCursor("162");
    const int axisSum = kCursors[0].hotSpot.x() + kCursors[2].hotSpot.x();
    const int rowShift = kCursors[2].hotSpot.y() - kCursors[0].hotSpot.y();
    int compared = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            const QPoint partner(axisSum - x, y + rowShift);
            const QRgb pixel = up.pixel(x, y);
            if (!mirrored.rect().contains(partner)) {
                EXPECT_EQ(qAlpha(pixel), 0) << x << "," << y;
                continue;
            }
            EXPECT_EQ(mirrored.pixel(partner), pixel) << x << "," << y;
            compared += qAlpha(pixel) != 0 ? 1 : 0;
        }
    }
    EXPECT_GT(compared, 100);
}

TEST(CursorTest, LeftHandPointsLeft) {
    const QImage left = LoadCursor("161");
    // The finger reaches the left edge at the hot spot; nothing is left of it in that row.
    EXPECT_EQ(qAlpha(left.pixel(0, 6)), 255);
    int leftmostColumnInk = 0;
    for (int y = 0; y < 32; ++y) {
        leftmostColumnInk += qAlpha(left.pixel(0, y)) != 0 ? 1 : 0;
    }
    EXPECT_LE(leftmostColumnInk, 3);
}

TEST(IconTest, Icon128ComesInEveryDesktopSize) {
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon =
            QImage::fromData(ReadResource(QStringLiteral("icons/128-%1.png").arg(size)), "PNG");
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "rounded corner";
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 2)), 255);
    }
}

} // namespace
} // namespace lumet::test
