#include "platform/icmp/IcmpPacket.h"
#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/LinuxIcmpEcho.h"
#include "platform/posix/UniqueFd.h"

#include <algorithm>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <net/if.h>
#include <sched.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <thread>
#include <vector>

// Echo to 127.0.0.1 and the parsers. bench/echo_vs_ping.sh runs the paced echo and
// iputils ping at the same pacing, one after the other in the same run.
// rtt_median_us is the round-trip time LinuxIcmpEcho reports (the kernel's receive
// timestamp less the time read right before sendto); cpu_per_probe_us the processor
// time (user + system) of one whole probe, socket set-up included. The paced
// variants send one probe every 10 ms, as "ping -i 0.01" does; the others send the
// next probe as soon as the last is answered.

namespace {

using lumet::LinuxIcmpEcho;

double ProcessCpuMicroseconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto micros = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1e6 + static_cast<double>(time.tv_usec);
    };
    return micros(usage.ru_utime) + micros(usage.ru_stime);
}

constexpr auto kPingPacing = std::chrono::milliseconds(10);

void EchoLoopback(benchmark::State& state, LinuxIcmpEcho::SocketKind kind, bool paced = false) {
    LinuxIcmpEcho echo(kind);
    const std::uint32_t loopback = inet_addr("127.0.0.1");
    std::vector<double> roundTrips;
    const double cpuBefore = ProcessCpuMicroseconds();
    auto nextSend = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (paced) {
            std::this_thread::sleep_until(nextSend);
            nextSend += kPingPacing;
        }
        const lumet::ProbeResult result = echo.Echo(loopback, 1000);
        if (result.status != lumet::IcmpStatus::kSuccess || !echo.LastAnswerDelay()) {
            state.SkipWithError(
                ("probe failed with status " + std::to_string(result.status)).c_str());
            return;
        }
        roundTrips.push_back(
            std::chrono::duration<double, std::micro>(*echo.LastAnswerDelay()).count());
    }
    const double cpu = ProcessCpuMicroseconds() - cpuBefore;
    std::sort(roundTrips.begin(), roundTrips.end());
    state.counters["rtt_median_us"] = roundTrips[roundTrips.size() / 2];
    state.counters["rtt_p99_us"] = roundTrips[roundTrips.size() * 99 / 100];
    state.counters["cpu_per_probe_us"] = cpu / static_cast<double>(roundTrips.size());
}

void BM_EchoLoopback(benchmark::State& state) {
    EchoLoopback(state, LinuxIcmpEcho::SocketKind::Automatic);
}
BENCHMARK(BM_EchoLoopback)->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMicrosecond);

void BM_EchoLoopbackPaced(benchmark::State& state) {
    EchoLoopback(state, LinuxIcmpEcho::SocketKind::Automatic, true);
}
BENCHMARK(BM_EchoLoopbackPaced)
    ->Iterations(100)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// Ping sockets are usually not permitted in the host's namespace here; this one
// runs the calling thread in a private namespace that permits them and switches
// back afterwards.
class PingSocketNamespace {
public:
    PingSocketNamespace() : home_(open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC)) {
        if (!home_.Valid() || unshare(CLONE_NEWNET) != 0) {
            error_ = std::string("no private network namespace: ") + std::strerror(errno);
            return;
        }
        entered_ = true;
        const lumet::UniqueFd fd(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0));
        ifreq request{};
        std::strncpy(request.ifr_name, "lo", IFNAMSIZ - 1);
        request.ifr_flags = IFF_UP;
        std::ofstream("/proc/sys/net/ipv4/ping_group_range") << "0 2147483647";
        if (!fd.Valid() || ioctl(fd.Get(), SIOCSIFFLAGS, &request) != 0) {
            error_ = std::string("loopback: ") + std::strerror(errno);
        }
    }
    PingSocketNamespace(const PingSocketNamespace&) = delete;
    PingSocketNamespace& operator=(const PingSocketNamespace&) = delete;
    ~PingSocketNamespace() {
        if (entered_) {
            setns(home_.Get(), CLONE_NEWNET);
        }
    }

    const std::string& Error() const { return error_; }

private:
    lumet::UniqueFd home_;
    bool entered_ = false;
    std::string error_;
};

void BM_EchoLoopbackPingSocket(benchmark::State& state) {
    const PingSocketNamespace network;
    if (!network.Error().empty()) {
        state.SkipWithError(network.Error().c_str());
        return;
    }
    EchoLoopback(state, LinuxIcmpEcho::SocketKind::PingOnly);
}
BENCHMARK(BM_EchoLoopbackPingSocket)
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

constexpr std::uint16_t kId = 0x1234;
constexpr std::uint16_t kSeq = 0xABCD;

std::vector<std::uint8_t> ReplyPacket() {
    auto icmp = lumet::BuildEchoRequest(kId, kSeq);
    icmp[0] = lumet::kIcmpEchoReply;
    icmp[2] = 0;
    icmp[3] = 0;
    const std::uint16_t checksum = lumet::InternetChecksum(icmp);
    icmp[2] = static_cast<std::uint8_t>(checksum >> 8);
    icmp[3] = static_cast<std::uint8_t>(checksum & 0xFF);
    std::vector<std::uint8_t> packet{0x45, 0, 0, 28, 0, 0, 0, 0, 64, lumet::kIpProtocolIcmp, 0, 0};
    const std::uint32_t loopback = inet_addr("127.0.0.1");
    packet.resize(20);
    std::memcpy(&packet[12], &loopback, 4);
    std::memcpy(&packet[16], &loopback, 4);
    packet.insert(packet.end(), icmp.begin(), icmp.end());
    return packet;
}

void BM_ParseRawSocketReply(benchmark::State& state) {
    const auto packet = ReplyPacket();
    const lumet::EchoRequestKey key{inet_addr("127.0.0.1"), kId, kSeq, true};
    if (!lumet::ParseRawSocketPacket(packet, false, key)) {
        state.SkipWithError("the benchmark reply does not parse");
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumet::ParseRawSocketPacket(packet, false, key));
    }
}
BENCHMARK(BM_ParseRawSocketReply);

void BM_ParsePingSocketReply(benchmark::State& state) {
    const auto packet = ReplyPacket();
    const std::span<const std::uint8_t> icmp(packet.data() + 20, 8);
    const lumet::EchoRequestKey key{inet_addr("127.0.0.1"), kId, kSeq, false};
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            lumet::ParsePingSocketReply(icmp, key.destination, 64, false, key));
    }
}
BENCHMARK(BM_ParsePingSocketReply);

void BM_BuildEchoRequest(benchmark::State& state) {
    std::uint16_t sequence = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lumet::BuildEchoRequest(kId, sequence++));
    }
}
BENCHMARK(BM_BuildEchoRequest);

} // namespace

BENCHMARK_MAIN();
