#include "probe/IcmpStatusTexts.h"

#include "platform/icmp/IcmpStatus.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace lumet {

const std::array<std::string_view, 23> IcmpStatusTexts = {
    "Error Base",
    "Buffer too small.",
    "Destination net unreachable.",
    "Destination host unreachable.",
    "Destination protocol unreachable.",
    "Destination port unreachable.",
    "Out of resources.",
    "Bad option.",
    "Hardware error.",
    "Packet too large.",
    "Request timed out.",
    "Bad request.",
    "Bad route.",
    "TTL expired in transit.",
    "TTL expired REASSEM.",
    "Param problem.",
    "Source quench.",
    "Option too large.",
    "Bad destination.",
    "Address deleted.",
    "Spec MNU change.",
    "MTU change.",
    "Unload.",
};

namespace {

// Names the running program, so the command can be pasted as it stands.
std::string NoSocketText() {
    std::error_code error;
    std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error || program.empty()) {
        program = "<path of the program>";
    }
    return "ICMP not permitted. Allow it with: "
           "sudo sysctl -w net.ipv4.ping_group_range=\"0 2147483647\" "
           "or: sudo setcap cap_net_raw+ep " +
           program;
}

} // namespace

std::string_view IcmpStatusText(std::uint32_t status) {
    if (status >= IcmpStatus::kBase && status <= IcmpStatus::kLast) {
        return IcmpStatusTexts[status - IcmpStatus::kBase];
    }
    switch (status) {
    case IcmpStatus::kNoIcmpSocket:
    {
        static const std::string text = NoSocketText();
        return text;
    }
    case IcmpStatus::kTruncatedReply:
        return "Reply truncated.";
    default:
        return "General failure.";
    }
}

} // namespace lumet
