#include "platform/icmp/IcmpStatus.h"
#include "tests/ui/MainDialogFixture.h"

namespace lumet::test {
namespace {

using Id = MainDialogTemplate::ControlId;

const Rect kUpperBand{6, 30, 326, 54};
const Rect kLowerBand{6, 56, 326, 110};

class MainDialogRunTest : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        Store("PingCount", 2);
        Store("PingInterval", 1);
    }

    bool WaitForTitle(DialogWindow& window, const std::string& title) {
        return WaitFor([&] { return window.GetWindowText() == title; });
    }
};

TEST_F(MainDialogRunTest, RunProbesTheShownAddressAndTheDisplayAreaComesAlive) {
    echo.queued.push_back(ProbeResult{150, 0, 64, 0});
    echo.queued.push_back(ProbeResult{1000, 11010, 0, 0});
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const Bitmap background = made.Buffers().displayBackground.CurrentBitmap();
        const MouseWiggler wiggler(timers, window);

        Click(window, CenterOf(*made.Controls().Find(Id::kRunButton)));
        EXPECT_EQ(made.Controller().testState(), TestState::Run);
        EXPECT_FALSE(made.Controls().Find(Id::kSettingsButton)->IsEnabled());

        ASSERT_TRUE(WaitForTitle(window, "1 Ping"));
        Settle();
        // The live bar for 150 ms lies over the scale; the status line and the graph
        // fill the lower band.
        EXPECT_GT(DifferingPixels(window, kUpperBand, background), 0);
        EXPECT_GT(DifferingPixels(window, kLowerBand, background, Point{0, 26}), 0);

        ASSERT_TRUE(WaitForTitle(window, "2 Ping"));
        ASSERT_TRUE(WaitForIdle(made));
        Settle();
        EXPECT_EQ(made.Controller().probeCount(), 2);
        EXPECT_EQ(made.Controller().errorCount(), 1);
        EXPECT_EQ(made.Controller().lastStatus(), 11010u);
        EXPECT_TRUE(made.Controls().Find(Id::kReportButton)->IsEnabled());
        EXPECT_TRUE(window.GetTimers().IsRunning(TestController::kBlinkTimerId));
        EXPECT_GT(DifferingPixels(window, kUpperBand, background), 0);
    });
    ASSERT_EQ(echo.requests.size(), 2u);
    for (const ScriptedIcmpEcho::Request& request : echo.requests) {
        EXPECT_EQ(request.address, kLoopback);
        EXPECT_EQ(request.timeoutMs, 1000u);
    }
}

TEST_F(MainDialogRunTest, FinishedRunLeavesTheModeButtonsIdleAndRepBlinking) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        Click(window, CenterOf(*made.Controls().Find(Id::kRunButton)));
        ASSERT_TRUE(WaitForIdle(made));
        for (const int id : {Id::kRunButton, Id::kRandomButton, Id::kStayAliveButton,
                             Id::kSettingsButton, Id::kReportButton}) {
            EXPECT_TRUE(made.Controls().Find(id)->IsEnabled()) << id;
        }
        // REP alternates between the RUN pictures.
        const BitmapButton& report = *made.Controls().FindButton(Id::kReportButton);
        const Bitmap first = report.Faces().Get(ButtonFace::Up);
        EXPECT_TRUE(WaitFor([&] { return !(report.Faces().Get(ButtonFace::Up) == first); }, 2000));
    });
}

TEST_F(MainDialogRunTest, ClosedPanelsLeaveTheDisplaysOverTheAddressField) {
    echo.fallback = ProbeResult{300, 0, 64, 0};
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        Click(window, CenterOf(*made.Controls().Find(Id::kRunButton)));
        ASSERT_TRUE(WaitForIdle(made));
        Settle();
        const Bitmap& lower = made.Buffers().lowerDisplay.CurrentBitmap();
        ASSERT_EQ(DifferingPixels(window, kLowerBand, lower), 0);

        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        Settle();
        EXPECT_EQ(DifferingPixels(window, kLowerBand, lower), 0);

        DoubleClick(window, Point{20, 10});
        DoubleClick(window, Point{20, 10});
        Settle();
        EXPECT_EQ(DifferingPixels(window, kLowerBand, lower), 0);
    });
}

TEST_F(MainDialogRunTest, RandomTestsAHostFromTheServerList) {
    WriteFile("random.lst", "127.0.0.4\n");
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        Click(window, CenterOf(*made.Controls().Find(Id::kRandomButton)));
        EXPECT_EQ(made.Controller().testState(), TestState::Random);
        EXPECT_EQ(made.Controls().AddressField().GetWindowText(), "127.0.0.4");
        ASSERT_TRUE(WaitForIdle(made));
        EXPECT_EQ(made.Controller().probeCount(), 2);
    });
    ASSERT_EQ(echo.requests.size(), 2u);
    EXPECT_EQ(echo.requests[0].address, 0x0400007Fu);
}

