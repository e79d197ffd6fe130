#include "report/ReportTextPlacer.h"

#include "tests/report/ReportPictureSupport.h"
#include "tests/support/SystemFontEngine.h"

#include <QString>
#include <gtest/gtest.h>
#include <string>

namespace lumet {
namespace {

using test::LoneInk;

constexpr Rect kArea{5, 5, 354, 294};

int Width(const Font& font, const std::string& text) {
    return font.TextWidth(text);
}

class ReportTextPlacerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(small_.IsNull()); }

    const ReportFonts fonts_ = ReportFonts::Create(*test::SystemFontEngine());
    const Font& small_ = fonts_.smallTahoma;
    const Font& medium_ = fonts_.mediumArial;
    const Font& large_ = fonts_.largeArial;
    ReportTextPlacer placer_{kArea};
};

TEST_F(ReportTextPlacerTest, ClearTextsKeepTheirPlaces) {
    EXPECT_EQ(placer_.Place("LUMET REPORT", small_, {30, 10}, GiveWay::After).at, (Point{30, 10}));
    const PlacedText& below = placer_.Place("test performed on", small_, {30, 36}, GiveWay::After);
    EXPECT_EQ(below.at, (Point{30, 36}));
    EXPECT_EQ(below.text, "test performed on");
    EXPECT_EQ(below.cell, (Rect{30, 36, 30 + Width(small_, below.text), 48}));
    EXPECT_EQ(below.ink, LoneInk(below.text, small_, {30, 36}));
}

TEST_F(ReportTextPlacerTest, TextThatWouldCoverAnotherFollowsItOneBlankPastItsCell) {
    const int labelEnd = 30 + Width(small_, "test performed on");
    placer_.Place("test performed on", small_, {30, 36}, GiveWay::Stay);
    const PlacedText& date =
        placer_.Place("Wed Sep 24 12:34:56 2025 UTC", small_, {labelEnd - 8, 36}, GiveWay::After);
    EXPECT_EQ(date.at, (Point{labelEnd + Width(small_, " "), 36}));
}

TEST_F(ReportTextPlacerTest, ALabelEndingInABlankIsFollowedRightAtItsCellEnd) {
    const int labelEnd = 30 + Width(small_, "is rated: ");
    placer_.Place("is rated: ", small_, {30, 76}, GiveWay::Stay);
    EXPECT_EQ(placer_.Place("UNUSABLE", large_, {labelEnd - 6, 72}, GiveWay::After).at,
              (Point{labelEnd, 72}));
}

TEST_F(ReportTextPlacerTest, GlyphsThatOnlyTouchAreSeparatedByOneBlankColumn) {
    const Rect label = LoneInk("PING SENT", small_, {40, 120});
    // The count's cell starts right past the label's glyphs, and its own first
    // glyph column is that column.
    const Point touching{label.right, 117};
    ASSERT_EQ(LoneInk("32", medium_, touching).left, label.right) << "not touching here";
    placer_.Place("PING SENT", small_, {40, 120}, GiveWay::Stay);
    const PlacedText& count = placer_.Place("32", medium_, touching, GiveWay::After);
    EXPECT_EQ(count.at, (Point{label.right + 1, 117}));
    EXPECT_EQ(count.ink.left, label.right + 1);
}

TEST_F(ReportTextPlacerTest, BelowTakesTheNearestRowClearOfADescender) {
    const Rect jitter = LoneInk("Jitter", small_, {180, 166});
    placer_.Place("Jitter", small_, {180, 166}, GiveWay::Below);
    // A cell two rows up would cover the lowest glyph rows of the text above.
    const PlacedText& lost =
        placer_.Place("Lost Packets", small_, {180, jitter.bottom - 2}, GiveWay::Below);
    EXPECT_EQ(lost.at, (Point{180, jitter.bottom}));
}

TEST_F(ReportTextPlacerTest, UpOrLeftMovesTheLeastToClearTheLabelsBelowAndBeside) {
    const Rect room{31, 117, 179, 274};
    const Point at{50, 215};
    // The label a few rows higher than in the report, so that the cell reaches it.
    const Point belowAt{40, 250};
    const Rect below = LoneInk("AVERAGE RTT", small_, belowAt);
    const Rect beside = LoneInk("MAX", small_, {130, 235});
    const Rect digits = LoneInk("1000", large_, at);
    const int cellRight = at.x + Width(large_, "1000");
    // Its cell must end above the one label and left of the other, and its glyphs
    // must leave a blank column before the second.
    const int up = at.y + large_.CellHeight() - below.top;
    const int left = std::max(cellRight - beside.left, digits.right + 1 - beside.left);
    ASSERT_GT(up, 0);
    ASSERT_GT(left, 0);

    placer_.Place("AVERAGE RTT", small_, belowAt, GiveWay::Stay);
    placer_.Place("MAX", small_, {130, 235}, GiveWay::Stay);
    EXPECT_EQ(placer_.Place("1000", large_, at, GiveWay::UpOrLeft, room).at,
              (Point{at.x - left, at.y - up}));
}

