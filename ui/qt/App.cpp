#include "ui/qt/App.h"

#include "app/MainDialogTemplate.h"
#include "platform/clock/SystemClock.h"
#include "platform/events/QtIoWatcher.h"
#include "platform/export/QtExports.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "platform/net/SystemResolver.h"
#include "platform/profile/QSettingsProfile.h"
#include "platform/qtgdi/QtFontEngine.h"
#include "platform/qtwindow/QtBeep.h"
#include "platform/qtwindow/QtHelpViewer.h"
#include "platform/qtwindow/QtMessageBoxes.h"
#include "platform/qtwindow/QtMessagePump.h"
#include "platform/qtwindow/QtTimerSource.h"
#include "platform/qtwindow/QtWindowSystem.h"
#include "ui/InstalledFiles.h"
#include "ui/MainDialog.h"
#include "ui/RunMainDialog.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
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
    QtHelpViewer help(messages);
    const FilePlaces places = PrepareFilePlaces(
        messages,
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString());
    QtWindowSystem windows;
    QtExports exports;
    MainDialog dialog(MainDialogServices{echo, resolver, clock, pump, timers, windows, fonts,
                                         profile, messages, beep, help,
                                         ExportServices{exports.printer, exports.mail,
                                                        exports.clipboard, exports.viewer},
                                         places.serverListFile, places.helpFile},
                      dialogTemplate);
    messages.SetOwner(&HostWidget::Of(dialog.Window()));
    return RunMainDialog(dialog);
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
