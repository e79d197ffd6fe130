#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace lumet {

// A file compiled into the program: its path under res/ and its bytes.
struct EmbeddedFile {
    std::string_view path;
    std::span<const std::uint8_t> bytes;
};

// Every embedded file; the build generates the table (cmake/EmbedFiles.cmake).
std::span<const EmbeddedFile> EmbeddedFiles();

} // namespace lumet
