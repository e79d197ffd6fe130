#include "tests/ui/MainDialogFixture.h"

namespace lumet::test {
namespace {

using Id = MainDialogTemplate::ControlId;

// A column of the panels left of every settings field and of RESET.
const Rect kPanelColumn{8, 30, 80, 110};

TEST_F(MainDialogTest, SettingsPanelShowsTheSettingsAndTakesTheEditedFieldsOver) {
    Store("PingCount", 12);
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        ASSERT_TRUE(made.Panels().SettingsPanelOpen());
        for (const int id : MainDialogControls::kSettingsFieldIds) {
            const Control* const field = made.Controls().Find(id);
            EXPECT_TRUE(field->IsVisible() && field->IsEnabled()) << id;
        }
        EXPECT_TRUE(made.Controls().Find(Id::kResetButton)->IsVisible());
        EXPECT_FALSE(made.Controls().AddressField().IsVisible());
        for (const int id : {Id::kRunButton, Id::kRandomButton, Id::kStayAliveButton}) {
            EXPECT_FALSE(made.Controls().Find(id)->IsEnabled()) << id;
        }
        EditControl& pingLimit = *made.Controls().FindEdit(Id::kPingLimitField);
        EXPECT_EQ(pingLimit.GetWindowText(), "12");
        Settle();
        EXPECT_EQ(DifferingPixels(window, kPanelColumn,
                                  made.Buffers().settingsPanel.CurrentBitmap(), Point{2, 0}),
                  0);

        pingLimit.SetWindowText("5");
        made.Controls().FindEdit(Id::kTimeoutField)->SetWindowText("1500");
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        EXPECT_FALSE(made.Panels().SettingsPanelOpen());
        EXPECT_EQ(made.Settings().PingCount, 5);
        EXPECT_EQ(made.Settings().TimeOut, 1500);
        EXPECT_FALSE(pingLimit.IsVisible());
        EXPECT_TRUE(made.Controls().AddressField().IsVisible());
        EXPECT_TRUE(made.Controls().Find(Id::kRunButton)->IsEnabled());
        // No probe yet: REP stays off.
        EXPECT_FALSE(made.Controls().Find(Id::kReportButton)->IsEnabled());
    });
}

TEST_F(MainDialogTest, EmptySettingsFieldKeepsItAndTheLaterFieldsUnchanged) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        // Exchange order: PingCount, StayAliveInterval, PingInterval, PacketSize, ...
        made.Controls().FindEdit(Id::kPingLimitField)->SetWindowText("20");
        made.Controls().FindEdit(Id::kStayAliveField)->SetWindowText("");
        made.Controls().FindEdit(Id::kIntervalField)->SetWindowText("3");
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        EXPECT_EQ(made.Settings().PingCount, 20);
        EXPECT_EQ(made.Settings().StayAliveInterval, 10);
        EXPECT_EQ(made.Settings().PingInterval, 1);
        // One message, and the panel closes with the values taken so far.
        EXPECT_FALSE(made.Panels().SettingsPanelOpen());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_TRUE(messages.shown.front().application);
        EXPECT_EQ(messages.shown.front().text, "Please enter a positive integer.");
    });
}

TEST_F(MainDialogTest, LeavingASettingsFieldBringsTheFieldsIntoRange) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        EditControl& interval = *made.Controls().FindEdit(Id::kIntervalField);
        interval.SetFocus();
        interval.SetWindowText("5000");
        made.Controls().FindEdit(Id::kTimeoutField)->SetFocus();
        EXPECT_EQ(interval.GetWindowText(), "999");
        // The settings take the value only when the panel closes.
        EXPECT_EQ(made.Settings().PingInterval, 1);
    });
}

TEST_F(MainDialogTest, ResetPutsTheInitialSettingsWithSixteenProbesIn) {
    Store("PingCount", 40);
    Store("TimeOut", 3000);
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        Click(window, CenterOf(*made.Controls().Find(Id::kResetButton)));
        EXPECT_EQ(made.Settings().PingCount, 16);
        EXPECT_EQ(made.Settings().TimeOut, 1000);
        EXPECT_EQ(made.Controls().FindEdit(Id::kPingLimitField)->GetWindowText(), "16");
    });
}

