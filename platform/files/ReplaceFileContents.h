#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>

namespace lumet {

// Replaces `file` with exactly `bytes`, or leaves it as it was: the bytes go to a
// temporary file beside it, which is renamed over it only once completely written.
// Returns false when the file could not be created, written or renamed; no
// temporary is left behind then, and `why`, when given, says what failed.
bool ReplaceFileContents(const std::filesystem::path& file, std::span<const std::uint8_t> bytes,
                         std::error_code* why = nullptr);

} // namespace lumet
