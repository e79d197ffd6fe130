#include "report/ReportLayout.h"
#include "tests/report/ReportPictureSupport.h"
#include "tests/support/SystemFontEngine.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <vector>

namespace lumet {
namespace {

using test::DrawAlone;
using test::kInk;
using test::kPaper;
using test::LoneInk;
using test::Overlap;

// Inside the report panel's metallic frame.
constexpr Rect kInsideFrame{5, 5, 355, 295};

std::string Describe(const Rect& rect) {
    return "[" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ") - [" +
           std::to_string(rect.right) + ", " + std::to_string(rect.bottom) + ")";
}

struct Run {
    std::string name;
    std::function<void(ReportData&)> change; // applied to a 32-probe run
};

void PrintTo(const Run& run, std::ostream* out) {
    *out << run.name;
}

ReportData Make(const Run& run) {
    ReportData data = test::ThirtyTwoProbeRun();
    run.change(data);
    return data;
}

void Verdict(ReportData& data, const char* verdict, int score) {
    data.verdict = verdict;
    data.score = score;
}

// Inputs whose texts ran into each other with these fonts, and a few that did not.
const Run kRuns[] = {
    {"LoopbackByName", [](ReportData&) {}},
    {"DottedLoopback", [](ReportData& d) { d.domainName.clear(); }},
    {"WidestAddress", [](ReportData& d) { d.addressText = "255.255.255.255"; }},
    {"LongDate", [](ReportData& d) { d.testStartUtc = "Wed Sep 24 23:59:58 2025\n"; }},
    {"WideDate", [](ReportData& d) { d.testStartUtc = "Mon May 28 00:00:00 2000\n"; }},
    {"Perfect", [](ReportData& d) { Verdict(d, "PERFECT", 100); }},
    {"Good", [](ReportData& d) { Verdict(d, "GOOD", 80); }},
    {"Poor", [](ReportData& d) { Verdict(d, "POOR", 50); }},
    {"Bad", [](ReportData& d) { Verdict(d, "BAD", 30); }},
    {"Unusable", [](ReportData& d) { Verdict(d, "UNUSABLE", 0); }},
    {"AverageOf1000", [](ReportData& d) { d.averageRtt = d.minimumRtt = d.maximumRtt = 1000; }},
    {"ThreeDigitCounts",
     [](ReportData& d) {
         d.probeCount = 999;
         d.errorCount = 3;
         d.returnedPercentage = 99;
     }},
    {"FourDigitCounts",
     [](ReportData& d) {
         d.probeCount = 1000;
         d.errorCount = 1;
         d.returnedPercentage = 99;
     }},
    {"FiveDigitCountsWithAHostName",
     [](ReportData& d) {
         d.probeCount = 12345;
         d.errorCount = 0;
         d.returnedPercentage = 100;
     }},
    {"LongHostName",
     [](ReportData& d) {
         d.domainName = "a-very-long-host-name.subdomain.example-network.localdomain";
     }},
    {"EverythingWidest",
     [](ReportData& d) {
         d.addressText = "255.255.255.255";
         d.domainName = std::string(200, 'w');
         d.testStartUtc = "Wed Sep 24 23:59:58 2025\n";
         Verdict(d, "UNUSABLE", 100);
         d.averageRtt = d.minimumRtt = d.maximumRtt = 1000;
         d.probeCount = 9999;
         d.errorCount = 1111;
         d.returnedPercentage = 88;
         d.pingInterval = 999;
         d.timeOut = 10000;
         d.replyTtl = 255;
         d.replyDataSize = 65527;
     }},
    {"NothingSent",
     [](ReportData& d) {
         d = ReportData{};
         d.verdict = "UNUSABLE";
     }},
};

class ReportLegibilityTest : public ::testing::TestWithParam<Run> {
protected:
    void SetUp() override { ASSERT_FALSE(fonts_.smallTahoma.IsNull()); }

