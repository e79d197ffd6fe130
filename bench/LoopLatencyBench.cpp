#include "platform/events/QtIoWatcher.h"
#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "platform/posix/UniqueFd.h"

#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <functional>
#include <net/if.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <thread>
#include <vector>

// How late the event loop handles an event while probes wait: a second thread posts
// an event every 5 ms, stamped with the time it was posted, while the loop runs
// probes against a host that never answers (each waits out its time-out). Run as
// root: it makes a network namespace of its own whose host ignores echo requests.
//   build/bench/bench/loop_latency_bench
// Prints the median, 99th percentile and maximum delay from posting to handling.

namespace {

using SteadyClock = std::chrono::steady_clock;

constexpr int kProbes = 3;
constexpr std::uint32_t kTimeoutMs = 1000;
constexpr auto kPostInterval = std::chrono::milliseconds(5);

class StampedEvent final : public QEvent {
public:
    static const QEvent::Type kType;
    explicit StampedEvent(SteadyClock::time_point at) : QEvent(kType), posted(at) {}
    SteadyClock::time_point posted;
};
const QEvent::Type StampedEvent::kType = static_cast<QEvent::Type>(QEvent::registerEventType());

class DelayRecorder final : public QObject {
public:
    std::vector<double> delaysMs;

protected:
    bool event(QEvent* event) override {
        if (event->type() != StampedEvent::kType) {
            return QObject::event(event);
        }
        const auto delay = SteadyClock::now() - static_cast<StampedEvent*>(event)->posted;
        delaysMs.push_back(std::chrono::duration<double, std::milli>(delay).count());
        return true;
    }
};

// A namespace of our own: loopback up, ping sockets allowed, echo requests ignored.
const char* EnterSilentNetwork() {
    if (unshare(CLONE_NEWNET) != 0) {
        return "no private network namespace (run as root)";
    }
    const lumet::UniqueFd fd(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    ifreq request{};
    std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
    request.ifr_flags = IFF_UP;
    if (!fd.Valid() || ioctl(fd.Get(), SIOCSIFFLAGS, &request) != 0) {
        return "loopback does not come up";
    }
    std::ofstream("/proc/sys/net/ipv4/ping_group_range") << "0 2147483647";
    std::ofstream("/proc/sys/net/ipv4/icmp_echo_ignore_all") << "1";
    return nullptr;
}

double Percentile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
    return values[index];
}

} // namespace

int main(int argc, char** argv) {
    if (const char* error = EnterSilentNetwork()) {
        std::fprintf(stderr, "loop_latency_bench: %s\n", error);
        return 77;
    }
    QCoreApplication application(argc, argv);
    lumet::QtIoWatcher watcher;
    lumet::LinuxIcmpEcho echo(watcher);
    DelayRecorder recorder;

    std::atomic<bool> posting{true};
    std::thread poster([&posting, &recorder] {
        while (posting.load()) {
            QCoreApplication::postEvent(&recorder, new StampedEvent(SteadyClock::now()));
            std::this_thread::sleep_for(kPostInterval);
        }
    });

    int probes = 0;
    bool answered = false;
    std::function<void()> next = [&] {
        if (probes++ == kProbes) {
            QCoreApplication::quit();
            return;
        }
        echo.Start(inet_addr("127.0.0.1"), kTimeoutMs, [&](const lumet::ProbeResult& result) {
            answered = answered || result.status != lumet::IcmpStatus::kRequestTimedOut;
            next();
        });
    };
    next();
    QCoreApplication::exec();
    posting = false;
    poster.join();

    if (answered || recorder.delaysMs.empty()) {
        std::fprintf(stderr, "loop_latency_bench: the silent host answered\n");
        return 1;
    }
    std::printf("event delay during %d probe waits of %u ms: median %.3f ms, p99 %.3f ms, "
                "max %.3f ms over %zu events\n",
                kProbes, kTimeoutMs, Percentile(recorder.delaysMs, 0.5),
                Percentile(recorder.delaysMs, 0.99),
                *std::max_element(recorder.delaysMs.begin(), recorder.delaysMs.end()),
                recorder.delaysMs.size());
    return 0;
}
