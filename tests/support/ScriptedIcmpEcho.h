#pragma once

#include "platform/events/IoWatcher.h"
#include "platform/icmp/IcmpEcho.h"

#include <deque>
#include <memory>
#include <utility>
#include <vector>

namespace lumet::test {

// Answers with queued results in order, then `fallback`, each answerDelayMs after
// the request through the loop's IoWatcher; records every request.
class ScriptedIcmpEcho final : public IcmpEcho {
public:
    struct Request {
        std::uint32_t address;
        std::uint32_t timeoutMs;
    };
    std::deque<ProbeResult> queued;
    ProbeResult fallback{0, 0, 64, 0};
    std::uint32_t answerDelayMs = 0;
    std::vector<Request> requests;
    int cancels = 0;

    explicit ScriptedIcmpEcho(IoWatcher& loop) : loop_(loop) {}

    void Start(std::uint32_t address, std::uint32_t timeoutMs, Completion done) override {
        wait_.reset();
        requests.push_back({address, timeoutMs});
        ProbeResult result = fallback;
        if (!queued.empty()) {
            result = queued.front();
            queued.pop_front();
        }
        wait_ = loop_.Watch(-1, answerDelayMs, {}, [this, result, done = std::move(done)] {
            wait_.reset();
            done(result);
        });
    }

    void Cancel() override {
        if (wait_) {
            ++cancels;
        }
        wait_.reset();
    }

    bool InFlight() const { return wait_ != nullptr; }

private:
    IoWatcher& loop_;
    std::unique_ptr<IoWait> wait_;
};

} // namespace lumet::test
