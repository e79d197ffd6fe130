#pragma once

#include <chrono>
#include <cstdint>
#include <optional>

namespace lumet::test {

// One packet that the TUN responder sends back for an echo request: the echo reply
// itself or an ICMP error that quotes the request, possibly delayed or tampered with.
struct EchoResponse {
    enum class Kind { Reply, Error };
    enum class Tamper {
        None,
        Checksum,    // the ICMP checksum is wrong
        Identifier,  // reply: another identifier; error: the quote carries another identifier
        Sequence,    // reply: another sequence number; error: the quote carries another one
        Destination, // error only: the quote names another destination
    };

    Kind kind = Kind::Reply;
    std::chrono::milliseconds delay{0};
    bool atNextRequest = false; // held back until the responder sees the next echo request
    std::uint8_t ttl = 64;
    // Reply data bytes, at most 65507 (an IPv4 datagram is at most 65535 bytes); none:
    // echo the request's data.
    std::optional<std::uint16_t> dataSize;
    Tamper tamper = Tamper::None;
    std::uint8_t errorType = 0;
    std::uint8_t errorCode = 0;
    std::uint32_t errorWord = 0; // the error's second header word (next-hop MTU, pointer)
    std::uint32_t source = 0;    // network byte order; 0: the probed address

    static EchoResponse Reply() { return EchoResponse{}; }
    static EchoResponse Error(std::uint8_t type, std::uint8_t code) {
        EchoResponse response;
        response.kind = Kind::Error;
        response.errorType = type;
        response.errorCode = code;
        return response;
    }

    EchoResponse After(std::chrono::milliseconds wait) const {
        EchoResponse copy = *this;
        copy.delay = wait;
        return copy;
    }
    EchoResponse AtNextRequest() const {
        EchoResponse copy = *this;
        copy.atNextRequest = true;
        return copy;
    }
    EchoResponse WithTtl(std::uint8_t value) const {
        EchoResponse copy = *this;
        copy.ttl = value;
        return copy;
    }
    EchoResponse WithData(std::uint16_t bytes) const {
        EchoResponse copy = *this;
        copy.dataSize = bytes;
        return copy;
    }
    EchoResponse Tampered(Tamper how) const {
        EchoResponse copy = *this;
        copy.tamper = how;
        return copy;
    }
    EchoResponse WithWord(std::uint32_t word) const {
        EchoResponse copy = *this;
        copy.errorWord = word;
        return copy;
    }
    EchoResponse From(std::uint32_t address) const {
        EchoResponse copy = *this;
        copy.source = address;
        return copy;
    }
};

} // namespace lumet::test
