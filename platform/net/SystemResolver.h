#pragma once

#include "platform/events/IoWatcher.h"
#include "platform/net/Resolver.h"

namespace lumet {

// The system resolver (getaddrinfo, gethostname): /etc/hosts, DNS and whatever
// else the name service switch is set up to ask. getaddrinfo blocks for as long as
// the name servers take, so each lookup runs on a thread of its own and signals an
// eventfd that the event loop watches.
class SystemResolver final : public Resolver {
public:
    explicit SystemResolver(IoWatcher& loop) : loop_(loop) {}

    std::unique_ptr<IoWait> ResolveHostName(const std::string& name, Done done) override;
    std::optional<std::string> LocalHostName() override;

private:
    IoWatcher& loop_;
};

} // namespace lumet
