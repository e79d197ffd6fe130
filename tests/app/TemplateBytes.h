#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumet::test {

// Builds template bytes by hand, independently of the encoder under test.
class TemplateBytes {
public:
    TemplateBytes& Word(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value & 0xFFu));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
        return *this;
    }
    TemplateBytes& Dword(std::uint32_t value) {
        return Word(static_cast<std::uint16_t>(value & 0xFFFFu))
            .Word(static_cast<std::uint16_t>(value >> 16));
    }
    TemplateBytes& Byte(std::uint8_t value) {
        bytes_.push_back(value);
        return *this;
    }
    // Characters without the terminating zero word.
    TemplateBytes& Chars(const std::u16string& text) {
        for (const char16_t c : text) {
            Word(static_cast<std::uint16_t>(c));
        }
        return *this;
    }
    TemplateBytes& String(const std::u16string& text) { return Chars(text).Word(0); }

    // Version 1, signature 0xFFFF, help id, extended style, style, items, x, y, cx, cy.
    TemplateBytes& Header(std::uint32_t style, std::uint16_t itemCount) {
        return Word(1)
            .Word(0xFFFF)
            .Dword(0)
            .Dword(0)
            .Dword(style)
            .Word(itemCount)
            .Word(0)
            .Word(0)
            .Word(180)
            .Word(58);
    }

    std::size_t Size() const { return bytes_.size(); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace lumet::test
