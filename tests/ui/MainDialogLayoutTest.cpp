#include "tests/ui/MainDialogFixture.h"

namespace lumet::test {
namespace {

using Id = MainDialogTemplate::ControlId;

struct ExpectedRect {
    int id;
    Rect rect;
};

// Buttons take the size of their up faces; everything else keeps its template
// rectangle at two pixels per unit.
const ExpectedRect kControlRects[] = {
    {Id::kAddressField, {12, 62, 314, 94}},     {Id::kQuitButton, {334, 4, 352, 23}},
    {Id::kMinimizeButton, {312, 4, 330, 22}},   {Id::kHelpButton, {290, 4, 308, 22}},
    {Id::kRunButton, {334, 34, 359, 46}},       {Id::kRandomButton, {334, 48, 359, 60}},
    {Id::kStayAliveButton, {334, 62, 359, 74}}, {Id::kReportButton, {334, 90, 359, 102}},
    {Id::kSettingsButton, {334, 76, 359, 88}},  {Id::kCaptionStrip, {48, 0, 280, 24}},
    {Id::kIntervalField, {82, 62, 114, 78}},    {Id::kPingLimitField, {82, 38, 114, 54}},
    {Id::kStayAliveField, {82, 86, 114, 102}},  {Id::kPacketSizeField, {210, 38, 254, 54}},
    {Id::kTtlField, {210, 62, 242, 78}},        {Id::kTimeoutField, {188, 86, 228, 102}},
    {Id::kResetButton, {276, 92, 312, 104}},    {Id::kLogoCorner, {0, 0, 56, 24}},
    {Id::kEmailButton, {232, 392, 268, 408}},   {Id::kCopyButton, {272, 392, 308, 408}},
    {Id::kPrintButton, {312, 392, 348, 408}},
};

TEST_F(MainDialogTest, ControlsSitAtTwiceTheirUnitsAndButtonsTakeTheirFaceSizes) {
    Run([this](MainDialog& made) {
        EXPECT_EQ(made.Window().ClientHeight(), 116);
        for (const ExpectedRect& expected : kControlRects) {
            const Control* const control = made.Controls().Find(expected.id);
            ASSERT_NE(control, nullptr) << expected.id;
            EXPECT_EQ(control->WindowRect(), expected.rect) << expected.id;
        }
        EXPECT_EQ(made.Controls().Find(Id::kResetButton)->WindowRect().Width(), 36);
        EXPECT_EQ(made.Controls().Find(Id::kQuitButton)->WindowRect().Height(), 19);
    });
}

TEST_F(MainDialogTest, StartsWithTheReportAndSettingsControlsHiddenAndTheAddressShown) {
    Run([this](MainDialog& made) {
        for (const int id :
             {Id::kEmailButton, Id::kCopyButton, Id::kPrintButton, Id::kResetButton}) {
            const Control* const control = made.Controls().Find(id);
            EXPECT_FALSE(control->IsEnabled()) << id;
            EXPECT_FALSE(control->IsVisible()) << id;
        }
        for (const int id : MainDialogControls::kSettingsFieldIds) {
            EXPECT_FALSE(made.Controls().Find(id)->IsVisible()) << id;
        }
        EXPECT_FALSE(made.Controls().Find(Id::kReportButton)->IsEnabled());
        for (const int id : {Id::kRunButton, Id::kRandomButton, Id::kStayAliveButton,
                             Id::kSettingsButton, Id::kQuitButton}) {
            EXPECT_TRUE(made.Controls().Find(id)->IsEnabled()) << id;
        }
        const EditControl& address = made.Controls().AddressField();
        EXPECT_EQ(address.GetWindowText(), "127.0.0.1");
        EXPECT_FALSE(address.IsEnabled());
        EXPECT_EQ(address.GetFont().CellHeight(), 42);
        EXPECT_EQ(made.Window().GetWindowText(), "Ping");
        EXPECT_EQ(made.Controller().testState(), TestState::Idle);
    });
}

TEST_F(MainDialogTest, LastAddressAndDomainComeFromTheProfile) {
    QSettingsProfile before(profilePath);
    before.WriteString("1.0", "LastIPAddr", "127.0.0.5");
    before.WriteString("1.0", "LastDNAddr", "localhost");
    ASSERT_TRUE(before.Commit());
    Run([this](MainDialog& made) {
        EXPECT_EQ(made.Controls().AddressField().GetWindowText(), "127.0.0.5");
        EXPECT_EQ(made.Target().domainName, "localhost");
    });
}

TEST_F(MainDialogTest, FirstOverlayShowsTheDisplayAreaAsCaptured) {
    Run([this](MainDialog& made) {
        const Bitmap& background = made.Buffers().displayBackground.CurrentBitmap();
        // The bands come from the upper and lower buffers, both captured with the
        // background; rows 54 and 55 keep the skin.
        EXPECT_EQ(DifferingPixels(made.Window(), Rect{6, 30, 326, 54}, background), 0);
        EXPECT_EQ(DifferingPixels(made.Window(), Rect{6, 56, 326, 110}, background, Point{0, 26}),
                  0);
        // The captured area holds the address in light cyan.
        int cyan = 0;
        for (int y = 0; y < 80; ++y) {
            for (int x = 0; x < 320; ++x) {
                cyan += background.Pixel(x, y) == kLightCyan ? 1 : 0;
            }
        }
        EXPECT_GT(cyan, 100);
    });
}

TEST_F(MainDialogTest, EveryPaintWithNothingInvalidRunsOneOverlayPass) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        window.PaintAll();
        Settle();
        for (int paint = 1; paint <= 3; ++paint) {
            const int before = made.Overlay().PassCount();
            ASSERT_TRUE(window.InvalidBounds().IsEmpty());
            // Something drawn over the display area goes when the buffers come back.
            {
                ClientDc dc(window);
                dc->FillRect(Rect{6, 30, 326, 110}, Brush::Solid(Color{255, 0, 0}));
            }
            window.SendPaint();
            Settle();
            EXPECT_EQ(made.Overlay().PassCount(), before + 1) << paint;
            const Bitmap& background = made.Buffers().displayBackground.CurrentBitmap();
            EXPECT_EQ(DifferingPixels(window, Rect{6, 30, 326, 54}, background), 0) << paint;
        }
    });
}