    const ReportFonts fonts_ = ReportFonts::Create(*test::SystemFontEngine());
};

// Ink is measured with each text drawn on its own, at the place the layout gave it.
TEST_P(ReportLegibilityTest, NoTextRunsIntoAnother) {
    const std::vector<PlacedText> texts = LayOutReportTexts(Make(GetParam()), fonts_);
    std::vector<Rect> inks;
    std::vector<Rect> cells;
    for (const PlacedText& text : texts) {
        inks.push_back(LoneInk(text.text, text.font, text.at));
        cells.push_back(Rect{text.at.x, text.at.y, text.at.x + text.font.TextWidth(text.text),
                             text.at.y + text.font.CellHeight()});
    }
    for (std::size_t later = 0; later < texts.size(); ++later) {
        for (std::size_t earlier = 0; earlier < later; ++earlier) {
            const std::string pair =
                '"' + texts[earlier].text + "\" and \"" + texts[later].text + '"';
            EXPECT_FALSE(Overlap(inks[earlier], inks[later]))
                << pair << ": " << Describe(inks[earlier]) << " and " << Describe(inks[later]);
            EXPECT_FALSE(Overlap(cells[later], inks[earlier]))
                << pair << ": the later cell " << Describe(cells[later]) << " covers "
                << Describe(inks[earlier]);
        }
    }
}

TEST_P(ReportLegibilityTest, EveryTextStaysInsideTheFrame) {
    for (const PlacedText& text : LayOutReportTexts(Make(GetParam()), fonts_)) {
        const Rect ink = LoneInk(text.text, text.font, text.at);
        if (!ink.IsEmpty()) {
            EXPECT_EQ(ink.Intersected(kInsideFrame), ink)
                << '"' << text.text << "\" " << Describe(ink);
        }
    }
}

// Nothing drawn after a text wipes out any of its glyphs in the finished picture.
TEST_P(ReportLegibilityTest, EveryGlyphPixelSurvivesInThePicture) {
    const ReportData data = Make(GetParam());
    const Bitmap picture = test::DrawOnPaper(data, fonts_);
    for (const PlacedText& text : LayOutReportTexts(data, fonts_)) {
        const Bitmap alone = DrawAlone(text.text, text.font, text.at);
        const Rect ink = LoneInk(text.text, text.font, text.at);
        int lost = 0;
        for (int y = ink.top; y < ink.bottom; ++y) {
            for (int x = ink.left; x < ink.right; ++x) {
                lost += alone.Pixel(x, y) == kInk && picture.Pixel(x, y) != kInk ? 1 : 0;
            }
        }
        EXPECT_EQ(lost, 0) << '"' << text.text << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, ReportLegibilityTest, ::testing::ValuesIn(kRuns),
                         [](const ::testing::TestParamInfo<Run>& run) { return run.param.name; });

class ReportValuePlacementTest : public ReportLegibilityTest {
protected:
    const PlacedText& Find(const std::vector<PlacedText>& texts, const std::string& text) const {
        for (const PlacedText& placed : texts) {
            if (placed.text == text) {
                return placed;
            }
        }
        ADD_FAILURE() << '"' << text << "\" is not in the picture";
        return texts.front();
    }
};

// The values at the top follow their labels as the next word on the same row, however
// long the label has become.
TEST_F(ReportValuePlacementTest, TopValuesFollowTheirLabelsOnTheirOwnRows) {
    ReportData data = test::ThirtyTwoProbeRun();
    data.testStartUtc = "Wed Sep 24 23:59:58 2025\n";
    data.addressText = "255.255.255.255";
    data.verdict = "UNUSABLE";
    const std::vector<PlacedText> texts = LayOutReportTexts(data, fonts_);
    const struct {
        std::string label;
        std::string value;
        int row;
    } lines[] = {
        {"test performed on", "Wed Sep 24 23:59:58 2025 UTC", 36},
        {"your connection to", "255.255.255.255", 52},
        {"is rated: ", "UNUSABLE", 72},
    };
    for (const auto& line : lines) {
        const PlacedText& value = Find(texts, line.value);
        EXPECT_EQ(value.at.y, line.row) << line.value;
        const Rect label = LoneInk(line.label, fonts_.smallTahoma, Find(texts, line.label).at);
        const Rect glyphs = LoneInk(value.text, value.font, value.at);
        const int blank = fonts_.smallTahoma.TextWidth(" ");
        EXPECT_GE(glyphs.left - label.right, blank / 2) << line.value << ": a word apart";
    }
}

// However long a stay-alive test ran, its counts and percentage show in full.
TEST_F(ReportValuePlacementTest, CountsAndPercentageAreNeverCut) {
    for (const int count : {999, 1000, 9999, 10000, 1234567}) {
        for (const int percentage : {50, 99, 100}) {
            ReportData data = test::ThirtyTwoProbeRun();
            data.probeCount = count;
            data.errorCount = count - count * percentage / 100;
            data.returnedPercentage = percentage;
            const std::vector<PlacedText> texts = LayOutReportTexts(data, fonts_);
            const std::string returned = std::to_string(count - data.errorCount);
            const std::string share = "(" + std::to_string(percentage) + "%)";
            Find(texts, std::to_string(count));
            Find(texts, returned);
            const PlacedText& placed = Find(texts, share);
            EXPECT_EQ(placed.at.y, 139) << share << " after " << returned;
        }
    }
}

TEST_F(ReportValuePlacementTest, LongHostNameIsCutInsideTheFrame) {
    ReportData data = test::ThirtyTwoProbeRun();
    data.domainName = "a-very-long-host-name.subdomain.example-network.localdomain";
    const std::vector<PlacedText> texts = LayOutReportTexts(data, fonts_);
    const auto name = std::find_if(texts.begin(), texts.end(), [](const PlacedText& text) {
        return text.text.rfind("a-very-long-host-name", 0) == 0;
    });
    ASSERT_NE(name, texts.end());
    EXPECT_EQ(name->at, (Point{180, 130}));
    EXPECT_EQ(name->text.substr(name->text.size() - 3), "...");

    const Bitmap picture = test::DrawOnPaper(data, fonts_);
    const Rect row{180, 130, 360, 130 + fonts_.smallTahoma.CellHeight()};
    const Rect ink = test::InkBox(picture, row, kPaper);
    EXPECT_GT(ink.right, 300) << "as much of the name as fits";
    EXPECT_LE(ink.right, kInsideFrame.right);
}

TEST_F(ReportValuePlacementTest, AverageOf1000StaysInItsBoxClearOfTheMaximumsLabel) {
    ReportData data = test::ThirtyTwoProbeRun();
    data.averageRtt = 1000;
    const std::vector<PlacedText> texts = LayOutReportTexts(data, fonts_);
    const PlacedText& average = Find(texts, "1000");
    const Rect glyphs = LoneInk("1000", fonts_.largeArial, average.at);
    const Rect label = LoneInk("MAX", fonts_.smallTahoma, {130, 235});
    EXPECT_LT(glyphs.right, label.left);
    EXPECT_GT(glyphs.left, 30) << "inside the box's left edge";
    EXPECT_LE(average.at.y + fonts_.largeArial.CellHeight(),
              LoneInk("AVERAGE RTT", fonts_.smallTahoma, {40, 255}).top);
}

} // namespace
} // namespace lumet