TEST_F(MainDialogTest, QuitWithTheSettingsPanelOpenDiscardsTheFields) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        Click(window, CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        made.Controls().FindEdit(Id::kPingLimitField)->SetWindowText("3");
        Click(window, CenterOf(*made.Controls().Find(Id::kQuitButton)));
        EXPECT_FALSE(made.Panels().SettingsPanelOpen());
        EXPECT_EQ(made.Settings().PingCount, 32);
        EXPECT_TRUE(window.HasEnded());
    });
    EXPECT_EQ(QSettingsProfile(profilePath).ReadInt("1.0", "PingCount"), 32);
}

TEST_F(MainDialogTest, LogoDoubleClickTogglesTheAboutPanel) {
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const Bitmap before = window.SurfacePixels();
        DoubleClick(window, Point{20, 10});
        ASSERT_TRUE(made.Panels().AboutPanelOpen());
        EXPECT_FALSE(made.Controls().AddressField().IsVisible());
        Settle();
        EXPECT_EQ(DifferingPixels(window, Rect{6, 30, 328, 110},
                                  made.Buffers().aboutPanel.CurrentBitmap()),
                  0);
        DoubleClick(window, Point{20, 10});
        EXPECT_FALSE(made.Panels().AboutPanelOpen());
        Settle();
        EXPECT_EQ(DifferingPixels(window, Rect{6, 30, 326, 110}, before, Point{6, 30}), 0);
    });
}

TEST_F(MainDialogTest, AboutPanelIsRefusedWithABeepDuringATest) {
    Store("PingInterval", 1);
    Run([this](MainDialog& made) {
        DialogWindow& window = made.Window();
        const MouseWiggler wiggler(timers, window);
        Click(window, CenterOf(*made.Controls().Find(Id::kStayAliveButton)));
        DoubleClick(window, Point{20, 10});
        EXPECT_FALSE(made.Panels().AboutPanelOpen());
        EXPECT_EQ(beep.count, 1);
        Click(window, CenterOf(*made.Controls().Find(Id::kRunButton)));
    });
}

TEST_F(MainDialogTest, HelpButtonShowsTheHelpFileOwnedByTheWindow) {
    WriteFile("lumet.hlp", "LUMET HELP\nline two\n");
    Run([this](MainDialog& made) {
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kHelpButton)));
        EXPECT_TRUE(help.IsShown());
        EXPECT_EQ(help.Text(), QStringLiteral("LUMET HELP\nline two\n"));
        EXPECT_EQ(help.Owner(), &HostWidget::Of(made.Window()));
        EXPECT_TRUE(messages.shown.empty());
    });
}

TEST_F(MainDialogTest, MissingHelpFileIsReportedByName) {
    Run([this](MainDialog& made) {
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kHelpButton)));
        EXPECT_FALSE(help.IsShown());
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].caption, "Lumet Help");
        EXPECT_NE(messages.shown[0].text.find("lumet.hlp"), std::string::npos);
        EXPECT_NE(messages.shown[0].text.find(directory.path().toStdString()), std::string::npos);
    });
}

TEST_F(MainDialogTest, MissingServerListIsToldAtStartUp) {
    ASSERT_TRUE(QFile::remove(directory.filePath(QStringLiteral("random.lst"))));
    // The failed load stops the (idle) test, whose marker blink waits for the mouse.
    const MouseWiggler wiggler(timers, Make().Window());
    Run([this](MainDialog& made) {
        static_cast<void>(made);
        ASSERT_FALSE(messages.shown.empty());
        EXPECT_EQ(messages.shown[0].caption, "Lumet Warning");
        EXPECT_EQ(messages.shown[0].text.rfind("The file RANDOM.LST which should\n", 0), 0u);
    });
}

} // namespace
} // namespace lumet::test
