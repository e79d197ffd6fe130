#include "platform/icmp/IcmpStatusMap.h"

#include "platform/icmp/IcmpPacket.h"
#include "platform/icmp/IcmpStatus.h"

#include <array>
#include <cerrno>

namespace lumet {

namespace {

constexpr FailureOrigin kIcmp = FailureOrigin::IcmpMessage;
constexpr FailureOrigin kSend = FailureOrigin::SendError;
constexpr std::uint8_t kAnyCodeLast = 255;

using namespace IcmpStatus;

constexpr std::array kRules = {
    // Destination unreachable, by code (RFC 792, RFC 1122, RFC 1812).
    StatusRule{kIcmp, kIcmpDestUnreachable, 0, 0, kDestNetUnreachable},
    StatusRule{kIcmp, kIcmpDestUnreachable, 1, 1, kDestHostUnreachable},
    StatusRule{kIcmp, kIcmpDestUnreachable, 2, 2, kDestProtocolUnreachable},
    StatusRule{kIcmp, kIcmpDestUnreachable, 3, 3, kDestPortUnreachable},
    StatusRule{kIcmp, kIcmpDestUnreachable, 4, 4, kPacketTooBig},          // fragmentation needed
    StatusRule{kIcmp, kIcmpDestUnreachable, 5, 5, kBadRoute},              // source route failed
    StatusRule{kIcmp, kIcmpDestUnreachable, 6, 6, kDestNetUnreachable},    // network unknown
    StatusRule{kIcmp, kIcmpDestUnreachable, 7, 8, kDestHostUnreachable},   // host unknown, isolated
    StatusRule{kIcmp, kIcmpDestUnreachable, 9, 9, kDestNetUnreachable},    // network prohibited
    StatusRule{kIcmp, kIcmpDestUnreachable, 10, 10, kDestHostUnreachable}, // host prohibited
    StatusRule{kIcmp, kIcmpDestUnreachable, 11, 11, kDestNetUnreachable},  // network for TOS
    // Host for TOS, filtered, precedence violation and cut-off, and codes yet unknown.
    StatusRule{kIcmp, kIcmpDestUnreachable, 12, kAnyCodeLast, kDestHostUnreachable},
    StatusRule{kIcmp, kIcmpTimeExceeded, 1, 1, kTtlExpiredReassembly},
    StatusRule{kIcmp, kIcmpTimeExceeded, 0, kAnyCodeLast, kTtlExpiredTransit},
    StatusRule{kIcmp, kIcmpParameterProblem, 0, kAnyCodeLast, kParameterProblem},
    StatusRule{kIcmp, kIcmpSourceQuench, 0, kAnyCodeLast, kSourceQuench},
    // sendto: no route at all (ENETUNREACH), a route of type unreachable (EHOSTUNREACH).
    StatusRule{kSend, ENETUNREACH, 0, 0, kDestNetUnreachable},
    StatusRule{kSend, EHOSTUNREACH, 0, 0, kDestHostUnreachable},
    // The request does not fit the path MTU with DF set; cannot happen for 8 bytes
    // unless the MTU is absurd, but the kernel may still say so.
    StatusRule{kSend, EMSGSIZE, 0, 0, kPacketTooBig},
};

} // namespace

std::span<const StatusRule> IcmpStatusRules() {
    return kRules;
}

std::optional<std::uint32_t> StatusForIcmpError(std::uint8_t type, std::uint8_t code) {
    for (const StatusRule& rule : kRules) {
        if (rule.origin == kIcmp && rule.value == type && code >= rule.firstCode &&
            code <= rule.lastCode) {
            return rule.status;
        }
    }
    return std::nullopt;
}

std::uint32_t StatusForSendError(int error) {
    for (const StatusRule& rule : kRules) {
        if (rule.origin == kSend && rule.value == error) {
            return rule.status;
        }
    }
    return kGeneralFailure;
}

} // namespace lumet
