#pragma once

#include "platform/posix/UniqueFd.h"
#include "tests/support/EchoResponse.h"
#include "tests/support/ResponderPackets.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lumet::test {

// Plays the hosts behind a TUN device: reads the IPv4 datagrams the kernel routes
// into the device and answers each ICMP echo request as scripted. Runs on a thread
// of its own that touches nothing but the device, and stops when destroyed.
class TunResponder {
public:
    // Creates the TUN device `device` (IFF_TUN | IFF_NO_PI) in the calling thread's
    // network namespace; the caller gives it addresses and routes. Throws
    // std::system_error.
    explicit TunResponder(const std::string& device);
    ~TunResponder();

    TunResponder(const TunResponder&) = delete;
    TunResponder& operator=(const TunResponder&) = delete;

    // The packets that answer the next echo request without a script of its own,
    // in this order of calls. An empty list drops the request. Requests beyond the
    // scripts get one plain reply.
    void Script(std::vector<EchoResponse> responses);

    // The echo requests seen so far, oldest first.
    std::vector<EchoRequest> Requests() const;
    // Scripts not yet used by a request.
    std::size_t UnusedScripts() const;
    // The wall-clock time (CLOCK_REALTIME) right before each answer was handed to
    // the device, oldest first: when it went onto the wire.
    std::vector<timespec> AnswerTimes() const;
    // Packets the device did not take.
    std::size_t SendFailures() const { return sendFailures_.load(); }

private:
    using Clock = std::chrono::steady_clock;

    struct Held {
        std::chrono::milliseconds delay;
        std::vector<std::uint8_t> datagram;
    };

    void Run();
    void ReadPackets();
    void Answer(const EchoRequest& request, Clock::time_point now);
    void SendDue(Clock::time_point now);

    UniqueFd tun_;
    UniqueFd wake_;

    mutable std::mutex mutex_;
    std::deque<std::vector<EchoResponse>> scripts_;
    std::vector<EchoRequest> requests_;
    std::vector<timespec> answerTimes_;
    std::atomic<std::size_t> sendFailures_{0};

    // Used by the responder thread only.
    std::multimap<Clock::time_point, std::vector<std::uint8_t>> due_;
    std::vector<Held> held_;

    std::thread thread_; // last: starts once everything above exists
};

} // namespace lumet::test
