#include "platform/qtwindow/HostWidget.h"
#include "platform/window/FaceLoader.h"
#include "tests/ui/MainDialogFixture.h"
#include "ui/SkinButton.h"

#include <QCursor>
#include <QWidget>
#include <vector>

namespace lumet::test {
namespace {

using Id = MainDialogTemplate::ControlId;

const Rect kClient{0, 0, 360, 116};
const Rect kUpperBand{6, 30, 326, 54};
const Rect kLowerBand{6, 56, 326, 110};
// The settings and about panels: the display area and two columns more.
const Rect kPanelArea{6, 30, 328, 110};
constexpr Color kScribble{255, 0, 128};

class MainDialogOverlayTest : public MainDialogTest {
protected:
    // A sent WM_PAINT with nothing invalid: the skin draws nothing and only the
    // overlay pass it posts changes the screen.
    static void OverlayPass(MainDialog& made) {
        DialogWindow& window = made.Window();
        ASSERT_TRUE(window.InvalidBounds().IsEmpty());
        const int before = made.Overlay().PassCount();
        window.SendPaint();
        Settle();
        ASSERT_EQ(made.Overlay().PassCount(), before + 1);
    }

    static void Fill(DialogWindow& window, const Rect& area, Color color) {
        ClientDc dc(window);
        dc->FillRect(area, Brush::Solid(color));
    }

    // The pointer comes to rest on a skin button and its 100 ms hover timer ticks.
    static SkinButton& RestOn(MainDialog& made, int id) {
        DialogWindow& window = made.Window();
        auto* const button = dynamic_cast<SkinButton*>(made.Controls().FindButton(id));
        EXPECT_NE(button, nullptr) << id;
        const Point inside = CenterOf(*button);
        window.DeliverMouse(InputKind::MouseMove, inside, inside);
        QCursor::setPos(HostWidget::Of(window).mapToGlobal(QPoint(inside.x, inside.y)));
        EXPECT_EQ(window.CursorPos(), inside);
        button->OnTimer(SkinButton::kHoverTimerId);
        Settle();
        return *button;
    }

    static void LeaveToTheCaption(MainDialog& made) {
        const Point outside{200, 20};
        made.Window().DeliverMouse(InputKind::MouseMove, outside, outside);
        Settle();
    }

    // Pixels of the lower band that are not the hover word (picture where the mask
    // is 0) over the hover backdrop.
    static int WordPixelsOff(MainDialog& made, int picture, int mask) {
        const Bitmap word = LoadFaceResource(std::to_string(picture));
        const Bitmap wordMask = LoadFaceResource(std::to_string(mask));
        EXPECT_EQ(word.Width(), SkinButton::kWordWidth);
        EXPECT_EQ(wordMask.Height(), SkinButton::kWordHeight);
        const Bitmap& backdrop = made.Buffers().hoverBackdrop.CurrentBitmap();
        const Bitmap& surface = made.Window().SurfacePixels();
        int count = 0;
        for (int y = 0; y < SkinButton::kBandHeight; ++y) {
            for (int x = 0; x < SkinButton::kBandWidth; ++x) {
                const int wordY = y - SkinButton::kWordTop;
                const bool onWord = x < SkinButton::kWordWidth && wordY >= 0 &&
                                    wordY < SkinButton::kWordHeight &&
                                    wordMask.Pixel(x, wordY) == kBlack;
                const Color expected = onWord ? word.Pixel(x, wordY) : backdrop.Pixel(x, y);
                count += surface.Pixel(kLowerBand.left + x, kLowerBand.top + y) == expected ? 0 : 1;
            }
        }
        return count;
    }

    // Pixels of area that differ from image (its top left at the area's), the visible
    // controls over the area left out.
    static int PixelsOffOutsideControls(MainDialog& made, const Rect& area, const Bitmap& image,
                                        Point imageOrigin = {}) {
        std::vector<Rect> covered;
        for (const auto& control : made.Controls().All()) {
            if (control->IsVisible()) {
                covered.push_back(control->WindowRect());
            }
        }
        const Bitmap& surface = made.Window().SurfacePixels();
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                bool onControl = false;
                for (const Rect& rect : covered) {
                    onControl = onControl || rect.Contains(x, y);
                }
                const Color expected =
                    image.Pixel(x - area.left + imageOrigin.x, y - area.top + imageOrigin.y);
                count += !onControl && surface.Pixel(x, y) != expected ? 1 : 0;
            }
        }
        return count;
    }

    static int CountColor(const DialogWindow& window, const Rect& area, Color color) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                count += window.SurfacePixels().Pixel(x, y) == color ? 1 : 0;
            }
        }
        return count;
    }

    // A finished run of two probes of 300 ms leaves a graph in the lower buffer and the
    // final bar in the upper one, so neither looks like the skin or the idle capture.
    void RunTwoProbes(MainDialog& made) {
        const MouseWiggler wiggler(timers, made.Window());
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kRunButton)));
        ASSERT_TRUE(WaitForIdle(made));
        Settle();
        ASSERT_EQ(made.Controller().probeCount(), 2);
    }

    void StoreShortRun() {
        Store("PingCount", 2);
        Store("PingInterval", 1);
        echo.fallback = ProbeResult{300, 0, 64, 0};
    }
};

