#pragma once

#include "platform/events/win32/HandleWatcher.h"
#include "platform/net/Resolver.h"

namespace lumet {

// Name lookups through getaddrinfo on a thread of their own, which signals an
// event the loop watches: Windows, like Linux, has no way to interrupt a lookup,
// so the thread finishes into state that outlives an abandoned lookup.
class WinResolver final : public Resolver {
public:
    explicit WinResolver(HandleWatcher& loop);
    ~WinResolver() override;

    WinResolver(const WinResolver&) = delete;
    WinResolver& operator=(const WinResolver&) = delete;

    [[nodiscard]] std::unique_ptr<IoWait> ResolveHostName(const std::string& name,
                                                          Done done) override;
    std::optional<std::string> LocalHostName() override;

private:
    HandleWatcher& loop_;
    // Winsock counts its users; getaddrinfo and gethostname need one.
    bool winsockStarted_ = false;
};

} // namespace lumet
