#include "platform/qtwindow/QtMessagePump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>

namespace lumet {

namespace {

constexpr std::uint32_t kMaximumWaitMs = 0x7FFFFFFF;

} // namespace

void QtMessagePump::PumpMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtMessagePump::WaitForMessages(std::uint32_t maxWaitMs) {
    if (maxWaitMs == 0) {
        PumpMessages();
        return;
    }
    // The timer only has to exist: its expiry is an event that wakes the dispatcher.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(static_cast<int>(std::min(maxWaitMs, kMaximumWaitMs)));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    // Handle what woke it: some dispatchers send posted events only before they sleep.
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace lumet
