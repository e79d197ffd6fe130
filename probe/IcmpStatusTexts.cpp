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

constexpr std::string_view kNotPermitted = "ICMP not permitted.";
constexpr std::string_view kPingGroupCommand =
    "sudo sysctl -w net.ipv4.ping_group_range=\"0 2147483647\"";
constexpr std::string_view kCapabilityCommand = "sudo setcap cap_net_raw+ep ";

// Names the running program, so the command can be pasted as it stands.
std::string ProgramPath() {
    std::error_code error;
    std::string program = std::filesystem::read_symlink("/proc/self/exe", error).string();
    if (error || program.empty()) {
        program = "<path of the program>";
    }
    return program;
}

std::string NoSocketText() {
    return std::string(kNotPermitted) + " Allow it with: " + std::string(kPingGroupCommand) +
           " or: " + std::string(kCapabilityCommand) + ProgramPath();
}

} // namespace

std::string_view IcmpStatusText(std::uint32_t status) {
    if (status >= IcmpStatus::kBase && status <= IcmpStatus::kLast) {
        return IcmpStatusTexts[status - IcmpStatus::kBase];
    }
    switch (status) {
    case IcmpStatus::kNoIcmpSocket: {
        static const std::string text = NoSocketText();
        return text;
    }
    case IcmpStatus::kTruncatedReply:
        return "Reply truncated.";
    default:
        return "General failure.";
    }
}

std::string IcmpPermissionAdvice() {
    return std::string(kNotPermitted) + " Allow it for every user with:\n    " +
           std::string(kPingGroupCommand) + "\nor for this program only with:\n    " +
           std::string(kCapabilityCommand) + ProgramPath() + "\n";
}

} // namespace lumet
