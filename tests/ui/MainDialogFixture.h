#pragma once

#include "app/MainDialogTemplate.h"
#include "platform/export/QtExports.h"
#include "platform/profile/QSettingsProfile.h"
#include "platform/qtgdi/QtFontEngine.h"
#include "platform/qtwindow/QtHelpViewer.h"
#include "platform/qtwindow/QtWindowSystem.h"
#include "platform/window/Beep.h"
#include "platform/window/ClientDc.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeResolver.h"
#include "tests/support/FakeTimerSource.h"
#include "tests/support/FakeTimers.h"
#include "tests/support/RecordingMessageBoxes.h"
#include "tests/support/ScriptedIcmpEcho.h"
#include "tests/ui/FakeTimeMessagePump.h"
#include "ui/MainDialog.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace lumet::test {

inline constexpr std::uint32_t kLoopback = 0x0100007Fu; // 127.0.0.1, network byte order

class CountingBeep final : public Beep {
public:
    int count = 0;
    void Play() override { ++count; }
};

// A main dialog on fake network services, fake time and a temporary profile, run
// modally with a script. Time moves only while the dialog or the script waits.
class MainDialogTest : public ::testing::Test {
protected:
    // Long enough for any test the scripts start: sixteen probes at their longest.
    static constexpr std::uint32_t kPatienceMs = 10 * 60 * 1000;

    QTemporaryDir directory;
    std::string profilePath = directory.filePath(QStringLiteral("lumet.conf")).toStdString();
    FakeClock clock;
    FakeTimers schedule{clock};
    FakeTimerSource timers{schedule};
    QtWindowSystem windows;
    const QtFontEngine fonts;
    FakeTimeMessagePump pump{clock, schedule};
    ScriptedIcmpEcho echo{schedule};
    FakeResolver resolver{schedule};
    RecordingMessageBoxes messages;
    CountingBeep beep;
    QtHelpViewer help{messages};
    std::unique_ptr<QSettingsProfile> profile;
    std::unique_ptr<MainDialog> dialog;
    // The report's export services; without them the dialog makes the Qt ones.
    std::optional<ExportServices> exports;
    QtExports qtExports;

    // The recorders a test handed in, else the ones the program uses.
    ExportServices ChosenExports() {
        return exports ? *exports
                       : ExportServices{qtExports.printer, qtExports.mail, qtExports.clipboard,
                                        qtExports.viewer};
    }

    void SetUp() override {
        WriteFile("random.lst", "127.0.0.1\n");
        resolver.addresses["localhost"] = kLoopback;
    }

    void WriteFile(const QString& name, const QByteArray& content) {
        QFile file(directory.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    std::string PathOf(const QString& name) const { return directory.filePath(name).toStdString(); }

    // Values the profile holds before the dialog starts.
    void Store(const std::string& key, long long value) {
        QSettingsProfile before(profilePath);
        before.WriteInt("1.0", key, value);
        ASSERT_TRUE(before.Commit());
    }

    MainDialog& Make() {
        profile = std::make_unique<QSettingsProfile>(profilePath);
        MainDialogServices services{echo,  resolver, clock,    pump, timers, windows,
                                    fonts, *profile, messages, beep, help,   ChosenExports()};
        services.serverListFile = PathOf(QStringLiteral("random.lst"));
        services.helpFile = PathOf(QStringLiteral("lumet.hlp"));
        dialog = std::make_unique<MainDialog>(services, MainDialogTemplate::Bytes());
        return *dialog;
    }

    // Lets time pass until `done` holds; false when it does not within limitMs.
    bool WaitFor(const std::function<bool()>& done, std::uint32_t limitMs = kPatienceMs) {
        return pump.RunUntil(done, limitMs);
    }

    // Waits until a test has ended: idle, and its tick timer stopped.
    bool WaitForIdle(MainDialog& made) {
        return WaitFor([&made] {
            return made.Controller().testState() == TestState::Idle &&
                   !made.Window().GetTimers().IsRunning(TestController::kProbeTimerId);
        });
    }

    // Runs the dialog modally. The script runs once the display area is set up and
    // the first overlay pass is done; the dialog then ends with OK unless the script
    // ended it. Returns the modal result.
    int Run(const std::function<void(MainDialog&)>& script) {
        MainDialog& made = dialog ? *dialog : Make();
        QTimer::singleShot(0, [this, &made, &script] {
            const bool ready = WaitFor(
                [&made] { return made.Buffers().IsCreated() && made.Overlay().PassCount() > 0; });
            EXPECT_TRUE(ready);
            Settle();
            if (ready) {
                script(made);
            }
            if (!made.Window().HasEnded()) {
                made.Window().EndDialog(kIdOk);
            }
        });
        return made.RunModal();
    }

    // Handles every pending event and paint; the clock stands still.
    static void Settle() { FakeTimeMessagePump::HandleQueued(); }

    static void Click(DialogWindow& window, Point point) {
        window.DeliverMouse(InputKind::MouseMove, point, point);
        window.DeliverMouse(InputKind::LeftButtonDown, point, point);
        window.DeliverMouse(InputKind::LeftButtonUp, point, point);
    }

    static void DoubleClick(DialogWindow& window, Point point) {
        window.DeliverMouse(InputKind::LeftButtonDown, point, point);
        window.DeliverMouse(InputKind::LeftButtonUp, point, point);
        window.DeliverMouse(InputKind::LeftButtonDoubleClick, point, point);
        window.DeliverMouse(InputKind::LeftButtonUp, point, point);
    }

    static void Press(DialogWindow& window, Key key, char32_t character = 0) {
        window.DeliverKeyPress(key, character, {});
        window.DeliverKeyRelease(key, {});
    }

    static Point CenterOf(const Control& control) {
        const Rect& rect = control.WindowRect();
        return Point{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }

    // Number of pixels in a client rectangle where the surface and image (its top left
    // corner at the rectangle's) differ.
    static int DifferingPixels(const DialogWindow& window, const Rect& area, const Bitmap& image,
                               Point imageOrigin = {}) {
        int count = 0;
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const Color expected =
                    image.Pixel(x - area.left + imageOrigin.x, y - area.top + imageOrigin.y);
                count += window.SurfacePixels().Pixel(x, y) == expected ? 0 : 1;
            }
        }
        return count;
    }

    // Keeps moving the mouse over the dialog every 20 ms of fake time, so that the
    // marker blink at the end of a test stops at once.
    class MouseWiggler {
    public:
        MouseWiggler(TimerSource& timers, DialogWindow& window)
            : timer_(timers.MakeTimers([&window](int) {
                  window.DeliverMouse(InputKind::MouseMove, Point{200, 112}, Point{200, 112});
              })) {
            timer_->SetTimer(1, 20);
        }

    private:
        std::unique_ptr<TimerSet> timer_;
    };
};

} // namespace lumet::test