TEST_F(MainDialogOverlayTest, APassWithAHoverWordShownRepaintsTheUpperBandAndKeepsTheWord) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const Bitmap& upper = made.Buffers().upperDisplay.CurrentBitmap();
        const Bitmap& lower = made.Buffers().lowerDisplay.CurrentBitmap();
        const SkinButton& run = RestOn(made, Id::kRunButton);
        ASSERT_TRUE(run.IsHovering());
        ASSERT_TRUE(made.Hover().hoverWordShown);
        // START over the backdrop, also after the pass the button's paint posted.
        ASSERT_EQ(WordPixelsOff(made, 152, 158), 0);
        ASSERT_GT(DifferingPixels(window, kLowerBand, lower), 500);

        for (int pass = 1; pass <= 2; ++pass) {
            SCOPED_TRACE(pass);
            Fill(window, kUpperBand, kScribble);
            OverlayPass(made);
            EXPECT_EQ(DifferingPixels(window, kUpperBand, upper), 0);
            EXPECT_EQ(WordPixelsOff(made, 152, 158), 0);
        }

        LeaveToTheCaption(made);
        EXPECT_FALSE(made.Hover().hoverWordShown);
        EXPECT_EQ(DifferingPixels(window, kLowerBand, lower), 0);
        EXPECT_EQ(DifferingPixels(window, kUpperBand, upper), 0);
    });
}

TEST_F(MainDialogOverlayTest,
       AfterARunTheBackdropUnderAWindowButtonOutlastsPassesUntilThePointerLeaves) {
    StoreShortRun();
    Run([this](MainDialog& made) {
        RunTwoProbes(made);
        DialogWindow& window = made.Window();
        const Bitmap& lower = made.Buffers().lowerDisplay.CurrentBitmap();
        const Bitmap& backdrop = made.Buffers().hoverBackdrop.CurrentBitmap();
        ASSERT_EQ(DifferingPixels(window, kLowerBand, lower), 0);
        // The run's status line and bars are not in the backdrop captured before it.
        ASSERT_GT(DifferingPixels(window, kLowerBand, backdrop), 0);

        const SkinButton& quit = RestOn(made, Id::kQuitButton);
        ASSERT_TRUE(quit.IsHovering());
        EXPECT_EQ(DifferingPixels(window, kLowerBand, backdrop), 0);
        OverlayPass(made);
        EXPECT_EQ(DifferingPixels(window, kLowerBand, backdrop), 0);

        LeaveToTheCaption(made);
        EXPECT_EQ(DifferingPixels(window, kLowerBand, lower), 0);
    });
}

TEST_F(MainDialogOverlayTest, WithTheSettingsPanelOpenThePassLaysThePanelAndNotTheDisplays) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        ASSERT_TRUE(made.Panels().SettingsPanelOpen());
        Settle();
        const Bitmap& panel = made.Buffers().settingsPanel.CurrentBitmap();

        Fill(window, kPanelArea, kScribble);
        OverlayPass(made);
        EXPECT_EQ(PixelsOffOutsideControls(made, kPanelArea, panel), 0);
        EXPECT_EQ(CountColor(window, kPanelArea, kScribble), 0);
        EXPECT_EQ(window.SendMessage(MainDialog::kOverlayMessage), 0);
    });
}

TEST_F(MainDialogOverlayTest,
       WithTheSettingsPanelOpenAnUncoveredWindowShowsThePanelUnderItsFields) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        ASSERT_TRUE(made.Panels().SettingsPanelOpen());
        Settle();
        const Bitmap& panel = made.Buffers().settingsPanel.CurrentBitmap();

        window.InvalidateArea(kClient);
        Settle();
        EXPECT_EQ(PixelsOffOutsideControls(made, kPanelArea, panel), 0);
        // The fields painted after the pass: their values show on top of the panel.
        for (const int id : MainDialogControls::kSettingsFieldIds) {
            const Control& field = *made.Controls().Find(id);
            ASSERT_TRUE(field.IsVisible()) << id;
            EXPECT_GT(CountColor(window, field.WindowRect(), kLightCyan), 0) << id;
        }
    });
}

