#include "platform/icmp/IcmpPacket.h"
#include "platform/icmp/IcmpStatus.h"
#include "platform/icmp/IcmpStatusMap.h"

#include <arpa/inet.h>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// Feeds one input to every ICMP parser. Input layout: byte 0 holds the truncated
// flag (bit 7) and the length of the error-queue record (bits 0-5); the rest is
// the packet for the packet parsers, and record + quoted ICMP for the error queue.
// Besides crashes, it traps on answers that break the parsers' promises.

namespace {

using lumet::EchoAnswer;

// The request the fuzz seeds answer: 127.0.0.1, identifier 0x1234, sequence 0xABCD.
lumet::EchoRequestKey FuzzKey(bool checkIdentifier) {
    return lumet::EchoRequestKey{htonl(0x7F000001), 0x1234, 0xABCD, checkIdentifier};
}

bool KnownStatus(std::uint32_t status) {
    return status == lumet::IcmpStatus::kSuccess || status == lumet::IcmpStatus::kTruncatedReply ||
           (status >= lumet::IcmpStatus::kDestNetUnreachable &&
            status <= lumet::IcmpStatus::kSourceQuench);
}

void Check(bool promise) {
    if (!promise) {
        __builtin_trap();
    }
}

void CheckAnswer(const std::optional<EchoAnswer>& answer, std::size_t inputSize) {
    if (answer) {
        Check(KnownStatus(answer->status));
        Check(answer->dataSize + lumet::kIcmpHeaderSize <= inputSize);
        // Errors never carry data; only replies do.
        Check(answer->status == lumet::IcmpStatus::kSuccess ||
              answer->status == lumet::IcmpStatus::kTruncatedReply || answer->dataSize == 0);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const bool truncated = (data[0] & 0x80) != 0;
    const std::size_t recordLength = data[0] & 0x3F;
    const std::span<const std::uint8_t> bytes(data + 1, size - 1);
    const lumet::EchoRequestKey rawKey = FuzzKey(true);
    const lumet::EchoRequestKey pingKey = FuzzKey(false);

    const auto raw = lumet::ParseRawSocketPacket(bytes, truncated, rawKey);
    CheckAnswer(raw, bytes.size());
    // A reply that counts comes from the host we asked.
    if (raw && !truncated && raw->status == lumet::IcmpStatus::kSuccess) {
        Check(raw->source == rawKey.destination);
    }

    const auto reply =
        lumet::ParsePingSocketReply(bytes, pingKey.destination, 64, truncated, pingKey);
    CheckAnswer(reply, bytes.size());
    if (reply && !truncated) {
        Check(reply->status == lumet::IcmpStatus::kSuccess);
        Check(lumet::InternetChecksum(bytes) == 0);
    }

    const std::size_t split = recordLength < bytes.size() ? recordLength : bytes.size();
    const auto error = lumet::ParsePingSocketError(bytes.first(split), bytes.subspan(split),
                                                   pingKey.destination, 64, pingKey);
    if (error) {
        Check(KnownStatus(error->status) && error->status != lumet::IcmpStatus::kSuccess);
        Check(error->dataSize == 0);
    }

    static_cast<void>(lumet::QuotesOurRequest(bytes, rawKey));
    if (bytes.size() >= 2) {
        static_cast<void>(lumet::StatusForIcmpError(bytes[0], bytes[1]));
    }
    return 0;
}
