#include "probe/DottedAddress.h"

#include <array>
#include <cstddef>
#include <cstring>

namespace lumet {

namespace {

constexpr std::uint64_t kAllOnes = 0xFFFFFFFFu;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int DigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return 99;
}

// One part as strtoul reads it with base 0, from a position that holds a digit.
// Nothing when its value does not fit in 32 bits.
std::optional<std::uint64_t> ReadPart(std::string_view text, std::size_t& at) {
    int base = 10;
    if (text[at] == '0') {
        base = 8;
        // "0x" counts as hex only when a hex digit follows; otherwise the part is
        // the 0 alone and the x is what comes after it.
        if (at + 2 < text.size() && (text[at + 1] == 'x' || text[at + 1] == 'X') &&
            DigitValue(text[at + 2]) < 16) {
            base = 16;
            at += 2;
        }
    }
    std::uint64_t value = 0;
    for (; at < text.size() && DigitValue(text[at]) < base; ++at) {
        value = value * static_cast<std::uint64_t>(base) +
                static_cast<std::uint64_t>(DigitValue(text[at]));
        if (value > kAllOnes) {
            return std::nullopt;
        }
    }
    return value;
}

std::uint32_t ToNetworkOrder(std::uint32_t host) {
    const std::array<std::uint8_t, 4> bytes{
        static_cast<std::uint8_t>(host >> 24), static_cast<std::uint8_t>(host >> 16),
        static_cast<std::uint8_t>(host >> 8), static_cast<std::uint8_t>(host)};
    std::uint32_t network = 0;
    static_assert(sizeof network == bytes.size());
    std::memcpy(&network, bytes.data(), bytes.size());
    return network;
}

} // namespace

std::optional<std::uint32_t> DottedAddress::Parse(std::string_view text) {
    // The largest value the last part may have after 0, 1, 2 or 3 leading parts.
    constexpr std::array<std::uint64_t, 4> kLastPartLimit{kAllOnes, 0xFFFFFF, 0xFFFF, 0xFF};
    std::array<std::uint64_t, 3> leading{};
    std::size_t count = 0;
    std::size_t at = 0;
    std::uint64_t last = 0;
    for (;;) {
        if (at >= text.size() || !IsDigit(text[at])) {
            return std::nullopt;
        }
        const std::optional<std::uint64_t> part = ReadPart(text, at);
        if (!part) {
            return std::nullopt;
        }
        if (at < text.size() && text[at] == '.') {
            if (count == leading.size() || *part > 0xFF) {
                return std::nullopt;
            }
            leading[count++] = *part;
            ++at;
            continue;
        }
        last = *part;
        break;
    }
    // A NUL ends the text, as it ends the C string inet_aton reads.
    if (at < text.size() && text[at] != '\0' && !IsSpace(text[at])) {
        return std::nullopt;
    }
    if (last > kLastPartLimit[count]) {
        return std::nullopt;
    }
    std::uint64_t host = last;
    for (std::size_t i = 0; i < count; ++i) {
        host |= leading[i] << (24 - 8 * i);
    }
    return ToNetworkOrder(static_cast<std::uint32_t>(host));
}

std::string DottedAddress::Format(std::uint32_t networkOrder) {
    std::array<std::uint8_t, 4> bytes{};
    std::memcpy(bytes.data(), &networkOrder, bytes.size());
    std::string text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) {
            text += '.';
        }
        text += std::to_string(bytes[i]);
    }
    return text;
}

} // namespace lumet
