#include "platform/net/SystemResolver.h"

#include <memory>

#include <netdb.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lumet {

namespace {

struct AddrInfoDeleter {
    void operator()(addrinfo* list) const { freeaddrinfo(list); }
};

} // namespace

std::uint32_t SystemResolver::ResolveHostName(const std::string& name) {
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
