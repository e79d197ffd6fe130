#include "platform/net/SystemResolver.h"

#include "platform/posix/UniqueFd.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <netdb.h>
#include <netinet/in.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace lumet {

namespace {

struct AddrInfoDeleter {
    void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

// What a lookup thread shares with the loop. The thread keeps its own reference,
// so an abandoned lookup finishes into a state nobody reads any more instead of
// into freed memory: getaddrinfo cannot be interrupted.
struct LookupState {
    UniqueFd ready{eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)};
    std::atomic<std::uint32_t> address{0};
};

// Long enough never to end a lookup: the resolver's own time-outs do.
constexpr std::uint32_t kNoTimeoutMs = 0x7FFFFFFF;

class PendingLookup final : public IoWait {
public:
    PendingLookup(std::shared_ptr<LookupState> state, std::unique_ptr<IoWait> wait)
        : state_(std::move(state)), wait_(std::move(wait)) {}

private:
    std::shared_ptr<LookupState> state_;
    std::unique_ptr<IoWait> wait_;
};

} // namespace

std::uint32_t SystemResolver::LookUp(const std::string& name) {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    // One entry per address instead of one per socket type.
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* raw = nullptr;
    if (getaddrinfo(name.c_str(), nullptr, &hints, &raw) != 0 || raw == nullptr) {
        return 0;
    }
    const std::unique_ptr<addrinfo, AddrInfoDeleter> list(raw);
    for (const addrinfo* entry = list.get(); entry != nullptr; entry = entry->ai_next) {
        if (entry->ai_family == AF_INET && entry->ai_addr != nullptr) {
            return reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr;
        }
    }
    return 0;
}

std::unique_ptr<IoWait> SystemResolver::ResolveHostName(const std::string& name, Done done) {
    auto state = std::make_shared<LookupState>();
    std::thread worker;
    if (state->ready.Valid()) {
        try {
            worker = std::thread([state, name] {
                state->address.store(LookUp(name), std::memory_order_release);
                const std::uint64_t one = 1;
                // Only fails when the counter would overflow: it is already readable.
                [[maybe_unused]] const ssize_t written =
                    write(state->ready.Get(), &one, sizeof one);
            });
        } catch (const std::system_error&) {
            // No thread to be had (EAGAIN): the lookup fails like an unknown name.
        }
    }
    if (!worker.joinable()) {
        return loop_.Watch(-1, 0, {}, [done = std::move(done)] { done(0); });
    }
    worker.detach();
    const int fd = state->ready.Get();
    const LookupState* const watched = state.get();
    std::unique_ptr<IoWait> wait = loop_.Watch(
        fd, kNoTimeoutMs,
        [watched, done] {
            std::uint64_t count = 0;
            if (read(watched->ready.Get(), &count, sizeof count) != sizeof count) {
                return; // woken for nothing: the eventfd is not set yet
            }
            done(watched->address.load(std::memory_order_acquire));
        },
        [done] { done(0); });
    return std::make_unique<PendingLookup>(std::move(state), std::move(wait));
}

std::optional<std::string> SystemResolver::LocalHostName() {
    // A 64-character buffer, as the reports have always used; gethostname
    // fails with ENAMETOOLONG on a longer name rather than cut it silently.
    char buffer[64] = {};
    if (gethostname(buffer, sizeof buffer) != 0) {
        return std::nullopt;
    }
    buffer[sizeof buffer - 1] = '\0';
    return std::string(buffer);
}

} // namespace lumet
