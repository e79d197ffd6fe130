#pragma once

#include "pingtest/TestController.h"
#include "tests/controller/RecordingTestView.h"
#include "tests/support/FakeClock.h"
#include "tests/support/FakeMessagePump.h"
#include "tests/support/FakeResolver.h"
#include "tests/support/FakeTimers.h"
#include "tests/support/ScriptedIcmpEcho.h"
#include "tests/support/TemporaryDirectory.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumet::test {

// A fresh directory for list files, removed with everything in it.
class TempDir : public TemporaryDirectory {
public:
    TempDir() : TemporaryDirectory("lumet-ctl-") {}
};

// A controller wired to fakes: the clock moves only through the timers, the pump
// and Sleep; every window call lands in view.log.
class ControllerTest : public testing::Test {
protected:
    struct Tick {
        int id;
        std::uint32_t atMs;
        std::size_t probesSent; // after the tick
    };

    ControllerTest() {
        resolver.addresses["localhost"] = 0x0100007F;
        target.addressText = "127.0.0.1";
        view.fieldText = "127.0.0.1";
        timers.onTick = [this](int id) {
            controller.OnTimer(id);
            ticks.push_back({id, clock.nowMs, echo.requests.size()});
        };
    }

    // When each probe went out, as the ticks saw it.
    std::vector<std::uint32_t> ProbeSendTimes() const {
        std::vector<std::uint32_t> times;
        std::size_t seen = 0;
        for (const Tick& tick : ticks) {
            if (tick.probesSent != seen) {
                times.push_back(tick.atMs);
                seen = tick.probesSent;
            }
        }
        return times;
    }

    bool Called(const FakeTimers::Call& call) const {
        return std::find(timers.calls.begin(), timers.calls.end(), call) != timers.calls.end();
    }
    bool BlinkStarted() const {
        return std::any_of(timers.calls.begin(), timers.calls.end(),
                           [](const auto& c) { return c.set && c.id == 2; });
    }

    FakeClock clock;
    FakeTimers timers{clock};
    FakeMessagePump pump{clock, timers};
    ScriptedIcmpEcho echo{timers};
    FakeResolver resolver{timers};
    ProbeEngine engine{echo, resolver};
    TargetStrings target;
    RecordingTestView view;
    TargetResolver targetResolver{engine, target, view};
    SampleHistory history;
    PingSettings settings;
    TestController controller{engine, targetResolver, target, history, settings,
                              view,   timers,         pump,   clock};
    std::vector<Tick> ticks;
};

} // namespace lumet::test
