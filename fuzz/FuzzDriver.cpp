#include "platform/icmp/IcmpPacket.h"

#include <arpa/inet.h>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime> // linux/errqueue.h needs struct timespec
#include <fstream>
#include <iterator>
#include <linux/errqueue.h>
#include <netinet/in.h>
#include <random>
#include <vector>

// Runs the fuzz target without libFuzzer: over fixed pseudo-random inputs and
// mutations of valid packets, the same on every run, so it can serve as a test.
// Files named on the command line are replayed instead (crash reproduction).

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kRandomInputs = 100000;
constexpr int kMutationsPerSeed = 100000;
constexpr std::uint16_t kId = 0x1234;
constexpr std::uint16_t kSeq = 0xABCD;

void Append(Bytes& bytes, const void* data, std::size_t size) {
    const auto* begin = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), begin, begin + size);
}

Bytes IpPacket(std::uint32_t source, std::uint32_t destination, const Bytes& icmp) {
    Bytes packet(20, 0);
    packet[0] = 0x45;
    const std::size_t total = packet.size() + icmp.size();
    packet[2] = static_cast<std::uint8_t>(total >> 8);
    packet[3] = static_cast<std::uint8_t>(total & 0xFF);
    packet[8] = 64;
    packet[9] = lumet::kIpProtocolIcmp;
    std::memcpy(&packet[12], &source, 4);
    std::memcpy(&packet[16], &destination, 4);
    packet.insert(packet.end(), icmp.begin(), icmp.end());
    return packet;
}

Bytes WithChecksum(Bytes icmp) {
    icmp[2] = 0;
    icmp[3] = 0;
    const std::uint16_t sum = lumet::InternetChecksum(icmp);
    icmp[2] = static_cast<std::uint8_t>(sum >> 8);
    icmp[3] = static_cast<std::uint8_t>(sum & 0xFF);
    return icmp;
}

// Valid inputs in the target's layout (see IcmpParserFuzz.cpp) that reach the
// deepest checks: a reply, an ICMP error on a raw socket, an error-queue entry.
std::vector<Bytes> Seeds() {
    const std::uint32_t target = htonl(0x7F000001);
    const std::uint32_t router = htonl(0x7F0000C8);
    const auto requestHeader = lumet::BuildEchoRequest(kId, kSeq);
    const Bytes request(requestHeader.begin(), requestHeader.end());

    Bytes reply = request;
    reply[0] = lumet::kIcmpEchoReply;
    reply = WithChecksum(reply);

    Bytes error{lumet::kIcmpDestUnreachable, 1, 0, 0, 0, 0, 0, 0};
    const Bytes quoted = IpPacket(target, target, request);
    error.insert(error.end(), quoted.begin(), quoted.end());
    error = WithChecksum(error);

    sock_extended_err record{};
    record.ee_origin = SO_EE_ORIGIN_ICMP;
    record.ee_type = lumet::kIcmpTimeExceeded;
    sockaddr_in offender{};
    offender.sin_family = AF_INET;
    offender.sin_addr.s_addr = router;
    Bytes queueEntry{static_cast<std::uint8_t>(sizeof record + sizeof offender)};
    Append(queueEntry, &record, sizeof record);
    Append(queueEntry, &offender, sizeof offender);
    queueEntry.insert(queueEntry.end(), request.begin(), request.end());

    Bytes rawReply{0};
    const Bytes replyPacket = IpPacket(target, target, reply);
    rawReply.insert(rawReply.end(), replyPacket.begin(), replyPacket.end());
    Bytes rawError{0};
    const Bytes errorPacket = IpPacket(router, target, error);
    rawError.insert(rawError.end(), errorPacket.begin(), errorPacket.end());
    Bytes pingReply{0};
    pingReply.insert(pingReply.end(), reply.begin(), reply.end());
    return {rawReply, rawError, pingReply, queueEntry};
}

// One to four edits of the kinds that break parsers: bit flips, boundary values
// at random places, cut or extended length.
Bytes Mutate(Bytes input, std::mt19937& random) {
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int edit = 0; edit < edits; ++edit) {
        const std::size_t at = input.empty() ? 0 : random() % input.size();
        switch (random() % 5) {
        case 0:
            if (!input.empty()) {
                input[at] = static_cast<std::uint8_t>(input[at] ^ (1U << (random() % 8)));
            }
            break;
        case 1:
            if (!input.empty()) {
                static constexpr std::uint8_t kSpecial[] = {0x00, 0xFF, 0x40, 0x45, 0x4F, 0x7F};
                input[at] = kSpecial[random() % std::size(kSpecial)];
            }
            break;
        case 2:
            input.resize(at);
            break;
        case 3:
            input.resize(input.size() + 1 + random() % 64, static_cast<std::uint8_t>(random()));
            break;
        default:
            if (!input.empty()) {
                input[at] = static_cast<std::uint8_t>(random());
            }
            break;
        }
    }
    return input;
}

void Run(const Bytes& input) {
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            std::ifstream file(argv[i], std::ios::binary);
            if (!file) {
                std::fprintf(stderr, "cannot read %s\n", argv[i]);
                return 1;
            }
            Run(Bytes(std::istreambuf_iterator<char>(file), {}));
        }
        return 0;
    }
    std::mt19937 random(20240607);
    long runs = 0;
    for (int i = 0; i < kRandomInputs; ++i) {
        Bytes input(random() % 160);
        for (auto& byte : input) {
            byte = static_cast<std::uint8_t>(random());
        }
        Run(input);
        ++runs;
    }
    for (const Bytes& seed : Seeds()) {
        Run(seed);
        ++runs;
        for (int i = 0; i < kMutationsPerSeed; ++i) {
            Run(Mutate(seed, random));
            ++runs;
        }
        // Every prefix: each length check on the way gets its boundary.
        for (std::size_t length = 0; length < seed.size(); ++length) {
            Run(Bytes(seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(length)));
            ++runs;
        }
    }
    std::printf("icmp parser fuzz: %ld inputs, no faults\n", runs);
    return 0;
}
