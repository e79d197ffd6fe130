#include "ui/App.h"

#include "app/MainDialogTemplate.h"
#include "platform/clock/SystemClock.h"
#include "platform/events/QtIoWatcher.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "platform/net/SystemResolver.h"
#include "platform/profile/QSettingsProfile.h"
#include "platform/qtgdi/QtFontEngine.h"
#include "platform/qtwindow/QtBeep.h"
#include "platform/qtwindow/QtMessageBoxes.h"
#include "platform/qtwindow/QtMessagePump.h"
#include "platform/qtwindow/QtTimerSource.h"
#include "platform/qtwindow/QtWindowSystem.h"
#include "ui/HelpViewer.h"
#include "ui/InstalledFiles.h"
#include "ui/MainDialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <utility>

namespace lumet {

namespace {

constexpr int kPaletteDepth = 8;

} // namespace

int App::Run() {
    QtMessageBoxes messages(QString::fromStdString(applicationName_));
    QSettingsProfile profile = QSettingsProfile::ForApplication(applicationName_);
    const std::vector<std::uint8_t> dialogTemplate =
        CheckDisplay(MainDialogTemplate::Bytes(), ScreenMetrics(), messages);

    QtIoWatcher watcher;
    LinuxIcmpEcho echo(watcher, std::move(rawSocket_));
    SystemResolver resolver(watcher);
    SystemClock clock;
    QtMessagePump pump;
    QtTimerSource timers;
    const QtFontEngine fonts;
    QtBeep beep;
    HelpViewer help(messages);
    const FilePlaces places = PrepareFilePlaces(messages);
    QtWindowSystem windows;
    MainDialog dialog(MainDialogServices{echo, resolver, clock, pump, timers, windows, fonts,
                                         profile, messages, beep, help, places.serverListFile,
                                         places.helpFile},
                      dialogTemplate);
    messages.SetOwner(&HostWidget::Of(dialog.Window()));
    return RunDialog(dialog);
}

int App::RunDialog(MainDialog& dialog) {
    if (dialog.RunModal() == kIdCancel) {
        dialog.SaveAndExit();
    }
    return dialog.ExitCode();
}

DisplayMetrics App::ScreenMetrics() {
    DisplayMetrics metrics;
    const QScreen* const screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return metrics;
    }
    metrics.logPixelsX = qRound(screen->logicalDotsPerInchX());
    const int depth = screen->depth();
    metrics.numColors = depth > kPaletteDepth ? -1 : 1 << depth;
    return metrics;
}

} // namespace lumet
