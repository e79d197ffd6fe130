#include "tests/ui/MainDialogFixture.h"
#include "ui/RunMainDialog.h"

#include <QDir>

namespace lumet::test {
namespace {

using Id = MainDialogTemplate::ControlId;

class MainDialogExitTest : public MainDialogTest {
protected:
    std::optional<long long> Stored(const std::string& key) const {
        return QSettingsProfile(profilePath).ReadInt("1.0", key);
    }
    std::optional<std::string> StoredText(const std::string& key) const {
        return QSettingsProfile(profilePath).ReadString("1.0", key);
    }

    // Runs the dialog as the program does: the script ends it somehow; returns the
    // exit code.
    int RunProgram(const std::function<void(MainDialog&)>& script) {
        MainDialog& made = Make();
        QTimer::singleShot(0, [this, &made, &script] {
            ASSERT_TRUE(WaitFor([&made] { return made.Overlay().PassCount() > 0; }));
            Settle();
            script(made);
        });
        return RunMainDialog(made);
    }
};

TEST_F(MainDialogExitTest, QuitButtonSavesTheSettingsAndThePosition) {
    Store("PingCount", 7);
    const int exitCode = RunProgram([this](MainDialog& made) {
        made.Window().MoveTo(Point{30, 20});
        Settle();
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kQuitButton)));
        EXPECT_TRUE(made.Window().HasEnded());
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Stored("PingCount"), 7);
    EXPECT_EQ(Stored("TimeOut"), 1000);
    EXPECT_EQ(StoredText("LastIPAddr"), "127.0.0.1");
    EXPECT_EQ(Stored("LeftPos"), 30);
    EXPECT_EQ(Stored("TopPos"), 20);
}

TEST_F(MainDialogExitTest, EscapeEndsWithCancelAndSavesOnce) {
    const int exitCode =
        RunProgram([this](MainDialog& made) { Press(made.Window(), Key::Escape); });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Stored("PingInterval"), 1);
    EXPECT_TRUE(Stored("LeftPos").has_value());
}

TEST_F(MainDialogExitTest, WindowManagerCloseSavesLikeEscape) {
    const int exitCode = RunProgram([this](MainDialog& made) { made.Window().DeliverClose(); });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Stored("PingCount"), 32);
}

TEST_F(MainDialogExitTest, AnOkEndSavesNothing) {
    const int exitCode = RunProgram([this](MainDialog& made) { made.Window().EndDialog(kIdOk); });
    EXPECT_EQ(exitCode, 0);
    EXPECT_FALSE(Stored("PingCount").has_value());
    EXPECT_FALSE(StoredText("LastIPAddr").has_value());
}

TEST_F(MainDialogExitTest, EnterOutsideTheAddressFieldDoesNotEndTheProgram) {
    RunProgram([this](MainDialog& made) {
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kSettingsButton)));
        Press(made.Window(), Key::Return, U'\r');
        EXPECT_FALSE(made.Window().HasEnded());
        made.Window().EndDialog(kIdOk);
    });
    EXPECT_FALSE(Stored("PingCount").has_value());
}

TEST_F(MainDialogExitTest, QuitDuringATestStopsItAndSaves) {
    Store("PingCount", 50);
    const int exitCode = RunProgram([this](MainDialog& made) {
        const MouseWiggler wiggler(timers, made.Window());
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kRunButton)));
        ASSERT_EQ(made.Controller().testState(), TestState::Run);
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kQuitButton)));
        EXPECT_EQ(made.Controller().testState(), TestState::Idle);
        EXPECT_TRUE(made.Window().HasEnded());
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(Stored("PingCount"), 50);
}

TEST_F(MainDialogExitTest, SettingsThatCannotBeWrittenAreReportedAndEndWithOne) {
    // A profile whose directory is a file cannot be written, even by root.
    WriteFile("blocker", "");
    profilePath = directory.filePath(QStringLiteral("blocker/lumet.conf")).toStdString();
    const int exitCode = RunProgram([this](MainDialog& made) {
        Click(made.Window(), CenterOf(*made.Controls().Find(Id::kQuitButton)));
    });
    EXPECT_EQ(exitCode, 1);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().caption, "Lumet Warning");
    EXPECT_EQ(messages.shown.back().text, "The settings could not be saved.\n");
}

} // namespace
} // namespace lumet::test
