#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace lumet {

// Where the failure of a probe was reported.
enum class FailureOrigin : std::uint8_t {
    IcmpMessage, // an ICMP error that quotes our request
    SendError,   // the errno of sendto
};

// One row of the status table. For ICMP messages `value` is the ICMP type and the
// row covers the codes firstCode..lastCode; for send errors `value` is the errno.
struct StatusRule {
    FailureOrigin origin;
    int value;
    std::uint8_t firstCode;
    std::uint8_t lastCode;
    std::uint32_t status;
};

// The table, first matching row wins.
std::span<const StatusRule> IcmpStatusRules();

// Status for an ICMP error; std::nullopt for messages that do not end a probe
// (redirects and types that are no errors).
std::optional<std::uint32_t> StatusForIcmpError(std::uint8_t type, std::uint8_t code);

// Status for a failed sendto; IcmpStatus::kGeneralFailure when no row names the errno.
std::uint32_t StatusForSendError(int error);

} // namespace lumet
