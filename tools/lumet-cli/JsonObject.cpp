#include "tools/lumet-cli/JsonObject.h"

#include <array>
#include <cstdint>

namespace lumet::cli {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The length of the UTF-8 sequence at the start of `text`, or 0 when it is not
// one: a stray continuation byte, a truncated sequence, an overlong form, a
// surrogate or a code point above U+10FFFF.
std::size_t Utf8SequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    std::size_t length = 0;
    // The range the second byte must fall in; the rest are any continuation byte.
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;  // no overlong forms
        high = lead == 0xED ? 0x9F : 0xBF; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF; // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
    }
    return length;
}

void AppendEscaped(std::string& out, char c) {
    switch (c) {
    case '"':
        out += "\\\"";
        return;
    case '\\':
        out += "\\\\";
        return;
    case '\b':
        out += "\\b";
        return;
    case '\f':
        out += "\\f";
        return;
    case '\n':
        out += "\\n";
        return;
    case '\r':
        out += "\\r";
        return;
    case '\t':
        out += "\\t";
        return;
    default:
        break;
    }
    if (static_cast<std::uint8_t>(c) < 0x20) {
        constexpr std::string_view kHex = "0123456789abcdef";
        const auto byte = static_cast<std::uint8_t>(c);
        out += "\\u00";
        out += kHex[byte >> 4];
        out += kHex[byte & 0xF];
        return;
    }
    out += c;
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string out = "\"";
    out.reserve(text.size() + 2);
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        if (length == 0) {
            out += kReplacement;
            text.remove_prefix(1);
        } else if (length == 1) {
            AppendEscaped(out, text.front());
            text.remove_prefix(1);
        } else {
            out += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return out + "\"";
}

JsonObject& JsonObject::Set(std::string_view name, std::string_view text) {
    members_.insert_or_assign(std::string(name), JsonString(text));
    return *this;
}

JsonObject& JsonObject::Set(std::string_view name, long long number) {
    members_.insert_or_assign(std::string(name), std::to_string(number));
    return *this;
}

std::string JsonObject::Text() const {
    std::string text = "{";
    for (const auto& [name, value] : members_) {
        text += (text.size() > 1 ? "," : "") + JsonString(name) + ":" + value;
    }
    return text + "}";
}

} // namespace lumet::cli
