#include "platform/profile/ProfileInteger.h"

#include <algorithm>
#include <charconv>
#include <climits>

namespace lumet {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

} // namespace

std::optional<long long> ParseProfileInteger(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    unsigned long long magnitude = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), magnitude).ec ==
        std::errc::result_out_of_range) {
        magnitude = ULLONG_MAX;
    }
    constexpr auto kLargest = static_cast<unsigned long long>(LLONG_MAX);
    if (negative) {
        return magnitude > kLargest ? LLONG_MIN : -static_cast<long long>(magnitude);
    }
    return magnitude > kLargest ? LLONG_MAX : static_cast<long long>(magnitude);
}

} // namespace lumet
