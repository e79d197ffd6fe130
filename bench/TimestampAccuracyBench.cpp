#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "tests/support/TestNetwork.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>
#include <thread>
#include <vector>

// How often the reported round-trip time is the floor of the time the answer really
// took, on a loaded machine. A TUN responder in a network namespace of our own
// answers each probe after 30 or 200 ms and notes when its answer went onto the
// wire; the probe's wall-clock send time is the engine's own reading right before
// sendto. Busy
// threads keep every core loaded meanwhile. Run as root:
//   build/test/bench/timestamp_accuracy_bench

namespace {

using namespace std::chrono_literals;

double Milliseconds(const timespec& from, const timespec& to) {
    return static_cast<double>(to.tv_sec - from.tv_sec) * 1e3 +
           static_cast<double>(to.tv_nsec - from.tv_nsec) / 1e6;
}

// Keeps every core busy while it lives.
class Load {
public:
    Load() {
        const unsigned cores = std::max(1U, std::thread::hardware_concurrency());
        for (unsigned i = 0; i < cores; ++i) {
            threads_.emplace_back([this] {
                volatile unsigned long sink = 0;
                while (running_.load(std::memory_order_relaxed)) {
                    sink = sink + 1;
                }
            });
        }
    }
    ~Load() {
        running_ = false;
        for (std::thread& thread : threads_) {
            thread.join();
        }
    }
    Load(const Load&) = delete;
    Load& operator=(const Load&) = delete;

private:
    std::atomic<bool> running_{true};
    std::vector<std::thread> threads_;
};

} // namespace

int main() {
    std::string skipReason;
    std::unique_ptr<lumet::test::TestNetwork> network =
        lumet::test::TestNetwork::Create({}, skipReason);
    if (!network) {
        std::fprintf(stderr, "timestamp_accuracy_bench: %s\n", skipReason.c_str());
        return 77;
    }
    lumet::LinuxIcmpEcho echo(lumet::LinuxIcmpEcho::SocketKind::PingOnly);
    const Load load;
    for (const auto delay : {30ms, 200ms}) {
        const int probes = delay == 30ms ? 200 : 80;
        int exact = 0;
        int over = 0;
        int under = 0;
        double worstOverMs = 0;
        for (int i = 0; i < probes; ++i) {
            network->Responder().Script({lumet::test::EchoResponse::Reply().After(delay)});
            const lumet::ProbeResult result = echo.Echo(lumet::test::TestNetwork::kHost, 1000);
            const std::vector<timespec> answers = network->Responder().AnswerTimes();
            const std::optional<timespec> sent = echo.LastSendTime();
            if (result.status != lumet::IcmpStatus::kSuccess || answers.empty() || !sent) {
                std::fprintf(stderr, "timestamp_accuracy_bench: probe failed (%u)\n",
                             result.status);
                return 1;
            }
            const double wireMs = Milliseconds(*sent, answers.back());
            const auto floorMs = static_cast<std::uint32_t>(wireMs);
            if (result.roundTripMs == floorMs) {
                ++exact;
            } else if (result.roundTripMs > floorMs) {
                ++over;
                worstOverMs = std::max(worstOverMs, result.roundTripMs - wireMs);
            } else {
                ++under;
            }
        }
        std::printf("peer delay %3lld ms: %d probes, reported = floor(wire time) for %d "
                    "(%.1f %%), above it for %d (worst %.2f ms above the wire time), "
                    "below it for %d\n",
                    static_cast<long long>(delay.count()), probes, exact, 100.0 * exact / probes,
                    over, worstOverMs, under);
    }
    return 0;
}
