#include "platform/net/win32/WinResolver.h"

#include "platform/net/FirstIpv4Address.h"

#include <atomic>
#include <system_error>
#include <thread>
#include <winsock2.h>

namespace lumet {

namespace {

// What a lookup thread shares with the loop, kept alive by both.
struct LookupState {
    HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::atomic<std::uint32_t> address{0};

    LookupState() = default;
    ~LookupState() {
        if (ready != nullptr) {
            CloseHandle(ready);
        }
    }
    LookupState(const LookupState&) = delete;
    LookupState& operator=(const LookupState&) = delete;
};

class PendingLookup final : public IoWait {
public:
    PendingLookup(std::shared_ptr<LookupState> state, std::unique_ptr<IoWait> wait)
        : state_(std::move(state)), wait_(std::move(wait)) {}

private:
    std::shared_ptr<LookupState> state_;
    std::unique_ptr<IoWait> wait_;
};

} // namespace

WinResolver::WinResolver(HandleWatcher& loop) : loop_(loop) {
    WSADATA data{};
    winsockStarted_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

WinResolver::~WinResolver() {
    if (winsockStarted_) {
        WSACleanup();
    }
}

std::unique_ptr<IoWait> WinResolver::ResolveHostName(const std::string& name, Done done) {
    auto state = std::make_shared<LookupState>();
    std::thread worker;
    if (winsockStarted_ && state->ready != nullptr) {
        try {
            worker = std::thread([state, name] {
                state->address.store(FirstIpv4Address(name), std::memory_order_release);
                SetEvent(state->ready);
            });
        } catch (const std::system_error&) {
            // No thread to be had: the lookup fails like an unknown name.
        }
    }
    if (!worker.joinable()) {
        return loop_.Watch(nullptr, 0, nullptr, [done = std::move(done)] { done(0); });
    }
    worker.detach();
    const LookupState* const watched = state.get();
    std::unique_ptr<IoWait> wait = loop_.Watch(
        state->ready, HandleWatcher::kForever,
        [watched, done] { done(watched->address.load(std::memory_order_acquire)); }, nullptr);
    return std::make_unique<PendingLookup>(std::move(state), std::move(wait));
}

std::optional<std::string> WinResolver::LocalHostName() {
    // The same 64-character buffer as on Linux; gethostname fails on a longer name
    // (WSAEFAULT) rather than cut it silently.
    char buffer[64] = {};
    if (!winsockStarted_ || gethostname(buffer, sizeof buffer) != 0) {
        return std::nullopt;
    }
    buffer[sizeof buffer - 1] = '\0';
    return std::string(buffer);
}

} // namespace lumet
