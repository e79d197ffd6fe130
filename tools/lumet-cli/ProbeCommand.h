#pragma once

#include "platform/clock/Clock.h"
#include "platform/dialogs/MessageBoxes.h"
#include "platform/events/MessagePump.h"
#include "probe/ProbeEngine.h"

#include <cstdint>
#include <ostream>
#include <string>

namespace lumet::cli {

struct ProbeOptions {
    std::string target;
    int count = 4;
    std::uint32_t timeoutMs = 1000;
};

// One output line: "seq=1 status=0 time=12 ms ttl=64 bytes=8", followed by the
// status text when the probe failed.
std::string FormatProbeLine(int sequence, std::uint32_t status, std::uint32_t storedTime,
                            std::uint8_t ttl, std::uint16_t dataSize);

// "lumet-cli probe": resolves the target like the address field does, sends the
// probes one second apart and prints a line each, then the statistics and the
// rating. The answers come through `loop`, the event loop the engine's echo waits
// on. Returns the process exit code.
int RunProbeCommand(const ProbeOptions& options, ProbeEngine& engine, MessagePump& loop,
                    Clock& clock, MessageBoxes& messages, std::ostream& out, std::ostream& err);

} // namespace lumet::cli
