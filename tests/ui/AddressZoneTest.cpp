#include "ui/AddressZone.h"

#include "platform/qtgdi/QtFontEngine.h"
#include "tests/window/WindowFixture.h"
#include "ui/AddressEdit.h"
#include "ui/AddressZoneHost.h"

#include <string>

namespace lumet::test {
namespace {

constexpr Color kSnapshot{30, 60, 90};
constexpr Color kLive{200, 10, 10};

class FakeZoneHost final : public AddressZoneHost {
public:
    DeviceContext snapshot{SolidBitmap(320, 80, kSnapshot)};
    AddressEdit* field = nullptr;
    std::string addressText = "127.0.0.1";
    int exchanges = 0;
    bool settingsPanelOpen = false;
    TestState testState = TestState::Idle;

    const DeviceContext& DisplaySnapshot() const override { return snapshot; }
    void UpdateControls() override {
        ++exchanges;
        field->SetWindowText(addressText);
    }
    bool SettingsPanelOpen() const override { return settingsPanelOpen; }
    TestState CurrentTestState() const override { return testState; }
};

class AddressZoneTest : public WindowTest {
protected:
    AddressEdit field{1000, Rect{12, 62, 314, 94}, ControlStyle{true, false, true},
                      EditStyle{EditAlignment::Center}};
    FakeZoneHost host;
    AddressZone zone{window, field, host};

    AddressZoneTest() {
        window.AddControl(field);
        field.CreateFonts(QtFontEngine{});
        field.SetFont(field.DottedFont());
        host.field = &field;
        ClientDc dc(window);
        dc->FillRect(Rect{0, 0, 360, 116}, Brush::Solid(kLive));
    }

