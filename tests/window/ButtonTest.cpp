#include "WindowFixture.h"
#include "platform/window/BitmapButton.h"
#include "platform/window/ButtonFaces.h"
#include "platform/window/StaticControl.h"

namespace lumet::test {
namespace {

constexpr Color kUp{0, 200, 0};
constexpr Color kDown{0, 60, 0};
constexpr Color kFocus{0, 0, 200};
constexpr Color kDisabled{90, 90, 90};
constexpr Color kActive{220, 0, 0};

struct FaceCase {
    bool hasDown;
    bool hasFocus;
    bool hasDisabled;
    bool pressed;
    bool focused;
    bool disabled;
    ButtonFace expected;
};

const FaceCase kFaceCases[] = {
    {true, true, true, false, false, false, ButtonFace::Up},
    {true, true, true, true, true, true, ButtonFace::Down},
    {false, true, true, true, true, true, ButtonFace::Focus},
    {false, false, true, true, true, true, ButtonFace::Disabled},
    {false, false, false, true, true, true, ButtonFace::Up},
    {true, true, true, false, true, true, ButtonFace::Focus},
    {true, false, true, false, true, true, ButtonFace::Disabled},
    {true, true, true, false, false, true, ButtonFace::Disabled},
    {true, true, false, false, false, true, ButtonFace::Up},
};

class FaceChoiceTest : public ::testing::TestWithParam<FaceCase> {};

TEST_P(FaceChoiceTest, PicksDownThenFocusThenDisabledThenUp) {
    const FaceCase& c = GetParam();
    const auto face = [](bool present) { return present ? SolidBitmap(2, 2, kUp) : Bitmap(); };
    const ButtonFaces faces(SolidBitmap(2, 2, kUp), face(c.hasDown), face(c.hasFocus),
                            face(c.hasDisabled));
    EXPECT_EQ(faces.Choose(c.pressed, c.focused, c.disabled), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rule, FaceChoiceTest, ::testing::ValuesIn(kFaceCases));

class ButtonTest : public WindowTest {
protected:
    std::map<std::string, Bitmap> faces{
        {"RUNU", SolidBitmap(25, 12, kUp)},       {"RUND", SolidBitmap(25, 12, kDown)},
        {"RUNX", SolidBitmap(25, 12, kDisabled)}, {"RUNR", SolidBitmap(25, 12, kActive)},
        {"QTU", SolidBitmap(18, 19, kUp)},        {"QTD", SolidBitmap(18, 18, kDown)},
        {"OKU", SolidBitmap(10, 10, kUp)},        {"OKF", SolidBitmap(10, 10, kFocus)},
    };
    std::vector<std::string> loaded;
    BitmapButton run{1010, Rect{334, 34, 360, 46}, "RUN", ControlStyle{true, false, true}};

    ButtonTest() {
        window.SetFaceLoader([this](const std::string& name) {
            loaded.push_back(name);
            const auto found = faces.find(name);
            return found != faces.end() ? found->second : Bitmap();
        });
        window.AddControl(run);
    }

    Color At(const Control& control, int x = 1, int y = 1) {
        return SurfacePixel(window, control.WindowRect().left + x, control.WindowRect().top + y);
    }
};

TEST_F(ButtonTest, AutoLoadAsksForTheFourFacesAndTakesTheUpFacesSize) {
    ASSERT_TRUE(run.AutoLoad());
    EXPECT_EQ(loaded, (std::vector<std::string>{"RUNU", "RUND", "RUNF", "RUNX"}));
    EXPECT_EQ(run.WindowRect(), (Rect{334, 34, 359, 46}));
    EXPECT_TRUE(run.Faces().Has(ButtonFace::Down));
    EXPECT_FALSE(run.Faces().Has(ButtonFace::Focus));
}

TEST_F(ButtonTest, ResizesToAnUpFaceTallerThanTheDownFace) {
    BitmapButton quit(1003, Rect{334, 4, 352, 22}, "QT");
    window.AddControl(quit);
    ASSERT_TRUE(quit.AutoLoad());
    EXPECT_EQ(quit.WindowRect(), (Rect{334, 4, 352, 23}));
}

TEST_F(ButtonTest, AutoLoadFailsWithoutAnUpFaceAndKeepsTheButton) {
    BitmapButton reset(1023, Rect{276, 92, 320, 108}, "NONE");
    window.AddControl(reset);
    EXPECT_FALSE(reset.AutoLoad());
    EXPECT_EQ(reset.WindowRect(), (Rect{276, 92, 320, 108}));
}

TEST_F(ButtonTest, PaintsTheChosenFaceIntoTheSurface) {
    ASSERT_TRUE(run.AutoLoad());
    Drain();
    EXPECT_EQ(At(run), kUp);
    EXPECT_EQ(At(run, 24, 11), kUp);
    run.EnableWindow(false);
    Drain();
    EXPECT_EQ(At(run), kDisabled);
    EXPECT_EQ(run.CurrentFace(), ButtonFace::Disabled);
}

TEST_F(ButtonTest, NewFacesShowOnlyAfterTheButtonRedraws) {
    ASSERT_TRUE(run.AutoLoad());
    Drain();
    ASSERT_TRUE(run.LoadBitmaps("RUNR", "RUND", "", "RUNX"));
    Drain();
    EXPECT_EQ(At(run), kUp);
    run.EnableWindow(false);
    run.EnableWindow(true);
    Drain();
    EXPECT_EQ(At(run), kActive);
    EXPECT_FALSE(run.LoadBitmaps("MISSING"));
    EXPECT_EQ(run.Faces().Get(ButtonFace::Up).Pixel(0, 0), kActive);
}

TEST_F(ButtonTest, PressCapturesShowsTheDownFaceAndReleaseInsideClicks) {
    ASSERT_TRUE(run.AutoLoad());
    Drain();
    window.DeliverMouse(InputKind::LeftButtonDown, Point{340, 40}, Point{340, 40});
    EXPECT_TRUE(run.IsPressed());
    EXPECT_TRUE(run.HasCapture());
    EXPECT_TRUE(run.HasFocus());
    // The press shows at once, without waiting for a paint pass.
    EXPECT_EQ(At(run), kDown);
    window.DeliverMouse(InputKind::LeftButtonUp, Point{341, 41}, Point{341, 41});
    EXPECT_FALSE(run.IsPressed());
    EXPECT_FALSE(run.HasCapture());
    EXPECT_EQ(At(run), kUp);
    EXPECT_EQ(handler.Lines("command"), (std::vector<std::string>{"command 1010 clicked"}));
}

TEST_F(ButtonTest, DraggingOffReleasesTheFaceAndReleaseOutsideDoesNotClick) {
    ASSERT_TRUE(run.AutoLoad());
    window.DeliverMouse(InputKind::LeftButtonDown, Point{340, 40}, Point{340, 40});
    Move(Point{200, 40});
    EXPECT_FALSE(run.IsPressed());
    // The capture keeps the messages coming, also from outside the window.
    Move(Point{-50, 500});
    Move(Point{345, 40});
    EXPECT_TRUE(run.IsPressed());
    Move(Point{10, 10});
    window.DeliverMouse(InputKind::LeftButtonUp, Point{10, 10}, Point{10, 10});
    EXPECT_FALSE(run.HasCapture());
    EXPECT_TRUE(handler.Lines("command").empty());
    EXPECT_TRUE(handler.Lines("up").empty());
}

TEST_F(ButtonTest, ADoubleClickNotifiesWithoutPressing) {
    ASSERT_TRUE(run.AutoLoad());
    Click(Point{340, 40});
    window.DeliverMouse(InputKind::LeftButtonDoubleClick, Point{340, 40}, Point{340, 40});
    EXPECT_FALSE(run.IsPressed());
    window.DeliverMouse(InputKind::LeftButtonUp, Point{340, 40}, Point{340, 40});
    EXPECT_EQ(handler.Lines("command"),
              (std::vector<std::string>{"command 1010 clicked", "command 1010 double"}));
}

TEST_F(ButtonTest, SpaceClicksTheFocusedButton) {
    ASSERT_TRUE(run.AutoLoad());
    run.SetFocus();
    window.DeliverKeyPress(Key::Space, U' ', {});
    EXPECT_TRUE(run.IsPressed());
    window.DeliverKeyRelease(Key::Space, {});
    EXPECT_EQ(handler.Lines("command"), (std::vector<std::string>{"command 1010 clicked"}));
}

TEST_F(ButtonTest, MouseOverADisabledOrHiddenButtonGoesToTheDialog) {
    ASSERT_TRUE(run.AutoLoad());
    run.EnableWindow(false);
    Click(Point{340, 40});
    run.EnableWindow(true);
    run.ShowWindow(false);
    Click(Point{341, 41});
    EXPECT_TRUE(handler.Lines("command").empty());
    EXPECT_EQ(handler.Lines("down"), (std::vector<std::string>{"down 340,40", "down 341,41"}));
}

TEST_F(ButtonTest, DisablingAPressedButtonCancelsThePress) {
    ASSERT_TRUE(run.AutoLoad());
    window.DeliverMouse(InputKind::LeftButtonDown, Point{340, 40}, Point{340, 40});
    run.EnableWindow(false);
    EXPECT_FALSE(run.IsPressed());
    EXPECT_EQ(window.GetCapture(), nullptr);
    EXPECT_EQ(window.GetFocus(), nullptr);
    window.DeliverMouse(InputKind::LeftButtonUp, Point{340, 40}, Point{340, 40});
    EXPECT_TRUE(handler.Lines("command").empty());
}

TEST_F(ButtonTest, TheFocusFaceShowsWhileFocused) {
    BitmapButton ok(1, Rect{0, 0, 10, 10}, "OK", ControlStyle{true, false, true});
    window.AddControl(ok);
    ASSERT_TRUE(ok.AutoLoad());
    Drain();
    EXPECT_EQ(At(ok), kUp);
    ok.SetFocus();
    Drain();
    EXPECT_EQ(At(ok), kFocus);
}

TEST_F(ButtonTest, AFaceSmallerThanTheButtonLeavesTheRestAlone) {
    BitmapButton quit(1003, Rect{334, 4, 352, 22}, "QT");
    window.AddControl(quit);
    ASSERT_TRUE(quit.AutoLoad());
    {
        ClientDc dc(window);
        dc->FillRect(quit.WindowRect(), Brush::Solid(kActive));
    }
    window.DeliverMouse(InputKind::LeftButtonDown, Point{340, 10}, Point{340, 10});
    EXPECT_EQ(At(quit, 0, 17), kDown);
    EXPECT_EQ(At(quit, 0, 18), kActive);
}

TEST_F(WindowTest, NotifyStaticReportsClicksAndDoubleClicks) {
    StaticControl strip(1016, Rect{48, 0, 280, 24}, true);
    window.AddControl(strip);
    Click(Point{100, 10});
    window.DeliverMouse(InputKind::LeftButtonDoubleClick, Point{100, 10}, Point{100, 10});
    EXPECT_EQ(handler.Lines("command"),
              (std::vector<std::string>{"command 1016 clicked", "command 1016 double"}));
    EXPECT_TRUE(handler.Lines("down").empty());
}

TEST_F(WindowTest, PlainStaticLetsTheMouseThroughToTheDialog) {
    StaticControl label(1030, Rect{0, 0, 100, 100}, false);
    window.AddControl(label);
    window.DeliverMouse(InputKind::LeftButtonDoubleClick, Point{50, 60}, Point{50, 60});
    EXPECT_TRUE(handler.Lines("command").empty());
    EXPECT_EQ(handler.Lines("double"), (std::vector<std::string>{"double 50,60"}));
}

TEST_F(WindowTest, TheFirstControlInZOrderGetsTheMouse) {
    StaticControl top(1, Rect{0, 0, 50, 50}, true);
    StaticControl below(2, Rect{0, 0, 100, 100}, true);
    window.AddControl(top);
    window.AddControl(below);
    Click(Point{10, 10});
    Click(Point{70, 70});
    EXPECT_EQ(handler.Lines("command"),
              (std::vector<std::string>{"command 1 clicked", "command 2 clicked"}));
}

} // namespace
} // namespace lumet::test
