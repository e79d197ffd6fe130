#include "platform/events/QtIoWatcher.h"

#include <QObject>
#include <QSocketNotifier>
#include <QTimerEvent>
#include <algorithm>
#include <chrono>
#include <memory>

namespace lumet {

namespace {

// Qt takes an int of milliseconds.
constexpr std::uint32_t kMaximumTimeoutMs = 0x7FFFFFFF;

// The wait may be destroyed from within its callbacks, so each runs from a local
// copy as the last thing its handler does; Qt allows deleting a notifier or a
// timer's owner from its own event.
class QtIoWait final : public QObject, public IoWait {
public:
    QtIoWait(int fd, std::uint32_t timeoutMs, std::function<void()> readable,
             std::function<void()> expired)
        : readable_(std::move(readable)), expired_(std::move(expired)) {
        if (fd >= 0) {
            // A Read notifier also wakes on POLLERR, which is how ICMP errors
            // announce themselves.
            notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
                const std::function<void()> call = readable_;
                call();
            });
        }
        timerId_ = startTimer(
            std::chrono::milliseconds(static_cast<int>(std::min(timeoutMs, kMaximumTimeoutMs))),
            Qt::PreciseTimer);
    }

protected:
    void timerEvent(QTimerEvent* event) override {
        if (event->timerId() != timerId_) {
            return;
        }
        killTimer(timerId_);
        timerId_ = 0;
        if (notifier_) {
            notifier_->setEnabled(false);
        }
        const std::function<void()> expired = std::move(expired_);
        expired();
    }

private:
    std::function<void()> readable_;
    std::function<void()> expired_;
    std::unique_ptr<QSocketNotifier> notifier_;
    int timerId_ = 0;
};

} // namespace

std::unique_ptr<IoWait> QtIoWatcher::Watch(int fd, std::uint32_t timeoutMs,
                                           std::function<void()> readable,
                                           std::function<void()> expired) {
    return std::make_unique<QtIoWait>(fd, timeoutMs, std::move(readable), std::move(expired));
}

} // namespace lumet
