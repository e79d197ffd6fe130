#include "ui/SkinButton.h"

#include "platform/qtwindow/HostWidget.h"
#include "platform/qtwindow/WindowTimers.h"
#include "tests/window/WindowFixture.h"
#include "ui/HoverState.h"
#include "ui/SkinButtonHost.h"

#include <QCursor>
#include <optional>

namespace lumet::test {
namespace {

constexpr Color kBackdrop{40, 80, 120};
constexpr Color kLiveBand{7, 7, 7};
constexpr Color kStart{204, 255, 255};
constexpr Color kStop{255, 0, 128};
// Where the test words have their letters, inside the 319 × 42 picture.
constexpr Rect kLetters{20, 10, 60, 30};

class FakeHost final : public SkinButtonHost {
public:
    DeviceContext backdrop{SolidBitmap(320, 54, kBackdrop)};
    TestState testState = TestState::Idle;
    bool covered = false;

    const DeviceContext& HoverBackdrop() const override { return backdrop; }
    TestState CurrentTestState() const override { return testState; }
    bool DisplayAreaCovered() const override { return covered; }
};

// A word picture: black with the letters in one colour.
Bitmap WordPicture(Color color) {
    DeviceContext dc(Bitmap(319, 42));
    dc.FillRect(kLetters, Brush::Solid(color));
    return dc.SelectBitmap(Bitmap());
}

// Its mask: 0 on the letters, 1 elsewhere.
Bitmap WordMask() {
    DeviceContext dc(Bitmap::Monochrome(319, 42));
    dc.FillRect(Rect{0, 0, 319, 42}, Brush::Solid(Color{255, 255, 255}));
    dc.FillRect(kLetters, Brush::Solid(Color{0, 0, 0}));
    return dc.SelectBitmap(Bitmap());
}

class SkinButtonTest : public WindowTest {
protected:
    HoverState hover;
    FakeHost host;
    // RUN's two words; the other buttons' words come from the shipped artwork below.
    std::map<std::string, Bitmap> bitmaps{{"152", WordPicture(kStart)},
                                          {"158", WordMask()},
                                          {"148", WordPicture(kStop)},
                                          {"159", WordMask()}};
    // Window buttons, then mode buttons, at their places on the skin.
    SkinButton quit{1003, Rect{334, 4, 352, 23}, "QT", hover, host};
    SkinButton minimize{1004, Rect{312, 4, 330, 22}, "MI", hover, host};
    SkinButton help{1009, Rect{290, 4, 308, 22}, "QM", hover, host};
    SkinButton run{1010, Rect{334, 34, 359, 46}, "RUN", hover, host};
    SkinButton random{1011, Rect{334, 48, 359, 60}, "RND", hover, host};
    SkinButton stayAlive{1012, Rect{334, 62, 359, 74}, "STA", hover, host};
    SkinButton settings{1014, Rect{334, 76, 359, 88}, "SET", hover, host};
    SkinButton report{1013, Rect{334, 90, 359, 102}, "REP", hover, host};

    SkinButtonTest() {
        window.SetFaceLoader([this](const std::string& name) {
            const auto found = bitmaps.find(name);
            return found != bitmaps.end() ? found->second : Bitmap();
        });
        for (SkinButton* button :
             {&quit, &minimize, &help, &run, &random, &stayAlive, &settings, &report}) {
            window.AddControl(*button);
        }
        // What the overlay pass last put in the lower band.
        ClientDc dc(window);
        dc->FillRect(Rect{6, 56, 326, 110}, Brush::Solid(kLiveBand));
    }

    static bool TimerRunning(SkinButton& button) {
        return static_cast<WindowTimers&>(button.GetTimers()).IsRunning(SkinButton::kHoverTimerId);
    }

    // The pointer comes to rest at a client point: the system cursor is there.
    void RestAt(Point client) {
        QCursor::setPos(HostWidget::Of(window).mapToGlobal(QPoint(client.x, client.y)));
        ASSERT_EQ(window.CursorPos(), client);
    }

    // Moves over the button, rests, and the hover timer ticks.
    void Hover(SkinButton& button, Point client) {
        Move(client);
        RestAt(client);
        button.OnTimer(SkinButton::kHoverTimerId);
    }

    // The lower band's pixel at a point of the band.
    Color Band(int x, int y) { return SurfacePixel(window, 6 + x, 56 + y); }
    // A pixel of the letters, in band coordinates (the word lies 6 rows down).
    Color Letters() { return Band(kLetters.left + 5, SkinButton::kWordTop + kLetters.top + 5); }

