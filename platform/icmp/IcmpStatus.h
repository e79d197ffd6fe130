#pragma once

#include <cstdint>

namespace lumet {

// IP status codes reported for a probe. 11000-11022 are the well-known IP status
// range; the codes from 11050 up are our own for failures that happen before a
// request leaves the host.
namespace IcmpStatus {
inline constexpr std::uint32_t kSuccess = 0;
inline constexpr std::uint32_t kBase = 11000;
inline constexpr std::uint32_t kDestNetUnreachable = 11002;
inline constexpr std::uint32_t kDestHostUnreachable = 11003;
inline constexpr std::uint32_t kDestProtocolUnreachable = 11004;
inline constexpr std::uint32_t kDestPortUnreachable = 11005;
inline constexpr std::uint32_t kPacketTooBig = 11009;
inline constexpr std::uint32_t kRequestTimedOut = 11010;
inline constexpr std::uint32_t kBadRoute = 11012;
inline constexpr std::uint32_t kTtlExpiredTransit = 11013;
inline constexpr std::uint32_t kTtlExpiredReassembly = 11014;
inline constexpr std::uint32_t kParameterProblem = 11015;
inline constexpr std::uint32_t kSourceQuench = 11016;
inline constexpr std::uint32_t kLast = 11022;

inline constexpr std::uint32_t kGeneralFailure = 11050; // a send error without a better code
inline constexpr std::uint32_t kNoIcmpSocket = 11051;   // neither a ping nor a raw socket opens
inline constexpr std::uint32_t kTruncatedReply = 11052; // the kernel cut the reply short
} // namespace IcmpStatus

} // namespace lumet