TEST_F(MainDialogOverlayTest, PressingAWindowButtonLeavesTheSettingsFieldsAndResetOnTheScreen) {
    Store("PingCount", 12);
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        ASSERT_TRUE(made.Panels().SettingsPanelOpen());
        Settle();
        const Bitmap shown = window.SurfacePixels();
        const Rect& pingLimit = made.Controls().Find(Id::kPingLimitField)->WindowRect();
        ASSERT_GT(CountColor(window, pingLimit, kLightCyan), 0);

        // The press asks the dialog for a paint; the overlay pass follows it.
        const int passes = made.Overlay().PassCount();
        const Point onHelp = CenterOf(*made.Controls().Find(Id::kHelpButton));
        window.DeliverMouse(InputKind::LeftButtonDown, onHelp, onHelp);
        Settle();
        ASSERT_EQ(made.Overlay().PassCount(), passes + 1);
        std::vector<int> panelControls(MainDialogControls::kSettingsFieldIds.begin(),
                                       MainDialogControls::kSettingsFieldIds.end());
        panelControls.push_back(Id::kResetButton);
        for (const int id : panelControls) {
            const Rect& rect = made.Controls().Find(id)->WindowRect();
            EXPECT_EQ(DifferingPixels(window, rect, shown, Point{rect.left, rect.top}), 0) << id;
        }
        EXPECT_GT(CountColor(window, pingLimit, kLightCyan), 0);
        // Released away from the button: no click, no help.
        const Point away{200, 20};
        window.DeliverMouse(InputKind::LeftButtonUp, away, away);
    });
}

TEST_F(MainDialogOverlayTest, WithTheAboutPanelOpenThePassLaysThePanelAndNotTheDisplays) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        DoubleClick(window, Point{20, 10});
        ASSERT_TRUE(made.Panels().AboutPanelOpen());
        Settle();
        const Bitmap& panel = made.Buffers().aboutPanel.CurrentBitmap();

        Fill(window, kPanelArea, kScribble);
        OverlayPass(made);
        EXPECT_EQ(DifferingPixels(window, kPanelArea, panel), 0);
        EXPECT_EQ(window.SendMessage(MainDialog::kOverlayMessage), 0);

        window.InvalidateArea(kClient);
        Settle();
        EXPECT_EQ(DifferingPixels(window, kPanelArea, panel), 0);
    });
}

TEST_F(MainDialogOverlayTest, AfterClosingThePanelsThePassDrawsTheDisplaysAgain) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        for (int round = 0; round < 2; ++round) {
            Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        }
        DoubleClick(window, Point{20, 10});
        DoubleClick(window, Point{20, 10});
        ASSERT_FALSE(made.Panels().SettingsPanelOpen());
        ASSERT_FALSE(made.Panels().AboutPanelOpen());
        Settle();
        Fill(window, kPanelArea, kScribble);
        EXPECT_EQ(window.SendMessage(MainDialog::kOverlayMessage), 1);
        Settle();
        EXPECT_EQ(DifferingPixels(window, kUpperBand, made.Buffers().upperDisplay.CurrentBitmap()),
                  0);
        EXPECT_EQ(DifferingPixels(window, kLowerBand, made.Buffers().lowerDisplay.CurrentBitmap()),
                  0);
        // The two rows between the bands and the panels' extra columns keep the skin.
        EXPECT_EQ(CountColor(window, Rect{6, 54, 326, 56}, kScribble), 320 * 2);
        EXPECT_EQ(CountColor(window, Rect{326, 30, 328, 110}, kScribble), 2 * 80);
    });
}

TEST_F(MainDialogOverlayTest, DuringAddressEntryAPaintLeavesTheSkinWithTheOpenFieldOnTop) {
    StoreShortRun();
    Run([this](MainDialog& made) {
        RunTwoProbes(made);
        DialogWindow& window = made.Window();
        const Bitmap skin = Bitmap::LoadResource(129);
        ASSERT_EQ(skin.Width(), 360);
        // The final bar and the graph make both buffers differ from the skin.
        ASSERT_GT(DifferingPixels(window, kUpperBand, skin, Point{6, 30}), 0);
        ASSERT_GT(DifferingPixels(window, kLowerBand, skin, Point{6, 56}), 0);

        DoubleClick(window, Point{150, 80});
        ASSERT_TRUE(made.Zone().AddressEntryMode());
        EditControl& address = made.Controls().AddressField();
        ASSERT_TRUE(address.IsEnabled());

        window.InvalidateArea(kClient);
        Settle();
        const Rect display{6, 30, 326, 110};
        EXPECT_EQ(PixelsOffOutsideControls(made, display, skin, Point{6, 30}), 0);
        EXPECT_GT(CountColor(window, address.WindowRect(), kLightCyan), 0);
        // A bare pass changes nothing and leaves the field open for typing.
        const Bitmap before = window.SurfacePixels();
        OverlayPass(made);
        EXPECT_EQ(DifferingPixels(window, display, before, Point{6, 30}), 0);
        EXPECT_EQ(window.SendMessage(MainDialog::kOverlayMessage), 0);
        EXPECT_TRUE(address.IsEnabled());
        EXPECT_TRUE(address.HasFocus());
    });
}

} // namespace
} // namespace lumet::test