TEST_F(MainDialogTest, ControlsPaintLightCyanOnBlack) {
    Run([this](MainDialog& made) {
        const ControlColors colors = made.OnControlColor(made.Controls().AddressField());
        EXPECT_EQ(colors.text, kLightCyan);
        EXPECT_EQ(colors.background, kBlack);
        EXPECT_EQ(colors.brush, Brush::Solid(kBlack));
        const ControlColors field = made.OnControlColor(*made.Controls().Find(Id::kIntervalField));
        EXPECT_EQ(field.text, kLightCyan);
    });
}

TEST_F(MainDialogTest, StoredPositionPlacesTheWindow) {
    Store("LeftPos", 40);
    Store("TopPos", 50);
    Run([this](MainDialog& made) {
        const Rect placed = made.Window().WindowRect();
        EXPECT_EQ(placed.left, 40);
        EXPECT_EQ(placed.top, 50);
    });
}

TEST_F(MainDialogTest, UnusableTemplateBytesGiveTheBuiltInWindow) {
    profile = std::make_unique<QSettingsProfile>(profilePath);
    MainDialogServices services{echo,  resolver, clock,    pump, timers, windows,
                                fonts, *profile, messages, beep, help,   ChosenExports()};
    services.serverListFile = PathOf(QStringLiteral("random.lst"));
    dialog = std::make_unique<MainDialog>(services, std::vector<std::uint8_t>{1, 2, 3});
    EXPECT_NE(dialog->Controls().Find(Id::kQuitButton), nullptr);
    EXPECT_EQ(dialog->Controls().AddressField().Id(), Id::kAddressField);
}

} // namespace
} // namespace lumet::test
