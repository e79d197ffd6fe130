#pragma once

#include "platform/events/win32/HandleWatcher.h"
#include "platform/icmp/IcmpEcho.h"

#include <memory>
#include <vector>

namespace lumet {

// Echo requests through the system's ICMP API: IcmpSendEcho2 with an event, which
// the event loop watches, so the thread never blocks on a reply. Windows reports
// the same IP status codes the probes use, and the reply's time and TTL as it
// measured them.
class WinIcmpEcho final : public IcmpEcho {
public:
    explicit WinIcmpEcho(HandleWatcher& watcher);
    ~WinIcmpEcho() override;

    WinIcmpEcho(const WinIcmpEcho&) = delete;
    WinIcmpEcho& operator=(const WinIcmpEcho&) = delete;

    void Start(std::uint32_t address, std::uint32_t timeoutMs, Completion done) override;
    void Cancel() override;

private:
    struct Request;

    void Finish(const std::shared_ptr<Request>& request);

    HandleWatcher& watcher_;
    HANDLE icmp_;
    std::shared_ptr<Request> current_;
    // Requests given up before their answer: the system may still write into their
    // reply buffers, so they live until their event is signaled.
    std::vector<std::shared_ptr<Request>> abandoned_;
};

} // namespace lumet