TEST_F(ReportTextPlacerTest, AfterOrBelowWrapsToTheRoomsLeftEdgeWhenTheRowIsTooShort) {
    const Rect room{180, 262, 354, 299};
    const Rect label = LoneInk("Your IP Address:", small_, {180, 262});
    placer_.Place("Your IP Address:", small_, {180, 262}, GiveWay::Stay, room);
    const std::string text = "2001:db8::1234:5678";
    ASSERT_GT(270 + Width(small_, text), room.right) << "fits on the row here";
    const PlacedText& address =
        placer_.Place(text, small_, {270, 262}, GiveWay::AfterOrBelow, room);
    ASSERT_LE(label.bottom, 262 + small_.CellHeight());
    EXPECT_EQ(address.at, (Point{180, 262 + small_.CellHeight()})) << "the next line";
    EXPECT_EQ(address.text, text);
}

TEST_F(ReportTextPlacerTest, AfterOrBelowStaysOnTheRowWhenTheTextFits) {
    const Rect room{180, 262, 354, 299};
    placer_.Place("Your IP Address:", small_, {180, 262}, GiveWay::Stay, room);
    const PlacedText& address =
        placer_.Place("10.0.0.1", small_, {270, 262}, GiveWay::AfterOrBelow, room);
    EXPECT_EQ(address.at.y, 262);
    EXPECT_GE(address.at.x, 270);
}

TEST_F(ReportTextPlacerTest, TooLongTextIsCutAfterAWholeCharacterAndEndsInAnEllipsis) {
    const std::string name = "a-very-long-host-name.subdomain.example-network.localdomain";
    const PlacedText& placed = placer_.Place(name, small_, {180, 130}, GiveWay::Below);
    EXPECT_EQ(placed.at, (Point{180, 130})) << "moving down would not make it fit";
    ASSERT_GT(placed.text.size(), 3u);
    const std::string kept = placed.text.substr(0, placed.text.size() - 3);
    EXPECT_EQ(placed.text.substr(kept.size()), "...");
    EXPECT_EQ(name.substr(0, kept.size()), kept);
    EXPECT_LE(std::max(placed.cell.right, placed.ink.right), kArea.right);
    EXPECT_GT(180 + Width(small_, name.substr(0, kept.size() + 1) + "..."), kArea.right)
        << "one more character would have fitted";
}

TEST_F(ReportTextPlacerTest, CutDropsADotBeforeTheEllipsis) {
    const Rect room{10, 10, 10 + Width(small_, "aaaa...."), 100};
    EXPECT_EQ(placer_.Place("aaaa.bbbbbbbb", small_, {10, 10}, GiveWay::Stay, room).text,
              "aaaa...");
}

TEST_F(ReportTextPlacerTest, CutNeverSplitsACharacter) {
    const std::string text = "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9";
    const Rect room{10, 10, 10 + Width(small_, text) / 2, 100};
    const std::string cut = placer_.Place(text, small_, {10, 10}, GiveWay::Stay, room).text;
    ASSERT_GT(cut.size(), 3u);
    EXPECT_LT(cut.size(), text.size());
    EXPECT_EQ(QString::fromStdString(cut).toStdString(), cut) << "valid UTF-8";
    EXPECT_EQ((cut.size() - 3) % 2, 0u);
}

TEST_F(ReportTextPlacerTest, TextWithNoRoomAtAllIsLeftOut) {
    const Rect room{10, 10, 14, 100};
    EXPECT_EQ(placer_.Place("PING SENT", small_, {10, 10}, GiveWay::Stay, room).text, "");
}

TEST_F(ReportTextPlacerTest, StayKeepsItsPlaceEvenOverAnotherText) {
    placer_.Place("RETURNED", small_, {40, 140}, GiveWay::Stay);
    EXPECT_EQ(placer_.Place("RETURNED", small_, {44, 140}, GiveWay::Stay).at, (Point{44, 140}));
}

TEST_F(ReportTextPlacerTest, TextsWithoutAFontTakeNoRoom) {
    const Font none;
    placer_.Place("PING SENT", none, {40, 120}, GiveWay::Stay);
    const PlacedText& count = placer_.Place("32", none, {40, 120}, GiveWay::After);
    EXPECT_EQ(count.at, (Point{40, 120}));
    EXPECT_TRUE(count.cell.IsEmpty());
    EXPECT_TRUE(count.ink.IsEmpty());
}

} // namespace
} // namespace lumet