TEST_F(MainDialogRunTest, RunButtonStopsAStayAliveTest) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        Click(window, CenterOf(*made.Controls().Find(Id::kStayAliveButton)));
        EXPECT_EQ(made.Controller().testState(), TestState::StayAlive);
        ASSERT_TRUE(WaitForTitle(window, "1 Ping"));
        Click(window, CenterOf(*made.Controls().Find(Id::kRunButton)));
        EXPECT_EQ(made.Controller().testState(), TestState::Idle);
        EXPECT_FALSE(window.GetTimers().IsRunning(TestController::kProbeTimerId));
    });
}

TEST_F(MainDialogRunTest, EnterInTheOpenedAddressFieldStartsARunWithTheTypedAddress) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        EditControl& address = made.Controls().AddressField();
        DoubleClick(window, Point{150, 80});
        ASSERT_TRUE(address.IsEnabled());
        ASSERT_TRUE(address.HasFocus());
        EXPECT_FALSE(made.Controls().Find(Id::kRunButton)->IsEnabled());
        address.SetWindowText("");
        for (const char c : std::string("127.0.0.3")) {
            Press(window, Key::Other, static_cast<char32_t>(c));
        }
        Press(window, Key::Return, U'\r');
        EXPECT_FALSE(window.HasEnded());
        EXPECT_EQ(made.Controller().testState(), TestState::Run);
        EXPECT_EQ(made.Target().addressText, "127.0.0.3");
        EXPECT_FALSE(address.IsEnabled());
        ASSERT_TRUE(WaitForIdle(made));
        EXPECT_EQ(made.Settings().LastIPAddr, "127.0.0.3");
    });
    ASSERT_FALSE(echo.requests.empty());
    EXPECT_EQ(echo.requests.front().address, 0x0300007Fu);
}

TEST_F(MainDialogRunTest, TypedHostNameIsResolvedAndItsAddressShown) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        DoubleClick(window, Point{150, 80});
        made.Controls().AddressField().SetWindowText("localhost");
        Press(window, Key::Return, U'\r');
        pump.PumpMessages(); // the name's answer comes through the event loop
        EXPECT_EQ(made.Controller().testState(), TestState::Run);
        EXPECT_EQ(made.Controls().AddressField().GetWindowText(), "127.0.0.1");
        EXPECT_EQ(made.Target().domainName, "localhost");
        ASSERT_TRUE(WaitForIdle(made));
        EXPECT_EQ(made.Settings().LastDNAddr, "localhost");
    });
    EXPECT_EQ(resolver.lookups, std::vector<std::string>{"localhost"});
}

TEST_F(MainDialogRunTest, RefusedAddressShowsTheBannerAndStartsNothing) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        DoubleClick(window, Point{150, 80});
        made.Controls().AddressField().SetWindowText("nosuchhost");
        Press(window, Key::Return, U'\r');
        pump.PumpMessages();
        EXPECT_EQ(made.Controller().testState(), TestState::Idle);
        EXPECT_EQ(beep.count, 1);
        EXPECT_FALSE(made.Controls().AddressField().IsEnabled());
    });
    EXPECT_TRUE(echo.requests.empty());
}

// The window turns the controller's lamps into the buttons' pictures.
struct LampRow {
    const char* fault;
    int pressed;
    int looked;
    const char* upFace; // the picture the looked-at button must show now
};

class ModeLamps : public MainDialogRunTest, public testing::WithParamInterface<LampRow> {};

TEST_P(ModeLamps, ShowWhichModeRuns) {
    const LampRow& row = GetParam();
    SCOPED_TRACE(row.fault);
    Run([this, &row](MainDialog& made) {
        Click(made.Window(), CenterOf(*made.Controls().Find(row.pressed)));
        const BitmapButton& button = *made.Controls().FindButton(row.looked);
        const Bitmap expected = Bitmap::LoadResource(row.upFace);
        EXPECT_EQ(button.Faces().Get(ButtonFace::Up), expected);
    });
}

INSTANTIATE_TEST_SUITE_P(MainDialogRunTest, ModeLamps,
                         testing::Values(LampRow{"RUN's lamp not lit while a run goes",
                                                 Id::kRunButton, Id::kRunButton, "RUNR"},
                                         LampRow{"STA's lamp not lit in a stay-alive test",
                                                 Id::kStayAliveButton, Id::kStayAliveButton,
                                                 "STAR"},
                                         LampRow{"RUN left lit when a stay-alive test starts",
                                                 Id::kStayAliveButton, Id::kRunButton, "RUNU"},
                                         LampRow{"RND given another mode's pictures",
                                                 Id::kRandomButton, Id::kRandomButton, "RNDR"}));

} // namespace
} // namespace lumet::test