    // Whether the surface holds the text colour somewhere inside rect.
    bool HasTextIn(const Rect& rect) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                if (SurfacePixel(window, x, y) == kCyan) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(AddressZoneTest, RestoreDisplayAreaPutsBackTheSnapshotAndDrawsTheAddressAtOnce) {
    // As during address entry: the field open and holding a half-typed name.
    field.SetWindowText("half");
    ASSERT_TRUE(field.IsEnabled());
    zone.RestoreDisplayArea();
    EXPECT_EQ(host.exchanges, 1);
    EXPECT_EQ(field.GetWindowText(), "127.0.0.1");
    EXPECT_EQ(field.WindowRect(), (Rect{12, 62, 314, 94}));
    // The display area is the snapshot outside the field, ...
    EXPECT_EQ(SurfacePixel(window, 6, 30), kSnapshot);
    EXPECT_EQ(SurfacePixel(window, 325, 109), kSnapshot);
    EXPECT_EQ(SurfacePixel(window, 11, 70), kSnapshot);
    // ... and not beyond it.
    EXPECT_EQ(SurfacePixel(window, 5, 30), kLive);
    EXPECT_EQ(SurfacePixel(window, 326, 109), kLive);
    EXPECT_EQ(SurfacePixel(window, 6, 110), kLive);
    // The field painted itself with the dialog's colours before any paint pass.
    EXPECT_EQ(SurfacePixel(window, 13, 63), kBlack);
    EXPECT_TRUE(HasTextIn(field.WindowRect()));
    EXPECT_FALSE(field.IsInvalid());
}

TEST_F(AddressZoneTest, RestoreDisplayAreaLeavesTheFieldDisabled) {
    field.SetFocus();
    zone.RestoreDisplayArea();
    EXPECT_FALSE(field.IsEnabled());
    EXPECT_EQ(window.GetFocus(), nullptr);
    Type(U'9');
    EXPECT_EQ(field.GetWindowText(), "127.0.0.1");
}

TEST_F(AddressZoneTest, RestoreDisplayAreaShowsANameInTheNameLayout) {
    host.addressText = "localhost";
    zone.RestoreDisplayArea();
    EXPECT_EQ(field.WindowRect(), (Rect{18, 70, 320, 102}));
    EXPECT_TRUE(HasTextIn(field.WindowRect()));
    // The strip the field left at the dotted place shows the snapshot.
    EXPECT_EQ(SurfacePixel(window, 14, 63), kSnapshot);
}

struct CursorCase {
    Point client;
    bool settingsPanelOpen;
    TestState testState;
    bool zoneCursor;
};

const CursorCase kCursorCases[] = {
    {{150, 80}, false, TestState::Idle, true},    {{21, 66}, false, TestState::Idle, true},
    {{299, 99}, false, TestState::Idle, true},    {{20, 80}, false, TestState::Idle, false},
    {{300, 80}, false, TestState::Idle, false},   {{150, 65}, false, TestState::Idle, false},
    {{150, 100}, false, TestState::Idle, false},  {{150, 40}, false, TestState::Idle, false},
    {{150, 80}, true, TestState::Idle, false},    {{150, 80}, false, TestState::Run, false},
    {{150, 80}, false, TestState::Random, false}, {{150, 80}, false, TestState::StayAlive, false},
};

class ZoneCursorTest : public AddressZoneTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(ZoneCursorTest, TheHandMarksTheZoneOnlyWhileIdleWithTheSettingsClosed) {
    const CursorCase& c = GetParam();
    host.settingsPanelOpen = c.settingsPanelOpen;
    host.testState = c.testState;
    window.SetCursor(Cursor::Arrow());
    EXPECT_EQ(zone.OnSetCursor(c.client), c.zoneCursor);
    if (c.zoneCursor) {
        EXPECT_EQ(window.CurrentCursor().GetShape(), Cursor::Shape::Picture);
        EXPECT_EQ(window.CurrentCursor().HotSpot(), (Point{10, 0}));
    } else {
        EXPECT_EQ(window.CurrentCursor().GetShape(), Cursor::Shape::Arrow);
    }
}

INSTANTIATE_TEST_SUITE_P(Points, ZoneCursorTest, ::testing::ValuesIn(kCursorCases));

TEST_F(AddressZoneTest, TheDialogsCursorHandlerShowsTheHandOverTheDisabledField) {
    handler.setCursor = [this](Point client, int) { return zone.OnSetCursor(client); };
    field.EnableWindow(false);
    Move(Point{150, 80});
    EXPECT_EQ(window.CurrentCursor().HotSpot(), (Point{10, 0}));
    Move(Point{150, 20});
    EXPECT_EQ(window.CurrentCursor().GetShape(), Cursor::Shape::Arrow);
    // Over the open field the field asks the dialog first, and the hand wins.
    field.EnableWindow(true);
    Move(Point{150, 80});
    EXPECT_EQ(window.CurrentCursor().HotSpot(), (Point{10, 0}));
    host.testState = TestState::Run;
    Move(Point{151, 80});
    EXPECT_EQ(window.CurrentCursor().GetShape(), Cursor::Shape::IBeam);
}

struct EntryPoint {
    const char* fault;
    Point client;
    bool opens;
};

class AddressEntryArea : public testing::TestWithParam<EntryPoint> {};

TEST_P(AddressEntryArea, IsTheDisplaysLowerPartBordersIncluded) {
    SCOPED_TRACE(GetParam().fault);
    EXPECT_EQ(AddressZone::InEntryArea(GetParam().client), GetParam().opens);
}

INSTANTIATE_TEST_SUITE_P(
    AddressZone, AddressEntryArea,
    testing::Values(EntryPoint{"the top left corner left out", {2, 63}, true},
                    EntryPoint{"the bottom right corner left out", {319, 111}, true},
                    EntryPoint{"the middle of the address missed", {160, 80}, true},
                    EntryPoint{"the skin's left edge opening the field", {1, 80}, false},
                    EntryPoint{"the lamps' column opening the field", {320, 80}, false},
                    EntryPoint{"the status line's caption row opening it", {160, 62}, false},
                    EntryPoint{"the skin's bottom edge opening it", {160, 112}, false}));

} // namespace
} // namespace lumet::test
