#pragma once

#include "platform/clock/Clock.h"
#include "platform/events/MessagePump.h"
#include "probe/ProbeEngine.h"
#include "tools/lumet-cli/CommandLine.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace lumet::cli {

struct ProbeOptions {
    std::string target;
    int count = 4;
    std::uint32_t timeoutMs = 1000;
    OutputFormat format = OutputFormat::Text;
};

// "lumet-cli probe": resolves the target like the address field does, sends the
// probes one second apart and prints each (see ProbeOutput), then the statistics
// and the rating. The answers come through `loop`, the event loop the engine's echo waits
// on. Returns the process exit code.
int RunProbeCommand(const ProbeOptions& options, ProbeEngine& engine, MessagePump& loop,
                    Clock& clock, std::ostream& out, std::ostream& err);

} // namespace lumet::cli
