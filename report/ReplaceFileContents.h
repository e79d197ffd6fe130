#pragma once

#include <cstdint>
#include <filesystem>
#include <span>

namespace lumet {

// Replaces `file` with exactly `bytes`, or leaves it as it was: the bytes go to a
// temporary file beside it, which is renamed over it only once completely written.
// Returns false when the file could not be created, written or renamed; no
// temporary is left behind then.
bool ReplaceFileContents(const std::filesystem::path& file, std::span<const std::uint8_t> bytes);

} // namespace lumet
