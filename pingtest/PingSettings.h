#pragma once

#include <optional>
#include <string>

namespace lumet {

// Top-left corner of the main window in screen pixels.
struct WindowPosition {
    int left = 0;
    int top = 0;

    friend bool operator==(const WindowPosition&, const WindowPosition&) = default;
};

// The user's test parameters and the memory of the last target and window place.
// Names match the profile keys they are stored under.
struct PingSettings {
    int PingInterval = 1;       // seconds between probes of a run or random test
    int StayAliveInterval = 10; // seconds between probes of a stay-alive test
    int PingCount = 32;         // planned probes of a run or random test
    int PacketSize = 248;       // bytes; shown and stored only
    int TTL = 32;               // hops; shown and stored only
    int TimeOut = 1000;         // echo time-out in ms
    std::string LastIPAddr = "127.0.0.1";
    std::string LastDNAddr;
    // As found in the profile; absent before the first save.
    std::optional<int> LeftPos;
    std::optional<int> TopPos;
};

} // namespace lumet
