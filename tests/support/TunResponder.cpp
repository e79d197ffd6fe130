#include "tests/support/TunResponder.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <linux/if.h>
#include <linux/if_tun.h>
#include <poll.h>
#include <span>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <system_error>
#include <unistd.h>

namespace lumet::test {
namespace {

// Upper bound of one poll() wait, so the thread never sleeps unboundedly even
// if a wake-up were lost.
constexpr std::chrono::milliseconds kMaxWait{200};
// Datagrams read per wake-up before scheduled packets get their turn again.
constexpr int kReadBurst = 64;

[[noreturn]] void ThrowErrno(const std::string& what) {
    throw std::system_error(errno, std::generic_category(), what);
}

UniqueFd OpenTun(const std::string& device) {
    UniqueFd tun(::open("/dev/net/tun", O_RDWR | O_NONBLOCK | O_CLOEXEC));
    if (!tun.Valid()) {
        ThrowErrno("open /dev/net/tun");
    }
    ifreq request{};
    if (device.size() >= sizeof request.ifr_name) {
        throw std::system_error(ENAMETOOLONG, std::generic_category(), device);
    }
    std::memcpy(request.ifr_name, device.c_str(), device.size() + 1);
    request.ifr_flags = IFF_TUN | IFF_NO_PI;
    if (::ioctl(tun.Get(), TUNSETIFF, &request) != 0) {
        ThrowErrno("TUNSETIFF " + device);
    }
    return tun;
}

} // namespace

TunResponder::TunResponder(const std::string& device)
    : tun_(OpenTun(device)), wake_(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {
    if (!wake_.Valid()) {
        ThrowErrno("eventfd");
    }
    thread_ = std::thread([this] { Run(); });
}

TunResponder::~TunResponder() {
    const std::uint64_t one = 1;
    // An eventfd write of 1 cannot fail short of an overflowing counter.
    [[maybe_unused]] const auto written = ::write(wake_.Get(), &one, sizeof one);
    thread_.join();
}

void TunResponder::Script(std::vector<EchoResponse> responses) {
    const std::lock_guard lock(mutex_);
    scripts_.push_back(std::move(responses));
}

std::vector<EchoRequest> TunResponder::Requests() const {
    const std::lock_guard lock(mutex_);
    return requests_;
}

std::size_t TunResponder::UnusedScripts() const {
    const std::lock_guard lock(mutex_);
    return scripts_.size();
}

void TunResponder::Run() {
    for (;;) {
        SendDue(Clock::now());
        auto wait = kMaxWait;
        if (!due_.empty()) {
            const auto untilDue =
                std::chrono::ceil<std::chrono::milliseconds>(due_.begin()->first - Clock::now());
            wait = std::clamp(untilDue, std::chrono::milliseconds{0}, kMaxWait);
        }
        std::array<pollfd, 2> fds{{{tun_.Get(), POLLIN, 0}, {wake_.Get(), POLLIN, 0}}};
        const int ready = ::poll(fds.data(), fds.size(), static_cast<int>(wait.count()));
        if (ready < 0 && errno != EINTR) {
            return;
        }
        if (fds[1].revents != 0) {
            return;
        }
        if ((fds[0].revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            return;
        }
        if ((fds[0].revents & POLLIN) != 0) {
            ReadPackets();
        }
    }
}

void TunResponder::ReadPackets() {
    std::array<std::uint8_t, 65536> buffer{};
    for (int i = 0; i < kReadBurst; ++i) {
        const ssize_t length = ::read(tun_.Get(), buffer.data(), buffer.size());
        if (length <= 0) {
            return;
        }
        const auto datagram =
            std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(length));
        // Each request's delay counts from its own read: a request that came in
        // during the burst must not be answered early, now that probes time the
        // answer by the kernel's receive timestamp.
        if (const auto request = ParseEchoRequest(datagram)) {
            Answer(*request, Clock::now());
        }
    }
}

void TunResponder::Answer(const EchoRequest& request, Clock::time_point now) {
    for (auto& held : held_) {
        due_.emplace(now + held.delay, std::move(held.datagram));
    }
    held_.clear();

    std::vector<EchoResponse> responses{EchoResponse::Reply()};
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(request);
        if (!scripts_.empty()) {
            responses = std::move(scripts_.front());
            scripts_.pop_front();
        }
    }
    for (const auto& response : responses) {
        auto datagram = BuildResponse(request, response);
        if (response.atNextRequest) {
            held_.push_back({response.delay, std::move(datagram)});
        } else {
            due_.emplace(now + response.delay, std::move(datagram));
        }
    }
}

std::vector<timespec> TunResponder::AnswerTimes() const {
    const std::lock_guard lock(mutex_);
    return answerTimes_;
}

void TunResponder::SendDue(Clock::time_point now) {
    while (!due_.empty() && due_.begin()->first <= now) {
        const auto& datagram = due_.begin()->second;
        // Noted before the write: the prober may read the answer before the write
        // returns.
        timespec writing{};
        clock_gettime(CLOCK_REALTIME, &writing);
        {
            const std::lock_guard lock(mutex_);
            answerTimes_.push_back(writing);
        }
        if (::write(tun_.Get(), datagram.data(), datagram.size()) !=
            static_cast<ssize_t>(datagram.size())) {
            ++sendFailures_;
        }
        due_.erase(due_.begin());
    }
}

} // namespace lumet::test