    std::size_t Paints() const { return handler.Lines("paint").size(); }
};

struct WordCase {
    int id;
    TestState testState;
    std::optional<SkinButton::HoverWord> word;
};

const WordCase kWordCases[] = {
    {1010, TestState::Idle, SkinButton::HoverWord{152, 158}},
    {1010, TestState::Run, SkinButton::HoverWord{148, 159}},
    {1010, TestState::StayAlive, SkinButton::HoverWord{148, 159}},
    {1011, TestState::Idle, SkinButton::HoverWord{153, 155}},
    {1012, TestState::Random, SkinButton::HoverWord{151, 157}},
    {1013, TestState::Idle, SkinButton::HoverWord{149, 154}},
    {1014, TestState::Idle, SkinButton::HoverWord{150, 156}},
    {1003, TestState::Idle, std::nullopt},
    {1004, TestState::Idle, std::nullopt},
    {1009, TestState::Run, std::nullopt},
    {1023, TestState::Idle, std::nullopt},
};

class HoverWordTableTest : public ::testing::TestWithParam<WordCase> {};

TEST_P(HoverWordTableTest, PicksPictureAndMaskByButtonAndTestState) {
    const WordCase& c = GetParam();
    EXPECT_EQ(SkinButton::HoverWordFor(c.id, c.testState), c.word);
}

INSTANTIATE_TEST_SUITE_P(Words, HoverWordTableTest, ::testing::ValuesIn(kWordCases));

TEST(SkinButtonCursorTest, WindowButtonsPointUpModeButtonsPointLeft) {
    for (const int id : {1003, 1004, 1009}) {
        EXPECT_EQ(SkinButton::CursorFor(id), 160) << id;
    }
    for (const int id : {1010, 1011, 1012, 1013, 1014}) {
        EXPECT_EQ(SkinButton::CursorFor(id), 161) << id;
    }
    for (const int id : {1000, 1023, 1027, 1028, 1029}) {
        EXPECT_EQ(SkinButton::CursorFor(id), std::nullopt) << id;
    }
}

TEST_F(SkinButtonTest, TheHandsCarryTheirHotSpotsAndPlainButtonsKeepTheArrow) {
    BitmapButton email(1027, Rect{232, 392, 268, 408}, "EMAIL");
    BitmapButton reset(1023, Rect{276, 92, 312, 104}, "RESET");
    window.AddControl(email);
    window.AddControl(reset);
    Move(Point{340, 40});
    EXPECT_EQ(window.CurrentCursor().GetShape(), Cursor::Shape::Picture);
    EXPECT_EQ(window.CurrentCursor().HotSpot(), (Point{0, 6}));
    Move(Point{340, 10});
    EXPECT_EQ(window.CurrentCursor().GetShape(), Cursor::Shape::Picture);
    EXPECT_EQ(window.CurrentCursor().HotSpot(), (Point{7, 1}));
    Move(Point{280, 95});
    EXPECT_EQ(window.CurrentCursor().GetShape(), Cursor::Shape::Arrow);
}

TEST_F(SkinButtonTest, ConstructionClearsTheShownFlag) {
    hover.hoverWordShown = true;
    const SkinButton another(1011, Rect{0, 0, 25, 12}, "RND", hover, host);
    EXPECT_FALSE(hover.hoverWordShown);
    EXPECT_TRUE(hover.hoverWordsEnabled);
}

TEST_F(SkinButtonTest, MovingOverAButtonOnlyWaits) {
    Move(Point{336, 36});
    Move(Point{345, 40});
    EXPECT_TRUE(TimerRunning(run));
    EXPECT_FALSE(run.IsHovering());
    EXPECT_FALSE(run.HasCapture());
    EXPECT_FALSE(hover.hoverWordShown);
    EXPECT_EQ(hover.hoverButtonId, 1010);
    EXPECT_EQ(Letters(), kLiveBand);
    EXPECT_EQ(Paints(), 0u);
}

TEST_F(SkinButtonTest, RestingWhileIdleShowsStartOverTheBackdrop) {
    Hover(run, Point{345, 40});
    EXPECT_TRUE(run.IsHovering());
    EXPECT_TRUE(run.HasCapture());
    EXPECT_TRUE(hover.hoverWordShown);
    EXPECT_FALSE(TimerRunning(run));
    EXPECT_EQ(Paints(), 1u);
    EXPECT_EQ(Letters(), kStart);
    // Around the letters, above and below the word and in the column it leaves free,
    // the band shows the backdrop.
    EXPECT_EQ(Band(0, 0), kBackdrop);
    EXPECT_EQ(Band(5, SkinButton::kWordTop + 20), kBackdrop);
    EXPECT_EQ(Band(319, 20), kBackdrop);
    EXPECT_EQ(Band(100, 53), kBackdrop);
    // Nothing outside the band.
    EXPECT_EQ(SurfacePixel(window, 5, 60), kBlack);
    EXPECT_EQ(SurfacePixel(window, 10, 110), kBlack);
}

TEST_F(SkinButtonTest, RestingDuringATestShowsStop) {
    host.testState = TestState::StayAlive;
    Hover(run, Point{345, 40});
    EXPECT_EQ(Letters(), kStop);
}

TEST_F(SkinButtonTest, WindowButtonsShowOnlyTheBackdropButStillHover) {
    for (SkinButton* button : {&quit, &minimize, &help}) {
        SCOPED_TRACE(button->Caption());
        {
            ClientDc dc(window);
            dc->FillRect(Rect{6, 56, 326, 110}, Brush::Solid(kLiveBand));
        }
        const Point inside{button->WindowRect().left + 4, button->WindowRect().top + 4};
        Hover(*button, inside);
        EXPECT_TRUE(button->IsHovering());
        EXPECT_TRUE(button->HasCapture());
        EXPECT_TRUE(hover.hoverWordShown);
        EXPECT_EQ(Letters(), kBackdrop);
        EXPECT_EQ(Band(0, 0), kBackdrop);
        Move(Point{200, 20});
        EXPECT_FALSE(button->IsHovering());
    }
}

TEST_F(SkinButtonTest, ATickWithThePointerElsewhereEndsTheWait) {
    Move(Point{345, 40});
    RestAt(Point{200, 40});
    run.OnTimer(SkinButton::kHoverTimerId);
    EXPECT_FALSE(TimerRunning(run));
    EXPECT_FALSE(run.IsHovering());
    EXPECT_FALSE(run.HasCapture());
    EXPECT_FALSE(hover.hoverWordShown);
    EXPECT_EQ(Letters(), kLiveBand);
}

TEST_F(SkinButtonTest, OtherTimerIdsAreIgnored) {
    Move(Point{345, 40});
    RestAt(Point{345, 40});
    run.OnTimer(1);
    EXPECT_TRUE(TimerRunning(run));
    EXPECT_FALSE(run.IsHovering());
    EXPECT_EQ(Letters(), kLiveBand);
}

TEST_F(SkinButtonTest, LeavingTakesTheWordAway) {
    Hover(run, Point{345, 40});
    const std::size_t before = Paints();
    // The capture brings the move from outside to the button.
    Move(Point{200, 40});
    EXPECT_FALSE(run.IsHovering());
    EXPECT_FALSE(run.HasCapture());
    EXPECT_EQ(window.GetCapture(), nullptr);
    EXPECT_FALSE(hover.hoverWordShown);
    EXPECT_EQ(hover.hoverButtonId, 1010);
    EXPECT_EQ(Paints(), before + 1);
    // Back on the button, it waits again.
    Move(Point{345, 40});
    EXPECT_TRUE(TimerRunning(run));
}

TEST_F(SkinButtonTest, MovingOnTheButtonKeepsTheWord) {
    Hover(run, Point{345, 40});
    Move(Point{336, 35});
    Move(Point{358, 45});
    EXPECT_TRUE(run.IsHovering());
    EXPECT_TRUE(hover.hoverWordShown);
    EXPECT_EQ(Paints(), 1u);
    EXPECT_FALSE(TimerRunning(run));
}

TEST_F(SkinButtonTest, PressingTakesTheWordAwayAndItStaysAwayUntilAnotherButtonIsVisited) {
    Hover(run, Point{345, 40});
    window.DeliverMouse(InputKind::LeftButtonDown, Point{345, 40}, Point{345, 40});
    EXPECT_FALSE(hover.hoverWordShown);
    EXPECT_EQ(Paints(), 2u);
    EXPECT_TRUE(run.IsPressed());
    window.DeliverMouse(InputKind::LeftButtonUp, Point{345, 40}, Point{345, 40});
    EXPECT_EQ(handler.Lines("command"), (std::vector<std::string>{"command 1010 clicked"}));
    // Still hovering, without the capture.
    EXPECT_TRUE(run.IsHovering());
    EXPECT_FALSE(run.HasCapture());
    Move(Point{350, 42});
    EXPECT_FALSE(TimerRunning(run));
    // Leaving directly goes to the dialog; coming back starts nothing.
    Move(Point{200, 42});
    Move(Point{345, 40});
    EXPECT_FALSE(TimerRunning(run));
    EXPECT_TRUE(run.IsHovering());
    // Another skin button handles a move; back on RUN the wait starts over.
    Move(Point{345, 52});
    EXPECT_EQ(hover.hoverButtonId, 1011);
    Move(Point{345, 40});
    EXPECT_FALSE(run.IsHovering());
    EXPECT_EQ(hover.hoverButtonId, 1010);
    Move(Point{346, 40});
    EXPECT_TRUE(TimerRunning(run));
    RestAt(Point{346, 40});
    run.OnTimer(SkinButton::kHoverTimerId);
    EXPECT_TRUE(hover.hoverWordShown);
    EXPECT_EQ(Letters(), kStart);
}

TEST_F(SkinButtonTest, WordsStayOffWhileDisabledAndComeWithTheNextTickAfter) {
    hover.hoverWordsEnabled = false;
    Hover(run, Point{345, 40});
    EXPECT_FALSE(run.IsHovering());
    EXPECT_FALSE(hover.hoverWordShown);
    EXPECT_EQ(Letters(), kLiveBand);
    // The timer keeps ticking meanwhile.
    EXPECT_TRUE(TimerRunning(run));
    run.OnTimer(SkinButton::kHoverTimerId);
    EXPECT_EQ(Letters(), kLiveBand);
    hover.hoverWordsEnabled = true;
    run.OnTimer(SkinButton::kHoverTimerId);
    EXPECT_TRUE(run.IsHovering());
    EXPECT_EQ(Letters(), kStart);
}

TEST_F(SkinButtonTest, ACoveredDisplayAreaGetsNoWordEvenWithWordsEnabled) {
    // The about panel closed over a still open settings panel, or the address is being
    // typed: hoverWordsEnabled says yes, the display area says no.
    host.covered = true;
    Hover(quit, Point{340, 10});
    EXPECT_FALSE(quit.IsHovering());
    EXPECT_FALSE(hover.hoverWordShown);
    EXPECT_EQ(Letters(), kLiveBand);
    EXPECT_TRUE(TimerRunning(quit));
    host.covered = false;
    quit.OnTimer(SkinButton::kHoverTimerId);
    EXPECT_TRUE(hover.hoverWordShown);
}

TEST_F(SkinButtonTest, AFaceChangeUnderTheWordTakesTheWordAway) {
    host.testState = TestState::Run;
    Hover(run, Point{345, 40});
    ASSERT_TRUE(hover.hoverWordShown);
    // A probe swaps RUN's faces: disable, new faces, enable. The capture goes.
    run.EnableWindow(false);
    run.EnableWindow(true);
    EXPECT_FALSE(hover.hoverWordShown);
    EXPECT_FALSE(run.IsHovering());
    EXPECT_EQ(Paints(), 2u);
    // Resting on the button again brings the word back.
    Hover(run, Point{346, 41});
    EXPECT_TRUE(hover.hoverWordShown);
    EXPECT_EQ(Letters(), kStop);
}

TEST_F(SkinButtonTest, ADisabledButtonShowsNoWord) {
    Move(Point{345, 40});
    run.EnableWindow(false);
    RestAt(Point{345, 40});
    run.OnTimer(SkinButton::kHoverTimerId);
    EXPECT_FALSE(run.IsHovering());
    EXPECT_FALSE(run.HasCapture());
    EXPECT_FALSE(TimerRunning(run));
    EXPECT_EQ(Letters(), kLiveBand);
}

TEST_F(SkinButtonTest, TheShippedWordsComposeOverTheBackdrop) {
    window.SetFaceLoader(LoadFaceResource);
    for (const WordCase& c : kWordCases) {
        if (!c.word) {
            continue;
        }
        SCOPED_TRACE(c.word->picture);
        const Bitmap picture = LoadFaceResource(std::to_string(c.word->picture));
        const Bitmap mask = LoadFaceResource(std::to_string(c.word->mask));
        ASSERT_EQ(picture.Width(), 319);
        ASSERT_EQ(picture.Height(), 42);
        ASSERT_TRUE(mask.IsMonochrome());
        ASSERT_EQ(mask.Width(), 319);
        ASSERT_EQ(mask.Height(), 42);
        host.testState = c.testState;
        SkinButton* const button = static_cast<SkinButton*>(window.GetDlgItem(c.id));
        ASSERT_NE(button, nullptr);
        Hover(*button, Point{button->WindowRect().left + 2, button->WindowRect().top + 2});
        int letterPixels = 0;
        for (int y = 0; y < 42; ++y) {
            for (int x = 0; x < 319; ++x) {
                const bool onWord = mask.Pixel(x, y) == Color{0, 0, 0};
                const Color shown = Band(x, SkinButton::kWordTop + y);
                if (onWord) {
                    ++letterPixels;
                    ASSERT_EQ(shown, picture.Pixel(x, y)) << x << "," << y;
                } else {
                    ASSERT_EQ(shown, kBackdrop) << x << "," << y;
                }
            }
        }
        EXPECT_GT(letterPixels, 500);
        Move(Point{200, 20});
    }
}

} // namespace
} // namespace lumet::test
