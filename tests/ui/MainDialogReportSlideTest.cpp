#include "tests/ui/MainDialogFixture.h"
#include "ui/SkinButton.h"

#include <QCursor>
#include <QWidget>
#include <filesystem>

namespace lumet::test {
namespace {

using Id = MainDialogTemplate::ControlId;

const Rect kLowerBand{6, 56, 326, 110};
// The status line: mode caption, host and probe count, over the top of the address
// field's rectangle.
const Rect kStatusLine{6, 56, 326, 67};

// After a finished one-probe run, with the report files going to a directory of the
// test's own.
class MainDialogReportSlideTest : public MainDialogTest {
protected:
    std::filesystem::path previousDirectory = std::filesystem::current_path();
    QTemporaryDir workDirectory;

    void SetUp() override {
        MainDialogTest::SetUp();
        Store("PingCount", 1);
        Store("PingInterval", 1);
        echo.fallback = ProbeResult{0, 0, 64, 0};
        std::filesystem::current_path(workDirectory.path().toStdString());
    }

    void TearDown() override { std::filesystem::current_path(previousDirectory); }

    void RunOneProbe(MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        Click(window, CenterOf(*made.Controls().Find(Id::kRunButton)));
        ASSERT_TRUE(WaitForIdle(made));
        Settle();
    }

    // Pixels of a client rectangle of the lower band that differ from the lower
    // display buffer.
    static int OffTheLowerDisplay(MainDialog& made, const Rect& area) {
        return DifferingPixels(made.Window(), area, made.Buffers().lowerDisplay.CurrentBitmap(),
                               Point{area.left - kLowerBand.left, area.top - kLowerBand.top});
    }
};

// The status line's lower rows lie over the top of the address field, which repaints
// with every full repaint of the window; the displays must still end on top.
TEST_F(MainDialogReportSlideTest, AfterAnExposeTheDisplaysEndUpOverTheAddressField) {
    Run([this](MainDialog& made) {
        RunOneProbe(made);
        ASSERT_EQ(OffTheLowerDisplay(made, kLowerBand), 0);
        made.Window().DeliverExpose();
        Settle();
        EXPECT_EQ(OffTheLowerDisplay(made, kStatusLine), 0);
        EXPECT_EQ(OffTheLowerDisplay(made, kLowerBand), 0);
    });
}

TEST_F(MainDialogReportSlideTest, ReportClickedWhileItsHoverWordShowsLeavesTheStatusLineWhole) {
    Run([this](MainDialog& made) {
        RunOneProbe(made);
        DialogWindow& window = made.Window();
        auto* const report =
            dynamic_cast<SkinButton*>(made.Controls().FindButton(Id::kReportButton));
        ASSERT_NE(report, nullptr);
        const Point inside = CenterOf(*report);
        window.DeliverMouse(InputKind::MouseMove, inside, inside);
        QCursor::setPos(HostWidget::Of(window).mapToGlobal(QPoint(inside.x, inside.y)));
        report->OnTimer(SkinButton::kHoverTimerId);
        ASSERT_TRUE(made.Hover().hoverWordShown);

        // Pressed and released where the pointer rests: the panel slides open and the
        // grown window is repainted.
        window.DeliverMouse(InputKind::LeftButtonDown, inside, inside);
        window.DeliverMouse(InputKind::LeftButtonUp, inside, inside);
        Settle();
        ASSERT_TRUE(made.Report().ReportPanelOpen());
        ASSERT_FALSE(made.Hover().hoverWordShown);
        EXPECT_EQ(OffTheLowerDisplay(made, kStatusLine), 0);
        EXPECT_EQ(OffTheLowerDisplay(made, kLowerBand), 0);
    });
}

} // namespace
} // namespace lumet::test
