#include "platform/net/SystemResolver.h"

#include "platform/net/FirstIpv4Address.h"
#include "platform/posix/UniqueFd.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <sys/eventfd.h>
#include <system_error>
#include <thread>
#include <unistd.h>

namespace lumet {

namespace {

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

std::unique_ptr<IoWait> SystemResolver::ResolveHostName(const std::string& name, Done done) {
    auto state = std::make_shared<LookupState>();
    std::thread worker;
    if (state->ready.Valid()) {
        try {
            worker = std::thread([state, name] {
                state->address.store(FirstIpv4Address(name), std::memory_order_release);
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
